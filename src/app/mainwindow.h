#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QPushButton;

namespace tessaro {

// The main window "Maths of rational numbers": opens the themes, the tools and the About box.
class TFMI : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFMI(QWidget* parent = nullptr);

  QMenu* ToolsMenu() const { return OpTools; }

  void BtIntClick();
  void BtFracClick();
  void BtPolClick();
  void OpEdToolsClick();
  void About1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();

  QPushButton* BtInt = nullptr;
  QPushButton* BtFrac = nullptr;
  QPushButton* BtPol = nullptr;
  QMenu* OpTems = nullptr;
  QMenu* OpTools = nullptr;
  bool shown_ = false;
};

}  // namespace tessaro
