#pragma once

#include "problems/problemfile.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessaro {

// "File already exists": asks whether to overwrite, add to, or leave a file.
class TFOps : public QDialog {
  Q_OBJECT

 public:
  explicit TFOps(QWidget* parent = nullptr);

  // Shows the name and waits for the choice: GrdMtx, GrdAdd, or GrdEsc for Cancel,
  // Enter, Escape and the close box alike.
  SaveMode OpsGrd(const QString& fileName);

  void BtMtxClick();
  void BtAddClick();
  void BtEscClick();

  SaveMode ModeGrd = GrdEsc;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* EtF = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* BtMtx = nullptr;
  QPushButton* BtAdd = nullptr;
  QPushButton* BtEsc = nullptr;
};

}  // namespace tessaro
