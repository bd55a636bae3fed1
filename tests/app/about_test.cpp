#include "harness/harness.h"

#include "harness/windows.h"

#include <QLabel>

namespace tessaro::test {
namespace {

using AboutTest = AppTest;

TEST_F(AboutTest, AboutTwiceShowsOneBoxWithTheSameTextsAndPlaces) {
  MainWin()->show();
  Trigger(FindAction(MainWin(), "About1"));
  QWidget* about = FindWindow("FAbout");
  ASSERT_TRUE(about->isVisible());
  EXPECT_EQ(about->windowTitle(), "About TESSARO");
  EXPECT_EQ(TextOf(about, "Tit"), "TESSARO");
  EXPECT_EQ(TextOf(about, "D"), "Mathematics of rational numbers");
  EXPECT_EQ(TextOf(about, "EtYear"), "2020");
  EXPECT_EQ(TextOf(about, "EtV"), "V. 1");
  const QPoint title = Find(about, "Tit")->pos();
  const QPoint version = Find(about, "EtV")->pos();

  Trigger(FindAction(MainWin(), "About1"));
  EXPECT_EQ(FindWindows("FAbout").size(), 1);
  EXPECT_EQ(TextOf(about, "Tit"), "TESSARO");
  EXPECT_EQ(Find(about, "Tit")->pos(), title);
  EXPECT_EQ(Find(about, "EtV")->pos(), version);

  Click(Find(about, "BtOk"));
  EXPECT_FALSE(about->isVisible());
}

TEST_F(AboutTest, TitleStaysCentredAndTheVersionFollowsIt) {
  AboutWin()->ShowAbout("TESSARO", "d", "2020", "1");
  auto* tit = Find<QLabel>(AboutWin(), "Tit");
  auto* version = Find<QLabel>(AboutWin(), "EtV");
  const int shortLeft = tit->x();
  const int shortVersion = version->x();
  EXPECT_EQ(shortLeft, (AboutWin()->width() - 12 - tit->width()) / 2);
  EXPECT_EQ(version->x(), tit->x() + tit->width() + 12);

  AboutWin()->ShowAbout("TESSARO LONGER", "d", "2020", "1");
  EXPECT_LT(tit->x(), shortLeft);
  EXPECT_GT(version->x(), shortVersion);
  EXPECT_EQ(tit->x(), (AboutWin()->width() - 12 - tit->width()) / 2);
  EXPECT_EQ(version->x(), tit->x() + tit->width() + 12);
}

}  // namespace
}  // namespace tessaro::test
