#pragma once

#include "problems/problemfile.h"

#include <QWidget>

class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace tessaro {

class TFOps;

// The Problem window: a question and its answer, editable, saved on request.
class TFPrbl : public QWidget {
  Q_OBJECT

 public:
  explicit TFPrbl(QWidget* parent = nullptr);

  // The window that asks what to do with a file that already exists.
  void UseFileExistsDialog(TFOps* dialog) { fileExists_ = dialog; }

  // Shows the window in front with these texts, replacing whatever it held.
  void MostraPrbl(const QString& question, const QString& answer);

  // Save: asks for a file, and for an existing one whether to overwrite or add to it.
  void BtGrdClick();
  // Writes the problem the two areas hold now to `fileName` (GrdMtx or GrdAdd).
  void GrdPrbl(const QString& fileName, SaveMode mode);

 private:
  QFileDialog* SaveDialog();

  QLabel* EtEn = nullptr;
  QPlainTextEdit* IdE = nullptr;
  QLabel* EtR = nullptr;
  QPlainTextEdit* IdR = nullptr;
  QToolButton* BtGrd = nullptr;
  QFileDialog* DlgGrd = nullptr;
  QString lastFile_;
  TFOps* fileExists_ = nullptr;
};

}  // namespace tessaro
