#include "harness/harness.h"

#include "harness/windows.h"
#include "toolswindow/toolseditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>

#include <functional>
#include <memory>

namespace tessaro::test {
namespace {

using KeyboardTest = AppTest;

// The controls Tab reaches, in the order it reaches them from the window itself. The edit
// line inside a drop-down list is the list's own.
QStringList TabChain(QWidget* window) {
  QStringList names;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || qobject_cast<QComboBox*>(w->parentWidget()))
      continue;
    names << w->objectName();
    if (names.size() > 200) break;
  }
  return names;
}

// Shows `window` as the active one: window shortcuts only reach the active window.
QWidget* Active(QWidget* window) {
  QApplication::processEvents();
  window->show();
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  // The offscreen platform leaves a closed dialog the active window.
  if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
  return window;
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The menu that is open now, with the command it has chosen.
QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

TEST_F(KeyboardTest, TabFollowsTheDesignedOrderInEveryWindow) {
  MainWin()->show();
  Click(Find(MainWin(), "BtInt"));
  TFTools editor;
  const struct {
    QWidget* window;
    QStringList order;
  } windows[] = {
      {MainWin(), {"BtInt", "BtFrac", "BtPol"}},
      {&editor,
       {"LT", "IdTit", "IdFtx", "IdDir", "IdPars", "BtInc", "BtOK", "BtSurt", "BtNou", "BtBrr",
        "BtUp", "BtDwn"}},
      {AboutWin(), {"BtOk", "EdMail", "EdW"}},
      {FileExistsWin(), {"BtEsc", "BtMtx", "BtAdd"}},
      {ProblemWin(), {"IdE", "IdR", "BtGrd", "BtAddSheet", "CbWorking"}},
      {SheetWin(),
       {"IdTitle", "IdInstr", "LProblems", "BtUp", "BtDown", "BtRemove", "BtNewNums", "BtRanges",
        "IdQuestion", "IdAnswer", "CbProblemWorking", "BtVersions", "BtNoVersions", "CbColumns",
        "CbKey", "CbPage"}},
      // The theme windows: panel by panel, top to bottom, left to right within each.
      {FindWindow("FAritm"),
       {"IdN", "Ok1", "BtL", "Lexp", "BtWork1", "BtPrbl1", "IdHex", "IdBin", "IdOct", "IdBX",
        "IdX", "IdA", "IdB", "BtRnd", "OkOps", "Idpq", "BtWork2", "BtPrbl2", "IdOC", "OkOC",
        "Idp", "BtWorkOC", "BtPrblOC", "BtRndL", "LL", "LN", "BtUnSel", "BtRstL", "BtBrrL",
        "BtWorkN", "BtPrblN"}},
      {FractionsWin(),
       {"IdN", "IdD", "BtOk", "BtRnd", "Id1", "IdS", "OpS", "LA", "LB", "Ok2", "BtWork2",
        "BtPr2", "TOpsBin", "IdOC", "OkOC", "IdROC", "BtWorkC", "BtPrC", "LF", "BtBrr",
        "BtRst"}},
      {PolynomialsWin(),
       {"LCoefs", "BtOk", "BtRnd", "BtRst", "FllDwn", "LPols", "BtBrr", "BtClear", "IdPol",
        "BtaL", "IdX", "IdVN", "IdRoots", "BtGraph", "IdFctr", "IdDer", "IdPrim", "BtWork1",
        "BtPrbl1", "L1", "IdP1", "L2", "IdP2", "BtBin", "IdS", "IdD", "IdM", "IdQ", "IdR",
        "IdMCD", "IdMCM", "BtWork2", "BtPrbl2", "IdOC", "OkOC", "IdROC", "BtWorkC",
        "BtPrblC"}},
  };
  for (const auto& [window, order] : windows) {
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_EQ(TabChain(window), order);
  }
}

TEST_F(KeyboardTest, TabLeavesTheProblemTextAreas) {
  ProblemWin()->MostraPrbl("q", "a");
  Active(ProblemWin());
  QWidget* question = Find(ProblemWin(), "IdE");
  question->setFocus();
  Press(question, Qt::Key_Tab);
  EXPECT_EQ(TextOf(ProblemWin(), "IdE"), "q") << "no tab typed into the question";
  EXPECT_EQ(QApplication::focusWidget(), Find(ProblemWin(), "IdR"));
}

TEST_F(KeyboardTest, AltThenArrowsAndEnterRunAMenuCommand) {
  Active(MainWin());
  QMenuBar* bar = MainWin()->menuBar();
  // Alt alone moves into the menu bar; Down opens the first menu, Down again and Enter
  // choose its second command.
  Press(MainWin(), Qt::Key_Alt, Qt::AltModifier);
  ASSERT_TRUE(bar->hasFocus());
  EXPECT_EQ(bar->activeAction(), Find<QMenu>(MainWin(), "OpTems")->menuAction());
  Press(bar, Qt::Key_Down);
  QMenu* themes = OpenMenu();
  ASSERT_NE(themes, nullptr);
  EXPECT_EQ(themes->activeAction(), FindAction(MainWin(), "Ints"));
  Press(themes, Qt::Key_Down);
  Press(themes, Qt::Key_Return);
  EXPECT_TRUE(FractionsWin()->isVisible());
}

TEST_F(KeyboardTest, AltWithALetterOpensEachMenuOfTheBar) {
  const struct {
    Qt::Key key;
    const char* menu;
    const char* first;
  } menus[] = {
      {Qt::Key_T, "OpTems", "Ints"},
      {Qt::Key_O, "OpTools", "OpEdTools"},
      {Qt::Key_F10, "OpTems", "Ints"},
  };
  for (const auto& m : menus) {
    SCOPED_TRACE(m.menu);
    Active(MainWin());
    Press(MainWin(), m.key, m.key == Qt::Key_F10 ? Qt::NoModifier : Qt::AltModifier);
    QMenu* menu = OpenMenu();
    ASSERT_EQ(menu, Find<QMenu>(MainWin(), m.menu));
    EXPECT_EQ(menu->activeAction(), FindAction(MainWin(), m.first));
    Press(menu, Qt::Key_Escape);
    Press(MainWin()->menuBar(), Qt::Key_Escape);
  }
  // "About..." is a command of the bar itself: Alt+A runs it.
  Active(MainWin());
  Press(MainWin(), Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(AboutWin()->isVisible());
}

TEST_F(KeyboardTest, TypingInAnOpenMenuChoosesTheCommandAndAThemeWindowHasItsProblemKey) {
  Active(MainWin());
  Press(MainWin(), Qt::Key_T, Qt::AltModifier);
  ASSERT_NE(OpenMenu(), nullptr);
  Press(OpenMenu(), Qt::Key_P);
  EXPECT_EQ(OpenMenu()->activeAction(), FindAction(MainWin(), "Pols"));
  Press(OpenMenu(), Qt::Key_Return);
  ASSERT_TRUE(PolynomialsWin()->isVisible());

  Active(PolynomialsWin());
  Press(PolynomialsWin(), Qt::Key_P, Qt::AltModifier);
  EXPECT_EQ(OpenMenu(), Find<QMenu>(PolynomialsWin(), "MnuPrbl"));
  Press(OpenMenu(), Qt::Key_Escape);
}

TEST_F(KeyboardTest, EditToolsFromTheKeyboardAndEscapeCancelsTheEditor) {
  QFile tools("Tools.rel");
  ASSERT_TRUE(tools.open(QIODevice::WriteOnly));
  const QByteArray file = "Editor\r\nmousepad\r\n\r\n\r\n";
  tools.write(file);
  tools.close();
  Active(MainWin());
  ExpectDialog("FTools", [](QDialog* d) {
    Type(Find(d, "IdTit"), "Changed");
    Click(Find(d, "BtInc"));
    Press(d, Qt::Key_Escape);
  });
  Press(MainWin(), Qt::Key_O, Qt::AltModifier);
  ASSERT_NE(OpenMenu(), nullptr);
  Press(OpenMenu(), Qt::Key_Return);
  EXPECT_EQ(Bytes("Tools.rel"), file);
}

TEST_F(KeyboardTest, EscapeClosesTheAboutBox) {
  Active(MainWin());
  Trigger(FindAction(MainWin(), "About1"));
  Active(AboutWin());
  EXPECT_EQ(QApplication::focusWidget(), Find(AboutWin(), "BtOk"));
  Press(AboutWin(), Qt::Key_Escape);
  EXPECT_FALSE(AboutWin()->isVisible());
}

TEST_F(KeyboardTest, CtrlSSavesTheProblemAndEscapeInTheSaveDialogSavesNothing) {
  ProblemWin()->MostraPrbl("q", "a");
  Active(ProblemWin());
  ExpectDialog("DlgGrd", [](QDialog* d) { Press(d, Qt::Key_Escape); });
  Press(Find(ProblemWin(), "IdE"), Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(QDir("Prbls").exists("p1.txt"));
  Active(ProblemWin());

  ExpectDialog("DlgGrd", [](QDialog* d) {
    qobject_cast<QFileDialog*>(d)->selectFile("p1");
    d->accept();
  });
  Press(Find(ProblemWin(), "IdR"), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Bytes("Prbls/p1.txt"), "Question:\r\nq\r\n\r\nAnswer:\r\na\r\n");
}

TEST_F(KeyboardTest, CtrlQClosesTheMainWindowAndEndsTheProgram) {
  Active(MainWin());
  Click(Find(MainWin(), "BtFrac"));
  Active(MainWin());
  EXPECT_EQ(RunEventLoop([] { Press(MainWin(), Qt::Key_Q, Qt::ControlModifier); }), 0);
  EXPECT_FALSE(MainWin()->isVisible());
  EXPECT_TRUE(FractionsWin()->isVisible()) << "only the main window closes";
}

}  // namespace
}  // namespace tessaro::test
