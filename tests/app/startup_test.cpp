#include "harness/harness.h"

#include "harness/windows.h"
#include "numbers/conversionerror.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>

#include <functional>
#include <stdexcept>

namespace tessaro::test {
namespace {

using StartUpTest = AppTest;

// Records the object names of windows in the order they come into being.
class CreationRecorder : public QObject {
 public:
  QStringList names;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowTitleChange) {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() && !names.contains(w->objectName())) names << w->objectName();
    }
    return false;
  }
};

TEST(StartUpOrder, CreatesTheSixWindowsHiddenInOrder) {
  CreationRecorder recorder;
  qApp->installEventFilter(&recorder);
  StartUp();
  qApp->removeEventFilter(&recorder);
  // The six first and in this order; the windows of later features after them, hidden too.
  EXPECT_EQ(recorder.names.mid(0, 6),
            (QStringList{"FMI", "FPrbl", "FFracc", "FP", "FOps", "FAbout"}));
  for (const QString& later : recorder.names.mid(6)) {
    EXPECT_TRUE(QStringList({"FHelp", "FSheet", "FGraph", "FWork", "FPrefs"}).contains(later))
        << later.toStdString();
    EXPECT_FALSE(FindWindow(later)->isVisible());
  }
  const QList<std::pair<QString, QString>> windows = {
      {"FMI", "Maths of rational numbers"},
      {"FPrbl", "Problem"},
      {"FFracc", "Fractions"},
      {"FP", "Polynomials of rational coefficients"},
      {"FOps", "File already exists"},
      {"FAbout", "About"},
      {"FSheet", "Worksheet"},
  };
  for (const auto& [name, caption] : windows) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_EQ(FindWindows(name).size(), 1);
    QWidget* w = FindWindow(name);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), caption);
  }
  ShutDown();
  EXPECT_TRUE(FindWindows("FMI").isEmpty());
}

TEST_F(StartUpTest, MainWindowShowsItsCommandsWithTheirCaptions) {
  MainWin()->show();
  const QList<std::pair<QString, QString>> buttons = {
      {"BtInt", "Integers    "}, {"BtFrac", "Fractions   "}, {"BtPol", "Polynomials"}};
  for (const auto& [name, caption] : buttons) EXPECT_EQ(TextOf(MainWin(), name), caption) << name.toStdString();

  QMenu* tools = Find<QMenu>(MainWin(), "OpTools");
  ASSERT_NE(tools, nullptr);
  // Without Tools.rel the menu holds "Edit tools" and the separator only.
  const QList<QAction*> items = tools->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->objectName(), "OpEdTools");
  EXPECT_EQ(items[0]->text(), "Edit tools");
  EXPECT_TRUE(items[1]->isSeparator());
  for (const char* name : {"Ints", "Fracs", "Pols", "About1"}) EXPECT_NE(FindAction(MainWin(), name), nullptr);
}

TEST_F(StartUpTest, EveryIntegersCommandOpensAnotherWindow) {
  MainWin()->show();
  Click(Find(MainWin(), "BtInt"));
  Trigger(FindAction(MainWin(), "Ints"));
  const QList<QWidget*> windows = FindWindows("FAritm");
  ASSERT_EQ(windows.size(), 2);
  EXPECT_NE(windows[0], windows[1]);
  for (QWidget* w : windows) {
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "Arithmetic of integers");
  }
}

TEST_F(StartUpTest, ClosingAThemeHidesItAndTheCommandShowsTheSameWindow) {
  MainWin()->show();
  Click(Find(MainWin(), "BtFrac"));
  QWidget* fractions = FindWindow("FFracc");
  ASSERT_TRUE(fractions->isVisible());
  fractions->close();
  EXPECT_FALSE(fractions->isVisible());
  Trigger(FindAction(MainWin(), "Fracs"));
  EXPECT_EQ(FindWindow("FFracc"), fractions);
  EXPECT_TRUE(fractions->isVisible());

  Click(Find(MainWin(), "BtPol"));
  EXPECT_TRUE(FindWindow("FP")->isVisible());
}

TEST_F(StartUpTest, ClosingTheMainWindowEndsTheEventLoopWithOtherWindowsOpen) {
  MainWin()->show();
  Click(Find(MainWin(), "BtFrac"));
  Click(Find(MainWin(), "BtInt"));
  EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }), 0);
  EXPECT_TRUE(FindWindow("FFracc")->isVisible());
}

TEST_F(StartUpTest, AnExceptionInAHandlerIsShownOnceAndTheProgramGoesOn) {
  struct Row {
    const char* what;
    std::function<void()> fail;
    const char* message;
  };
  const Row rows[] = {
      {"a text that is not an integer", [] { throw ConversionError("12a"); },
       "'12a' is not a valid integer value"},
      {"any standard exception", [] { throw std::runtime_error("disk on fire"); }, "disk on fire"},
      {"anything else thrown", [] { throw 42; }, "An unexpected error stopped this command"},
  };
  MainWin()->show();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    QPushButton button("Read");
    int runs = 0;
    QObject::connect(&button, &QPushButton::clicked, Guarded([&] {
                       ++runs;
                       row.fail();
                     }));
    button.show();
    ExpectMessage(row.message);
    Click(&button);
    EXPECT_EQ(runs, 1);
  }
  EXPECT_EQ(SeenMessages().size(), 3u);
  // The program still answers.
  Click(Find(MainWin(), "BtFrac"));
  EXPECT_TRUE(FindWindow("FFracc")->isVisible());
}

}  // namespace
}  // namespace tessaro::test
