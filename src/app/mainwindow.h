#pragma once

#include <QMainWindow>

#include <functional>

class QAction;
class QMenu;
class QPushButton;

namespace tessaro {

class TFAbout;
class ToolItems;
class TFSheet;
class TFHelp;

// What the main window's commands open; the start-up hands them over once every window exists.
struct MainWindowLinks {
  std::function<QWidget*()> NewIntegers;  // makes another Integers window, kept for the run
  QWidget* Fractions = nullptr;
  QWidget* Polynomials = nullptr;
  TFAbout* About = nullptr;
  TFHelp* Help = nullptr;
  std::function<void(QWidget*)> Adopt;  // keeps a window made later (a tools editor) for the run
  TFSheet* Sheet = nullptr;             // the Worksheet menu's window
  // Asked before the program ends: false keeps it running (unsaved work the user kept).
  std::function<bool()> MayQuit;
  QWidget* Prefs = nullptr;             // the Settings menu's Preferences window
  std::function<void()> Ending;         // told when the program ends, before its windows go
};

// The main window "Maths of rational numbers": opens the themes, the tools and the About box.
class TFMI : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFMI(QWidget* parent = nullptr);

  void SetLinks(MainWindowLinks links);
  QMenu* ToolsMenu() const { return OpTools; }

  void BtIntClick();
  void BtFracClick();
  void BtPolClick();
  void OpEdToolsClick();
  void About1Click();
  void OpGuideClick();
  void OpPrefsClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void MakeSheetMenu(QMenuBar* bar);
  void RebuildRecent();
  void SheetOpened(bool open);

  QPushButton* BtInt = nullptr;
  QPushButton* BtFrac = nullptr;
  QPushButton* BtPol = nullptr;
  QMenu* OpTems = nullptr;
  QMenu* MnuSheet = nullptr;
  QMenu* MnuRecent = nullptr;
  QList<QAction*> sheetCommands_;  // enabled while a sheet is open
  QMenu* OpTools = nullptr;
  ToolItems* toolItems_ = nullptr;  // the tools of Tools.rel under OpTools
  bool shown_ = false;
  MainWindowLinks links_;
};

}  // namespace tessaro
