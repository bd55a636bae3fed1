#include "harness/harness.h"

#include "app/sessionkeeper.h"
#include "harness/windows.h"
#include "prefswindow/tempconfig.h"

#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>

namespace tessaro::test {
namespace {

// Each test has a configuration folder of its own from before its first start-up.
class SessionTest : public AppTest {
 protected:
  TempConfig config_;

  static QStringList Rows(const QWidget* window, const char* list) {
    QStringList rows;
    if (auto* l = Find<QListWidget>(window, list))
      for (int i = 0; i < l->count(); ++i) rows << l->item(i)->text();
    return rows;
  }
  static QList<int> Selected(const QWidget* window, const char* list) {
    QList<int> rows;
    if (auto* l = Find<QListWidget>(window, list))
      for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected()) rows << i;
    return rows;
  }
  // Ends the run as the user does, by closing the main window.
  static void Quit() { EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }), 0); }
  static QWidget* Open(const char* button, const char* window) {
    Click(Find(MainWin(), button));
    return FindWindow(QString::fromUtf8(window));
  }
  // Whether a window stands where it stood, as far as the screen lets it: the offscreen screen
  // is smaller than some windows, more so at 200 %, and those are moved onto it (which
  // FitPlace's own test covers).
  static bool StandsAt(const QWidget* window, WindowPlace place) {
    place.visible = window->isVisible();
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    const WindowPlace fitted = FitPlace(place, minimum, window->maximumSize(),
                                        {QGuiApplication::primaryScreen()->availableGeometry()});
    return PlaceOf(window) == fitted;
  }
  // Wholly on the screen; a window larger than the screen at its edge.
  static bool OnScreen(const QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const auto fits = [](int from, int length, int screenFrom, int screenLength) {
      return length > screenLength ? from == screenFrom
                                   : from >= screenFrom && from + length <= screenFrom + screenLength;
    };
    return fits(frame.x(), frame.width(), screen.x(), screen.width()) &&
           fits(frame.y(), frame.height(), screen.y(), screen.height());
  }
};

TEST_F(SessionTest, SettingsMenuOpensThePreferenceOffAndEachChangeIsStoredAtOnce) {
  MainWin()->show();
  QMenu* settings = Find<QMenu>(MainWin(), "MnuSettings");
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->title(), "Settings");
  QAction* item = FindAction(MainWin(), "OpPrefs");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "Preferences...");
  Trigger(item);
  QWidget* prefs = FindWindow("FPrefs");
  EXPECT_TRUE(prefs->isVisible());
  EXPECT_EQ(prefs->windowTitle(), "Preferences");
  auto* box = Find<QCheckBox>(prefs, "OpRemember");
  EXPECT_EQ(box->text(), "Remember lists and windows between runs");
  EXPECT_FALSE(box->isChecked()) << "a fresh start remembers nothing";
  EXPECT_FALSE(config_.FileExists());

  Click(box);
  EXPECT_TRUE(RemembersSessions());
  Click(box);
  EXPECT_FALSE(RemembersSessions());
  Click(box);
  Click(Find(prefs, "BtClose"));
  EXPECT_FALSE(prefs->isVisible());

  StartUp();
  Trigger(FindAction(MainWin(), "OpPrefs"));
  EXPECT_TRUE(Find<QCheckBox>(FindWindow("FPrefs"), "OpRemember")->isChecked())
      << "the next run shows the stored preference";
}

TEST_F(SessionTest, APreferenceThatCannotBeStoredIsSaidAndNotShownAsStored) {
  QDir().mkpath(SettingsFile());  // a folder where the file should be
  MainWin()->show();
  Trigger(FindAction(MainWin(), "OpPrefs"));
  auto* box = Find<QCheckBox>(FindWindow("FPrefs"), "OpRemember");
  ExpectMessage(QStringLiteral("The preference cannot be stored in ") + SettingsFile());
  Click(box);
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(RemembersSessions());
}

TEST_F(SessionTest, ListsSelectionsDecimalsAndWindowsComeBackInTheNextRun) {
  MainWin()->show();
  Trigger(FindAction(MainWin(), "OpPrefs"));
  Click(Find(FindWindow("FPrefs"), "OpRemember"));
  FindWindow("FPrefs")->close();

  QWidget* integers = Open("BtInt", "FAritm");
  for (const char* n : {"12", "18", "30"}) {
    SetText(Find(integers, "IdN"), QString::fromUtf8(n));
    Click(Find(integers, "Ok1"));
  }
  ClickRow(Find<QListWidget>(integers, "LN"), 0);
  ClickRow(Find<QListWidget>(integers, "LN"), 2, Qt::ControlModifier);
  SetText(Find(integers, "Idpq"), "5");
  SetText(Find(integers, "Idp"), "7");
  integers->move(60, 70);

  QWidget* fractions = Open("BtFrac", "FFracc");
  for (auto [n, d] : {std::pair{"1", "2"}, {"3", "4"}, {"0", "5"}}) {
    SetText(Find(fractions, "IdN"), QString::fromUtf8(n));
    SetText(Find(fractions, "IdD"), QString::fromUtf8(d));
    Click(Find(fractions, "BtOk"));
  }
  ClickRow(Find<QListWidget>(fractions, "LF"), 1);
  fractions->move(120, 90);
  fractions->resize(fractions->size() + QSize(40, 30));
  const WindowPlace fractionsPlace = PlaceOf(fractions);

  QWidget* polynomials = Open("BtPol", "FP");
  for (const char* p : {"x+1", "x^2-1", "x+1"}) {
    SetText(Find(polynomials, "IdPol"), QString::fromUtf8(p));
    Click(Find(polynomials, "BtaL"));
  }
  ClickRow(Find<QListWidget>(polynomials, "L1"), 2);
  polynomials->close();
  ProblemWin()->show();
  ProblemWin()->move(150, 160);
  MainWin()->move(30, 40);
  const WindowPlace mainPlace = PlaceOf(MainWin());
  const WindowPlace problemPlace = PlaceOf(ProblemWin());
  const WindowPlace integersPlace = PlaceOf(integers);
  Quit();
  EXPECT_TRUE(config_.FileExists());

  StartUp();
  MainWin()->show();
  EXPECT_TRUE(StandsAt(MainWin(), mainPlace)) << "the main window is not centred again";

  const QList<QWidget*> integersWindows = FindWindows("FAritm");
  ASSERT_EQ(integersWindows.size(), 1);
  integers = integersWindows.first();
  EXPECT_TRUE(integers->isVisible());
  EXPECT_TRUE(StandsAt(integers, integersPlace));
  EXPECT_EQ(Rows(integers, "LL"), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(Selected(integers, "LN"), (QList<int>{0, 2}));
  EXPECT_EQ(TextOf(integers, "EtMCDn"), "6") << "the hcd of the selection is worked out again";
  EXPECT_EQ(TextOf(integers, "Idpq"), "5");
  EXPECT_EQ(TextOf(integers, "Idp"), "7");

  fractions = FindWindow("FFracc");
  EXPECT_TRUE(fractions->isVisible());
  EXPECT_TRUE(StandsAt(fractions, fractionsPlace));
  EXPECT_EQ(Rows(fractions, "LF"), (QStringList{"1/2", "3/4", "0"}));
  EXPECT_EQ(Selected(fractions, "LF"), QList<int>{1});
  EXPECT_EQ(Selected(fractions, "LL"), QList<int>{1}) << "the letters follow the pick";
  EXPECT_EQ(TextOf(fractions, "LA"), "1/2") << "the operand boxes offer the list";

  polynomials = FindWindow("FP");
  EXPECT_FALSE(polynomials->isVisible()) << "a closed window stays closed";
  EXPECT_EQ(Rows(polynomials, "LPols"), (QStringList{"x+1", "x^2-1", "x+1"}));
  EXPECT_EQ(Find<QListWidget>(polynomials, "L1")->currentRow(), 2);
  EXPECT_EQ(TextOf(polynomials, "IdP1"), "x+1");
  EXPECT_FALSE(ProblemWin()->isVisible()) << "its problem is not kept: it comes back closed";
  EXPECT_TRUE(StandsAt(ProblemWin(), problemPlace));
  EXPECT_FALSE(FindWindow("FPrefs")->isVisible());
}

TEST_F(SessionTest, WithThePreferenceOffNothingIsWrittenAndNothingRestored) {
  MainWin()->show();
  QWidget* fractions = Open("BtFrac", "FFracc");
  SetText(Find(fractions, "IdN"), "1");
  SetText(Find(fractions, "IdD"), "2");
  Click(Find(fractions, "BtOk"));
  Quit();
  EXPECT_FALSE(config_.FileExists());

  // A session left by a run with the preference on, and the preference off since.
  SetRemembersSessions(true);
  SessionValues left;
  left.fractions = {{"1/3"}, {}, std::nullopt};
  left.windows.insert(QStringLiteral("FFracc"), {{5, 5}, {700, 500}, true});
  SaveSession(left);
  QSettings(SettingsFile(), QSettings::IniFormat).setValue(QStringLiteral("remember"), false);
  StartUp();
  EXPECT_FALSE(FindWindow("FFracc")->isVisible());
  EXPECT_TRUE(Rows(FindWindow("FFracc"), "LF").isEmpty());
}

TEST_F(SessionTest, ADamagedFileStartsWithTheDefaultsAndNoMessage) {
  QByteArray noise;
  for (int i = 0; i < 2000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
  config_.WriteFile(noise);
  StartUp();  // any message box would fail the test
  MainWin()->show();
  EXPECT_TRUE(Rows(FindWindow("FFracc"), "LF").isEmpty());
  EXPECT_FALSE(FindWindow("FFracc")->isVisible());
  EXPECT_TRUE(FindWindows("FAritm").isEmpty());
  Trigger(FindAction(MainWin(), "OpPrefs"));
  EXPECT_FALSE(Find<QCheckBox>(FindWindow("FPrefs"), "OpRemember")->isChecked());
}

TEST_F(SessionTest, ValuesThatNoLongerFitAreDroppedOrPutRight) {
  SetRemembersSessions(true);
  SessionValues left;
  for (int i = 1; i <= 30; ++i) left.integers.items.push_back(std::to_string(i));
  left.integers.selected = {25};
  left.fractions = {{"1/0", "1/2"}, {0}, 0};
  left.windows.insert(QStringLiteral("FFracc"), {{-10000, -10000}, {10, 10}, true});
  left.windows.insert(QStringLiteral("FPrefs"), {{-10000, -10000}, {10, 10}, true});
  left.integersWindows = {{{{-10000, -10000}, {10, 10}, true}, {0, 12}}};
  SaveSession(left);
  StartUp();

  const QList<QWidget*> integersWindows = FindWindows("FAritm");
  ASSERT_EQ(integersWindows.size(), 1);
  QWidget* integers = integersWindows.first();
  EXPECT_EQ(Rows(integers, "LN").size(), 23) << "cut to the list's capacity";
  EXPECT_TRUE(Selected(integers, "LN").isEmpty()) << "the selected item was past it";
  EXPECT_EQ(TextOf(integers, "Idpq"), "2");
  EXPECT_EQ(TextOf(integers, "Idp"), "2");

  QWidget* fractions = FindWindow("FFracc");
  EXPECT_EQ(Rows(fractions, "LF"), QStringList{"1/2"}) << "a zero denominator is dropped";
  EXPECT_TRUE(Selected(fractions, "LF").isEmpty()) << "the selected item was the dropped one";
  for (QWidget* window : {integers, fractions, FindWindow("FPrefs")}) {
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(OnScreen(window)) << "moved back on screen";
    EXPECT_GE(window->width(), window->minimumSizeHint().width());
    EXPECT_GE(window->height(), window->minimumSizeHint().height());
  }
}

TEST_F(SessionTest, TheOpenWorksheetComesBackInTheWorksheetWindowOfTheNextRun) {
  SetRemembersSessions(true);
  const QString sheet = config_.Path() + QStringLiteral("/week.tsheet");
  QFile file(sheet);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"format": "tessaro-worksheet", "version": 1, "title": "Week", "problems": []})");
  file.close();
  ASSERT_TRUE(TheWindow<TFSheet>("FSheet")->OpenFile(sheet));
  Quit();

  StartUp();
  EXPECT_TRUE(TheWindow<TFSheet>("FSheet")->IsOpen());
  EXPECT_EQ(TheWindow<TFSheet>("FSheet")->FileName(), sheet);

  // A worksheet that has gone since is not looked for.
  Quit();
  QFile::remove(sheet);
  StartUp();
  EXPECT_FALSE(TheWindow<TFSheet>("FSheet")->IsOpen());
}

}  // namespace
}  // namespace tessaro::test
