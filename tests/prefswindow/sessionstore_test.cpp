#include "prefswindow/sessionstore.h"

#include "prefswindow/tempconfig.h"

#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace tessaro::test {
namespace {

// A session with something in every part.
SessionValues FullSession(const QString& worksheet) {
  SessionValues s;
  s.integers = {{"12", "-18", "30"}, {0, 2}, 2};
  s.fractions = {{"0/5", "3/-4", "1/2"}, {1}, 1};
  s.polynomials = {{"3x^2-x+1/2", "x+1", "x+1"}, {{2, 0}}};
  s.integersWindows = {{{{40, 50}, {600, 420}, true}, {5, 9}},
                       {{{70, 80}, {610, 430}, true}, {1, 2}}};
  s.windows.insert(QStringLiteral("FMI"), {{10, 20}, {298, 263}, true});
  s.windows.insert(QStringLiteral("FFracc"), {{300, 40}, {700, 500}, true});
  s.windows.insert(QStringLiteral("FP"), {{5, 6}, {800, 560}, false});
  s.worksheet = worksheet;
  return s;
}

TEST(SessionStore, TheFileIsInTheUsersConfigurationFolder) {
  TempConfig config;
  EXPECT_EQ(SettingsFile(), config.Path() + QStringLiteral("/Tessaro/Tessaro.conf"));
}

TEST(SessionStore, ASessionComesBackAsItWasSaved) {
  TempConfig config;
  SetRemembersSessions(true);
  const SessionValues saved = FullSession(config.Path() + QStringLiteral("/sheet \u00B7 1.tsw"));
  SaveSession(saved);
  EXPECT_TRUE(RemembersSessions());
  EXPECT_EQ(LoadSession(), saved);

  // A later save replaces the whole session: no window of the earlier one lingers.
  SessionValues smaller;
  smaller.fractions = {{"1/3"}, {}, std::nullopt};
  SaveSession(smaller);
  EXPECT_EQ(LoadSession(), smaller);
}

TEST(SessionStore, WithThePreferenceOffNothingOfASessionIsWrittenOrRead) {
  TempConfig config;
  SaveSession(FullSession({}));
  EXPECT_FALSE(config.FileExists()) << "nothing is written before the user asks";
  EXPECT_EQ(LoadSession(), SessionValues{});

  SetRemembersSessions(true);
  SaveSession(FullSession({}));
  SetRemembersSessions(false);
  EXPECT_FALSE(RemembersSessions());
  EXPECT_EQ(LoadSession(), SessionValues{}) << "a session stored earlier is not read";
  QSettings file(SettingsFile(), QSettings::IniFormat);
  EXPECT_FALSE(file.childGroups().contains(QStringLiteral("session")))
      << "turning the preference off forgets the session";
  SaveSession(FullSession({}));
  EXPECT_FALSE(QSettings(SettingsFile(), QSettings::IniFormat)
                   .childGroups()
                   .contains(QStringLiteral("session")));

  SetRemembersSessions(true);
  EXPECT_EQ(LoadSession(), SessionValues{}) << "turned on again, there is nothing to restore";
}

TEST(SessionStore, ADamagedFileReadsAsTheDefaultsAndIsReplacedOnTheNextWrite) {
  std::mt19937 random(19);
  QByteArray noise(4096, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);
  const struct {
    const char* why;
    QByteArray bytes;
    bool unparsable;  // set aside beside the new file
  } cases[] = {
      {"random bytes", noise, false},
      {"zeros", QByteArray(512, '\0'), false},
      {"a torn section heading after the preference",
       QByteArray("remember=true\n[session\nintegers\\items=1, 2\n"), true},
      {"no file at all, only a folder of its name", {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempConfig config;
    if (c.bytes.isNull())
      QDir().mkpath(SettingsFile());
    else
      config.WriteFile(c.bytes);
    // Asked twice: Qt reports a damaged file only at its first reading.
    EXPECT_FALSE(RemembersSessions());
    EXPECT_FALSE(RemembersSessions());
    EXPECT_EQ(LoadSession(), SessionValues{});
    if (c.unparsable) EXPECT_TRUE(QFileInfo::exists(SettingsFile() + QStringLiteral(".damaged")));
    if (c.bytes.isNull()) continue;  // a folder cannot be replaced by a file
    SetRemembersSessions(true);
    EXPECT_TRUE(RemembersSessions());
    SaveSession(FullSession({}));
    EXPECT_EQ(LoadSession(), FullSession({}));
  }
}

TEST(SessionStore, ValuesOfTheWrongKindAreDropped) {
  TempConfig config;
  SetRemembersSessions(true);
  {
    QSettings file(SettingsFile(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("session"));
    file.setValue(QStringLiteral("integers/items"), QStringList{"1", "2", "3", "4"});
    file.setValue(QStringLiteral("integers/selected"), QStringList{"-1", "a", "3", "1.5"});
    file.setValue(QStringLiteral("integers/current"), QStringLiteral("x"));
    file.setValue(QStringLiteral("polynomials/operandA"), QStringLiteral("-2"));
    file.setValue(QStringLiteral("windows/FFracc/geometry"), QStringLiteral("somewhere"));
    file.setValue(QStringLiteral("windows/FP/geometry"), QRect(1, 2, 3, 4));
    file.beginWriteArray(QStringLiteral("integerswindows"), 1000000);
    file.setArrayIndex(0);
    file.setValue(QStringLiteral("geometry"), QRect(1, 2, 300, 400));
    file.setValue(QStringLiteral("pairDecimals"), 12);
    file.setValue(QStringLiteral("combinedDecimals"), QStringLiteral("four"));
    file.setArrayIndex(1);
    file.setValue(QStringLiteral("geometry"), 7);
    file.endArray();
  }
  const SessionValues s = LoadSession();
  EXPECT_EQ(s.integers, (ListSession{{"1", "2", "3", "4"}, {3}, std::nullopt}))
      << "rows that are no row number go";
  EXPECT_EQ(s.polynomials.operands[0], std::nullopt);
  EXPECT_FALSE(s.windows.contains(QStringLiteral("FFracc"))) << "a place that is no rectangle";
  EXPECT_EQ(s.windows.value(QStringLiteral("FP")).pos, QPoint(1, 2));
  ASSERT_EQ(s.integersWindows.size(), 1u)
      << "a million windows are at most 16, and those without a place go";
  EXPECT_EQ(s.integersWindows[0].decimals, (IntegerDecimals{2, 2}))
      << "decimals outside 1 to 9 are the default";
}

TEST(FitPlace, PutsAWindowBackOnAScreenAtASizeItCanTake) {
  const QRect screen(0, 0, 1280, 800);
  const QRect right(1280, 0, 1920, 1080);  // a second screen on the right
  const QSize minimum(300, 200);
  const QSize maximum(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const struct {
    const char* why;
    WindowPlace place;
    QList<QRect> screens;
    QSize maximum;
    WindowPlace fitted;
  } cases[] = {
      {"on the screen: unchanged", {{100, 50}, {400, 300}, true}, {screen}, maximum,
       {{100, 50}, {400, 300}, true}},
      {"off every screen: to the top left of the first", {{-10000, -10000}, {400, 300}, true},
       {screen, right}, maximum, {{0, 0}, {400, 300}, true}},
      {"half past the right edge: back within it", {{1100, 700}, {400, 300}, false}, {screen},
       maximum, {{880, 500}, {400, 300}, false}},
      {"the title bar above the screen: down to its top", {{200, -50}, {400, 300}, true},
       {screen}, maximum, {{200, 0}, {400, 300}, true}},
      {"smaller than the window can be: raised to its least", {{10, 10}, {20, 5}, true},
       {screen}, maximum, {{10, 10}, {300, 200}, true}},
      {"no size at all: its least", {{10, 10}, {-5, -5}, true}, {screen}, maximum,
       {{10, 10}, {300, 200}, true}},
      {"larger than the screen: cut to it", {{0, 0}, {5000, 4000}, true}, {screen}, maximum,
       {{0, 0}, {1280, 800}, true}},
      {"larger than the window can be: cut to its most", {{0, 0}, {900, 700}, true}, {screen},
       QSize(500, 400), {{0, 0}, {500, 400}, true}},
      {"on the second screen: stays there", {{2000, 100}, {800, 600}, true}, {screen, right},
       maximum, {{2000, 100}, {800, 600}, true}},
      {"mostly on the second screen: moved wholly onto it", {{1200, 100}, {800, 600}, true},
       {screen, right}, maximum, {{1280, 100}, {800, 600}, true}},
      {"a second screen that is gone: onto the first", {{2000, 100}, {800, 600}, true}, {screen},
       maximum, {{480, 100}, {800, 600}, true}},
      {"far coordinates do not overflow", {{INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, true},
       {screen}, maximum, {{0, 0}, {1280, 800}, true}},
      {"no screen known: only the size is put right", {{-10000, 5}, {20, 5}, true}, {}, maximum,
       {{-10000, 5}, {300, 200}, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const WindowPlace fitted = FitPlace(c.place, minimum, c.maximum, c.screens);
    EXPECT_EQ(fitted.pos, c.fitted.pos);
    EXPECT_EQ(fitted.size, c.fitted.size);
    EXPECT_EQ(fitted.visible, c.fitted.visible);
  }
}

}  // namespace
}  // namespace tessaro::test
