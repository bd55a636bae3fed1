#pragma once

#include "tools/toolsfile.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tessaro {

// The tools editor "Tools edition", shown modally by Edit tools. It works on a table
// of its own, read from Tools.rel when shown and written back only by OK.
class TFTools : public QDialog {
  Q_OBJECT

 public:
  explicit TFTools(QWidget* parent = nullptr);

  void FormShow();
  void LlistaTools();
  void NouTool();
  void Botons();
  void ToolaEd();
  void AcceptaTool();
  bool SaveTools();

  void LTClick();
  void BtIncClick();
  void BtNouClick();
  void BtBrrClick();
  void BtUpClick();
  void BtDwnClick();
  void BtOKClick();
  void BtSurtClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Exchanges the current tool with its neighbour `to` and keeps it selected there.
  void MoveCurrent(int to);
  static QString WrongEntry();
  void SelectLine(int row);

  TToolTable table_;
  int current_ = 0;  // 0: composing a new tool; k: tool k is being edited
  bool shown_ = false;

  QLabel* EtLT = nullptr;
  QListWidget* LT = nullptr;
  QFrame* PET = nullptr;
  QLabel* EtPET = nullptr;
  QLabel* EtTit = nullptr;
  QLineEdit* IdTit = nullptr;
  QLabel* EtFtx = nullptr;
  QLineEdit* IdFtx = nullptr;
  QLabel* EtDir = nullptr;
  QLineEdit* IdDir = nullptr;
  QLabel* EtPars = nullptr;
  QLineEdit* IdPars = nullptr;
  QToolButton* BtInc = nullptr;
  QPushButton* BtOK = nullptr;
  QPushButton* BtSurt = nullptr;
  QToolButton* BtNou = nullptr;
  QToolButton* BtBrr = nullptr;
  QToolButton* BtUp = nullptr;
  QToolButton* BtDwn = nullptr;
};

}  // namespace tessaro
