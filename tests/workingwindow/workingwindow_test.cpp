#include "harness/harness.h"

#include "working/integerworking.h"
#include "workingwindow/workingwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QTextBrowser>

namespace tessaro::test {
namespace {

TEST(WorkingWindow, ShowsAWorkingInFrontAndReplacesItAtTheNextCall) {
  TFWork window;
  EXPECT_EQ(window.objectName(), "FWork");
  window.ShowWorking("hcd and LCM", HcdLcmWorking(84, 36));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(TextOf(&window, "EtWork"), "hcd and LCM");
  EXPECT_EQ(window.windowTitle(), "Working: hcd and LCM");
  const QString lines = QString::fromUtf8(
      "84 = 2·36 + 12\n36 = 3·12 + 0\nhcd(84,36) = 12\nLCM(84,36) = 84·36 ÷ 12 = 252");
  EXPECT_EQ(window.PlainText(), lines);
  EXPECT_TRUE(
      TextOf(&window, "IdWork").contains(QString::fromUtf8("LCM(84,36) = 84·36 ÷ 12 = 252")));
  auto* text = Find<QTextBrowser>(&window, "IdWork");
  EXPECT_EQ(text->accessibleDescription(), lines) << "a screen reader gets the lines";
  EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByMouse);

  // The ladder comes as a table; the window is the same one, with the new working only.
  window.ShowWorking("Factorization", FactorLadderWorking(12));
  EXPECT_EQ(TextOf(&window, "EtWork"), "Factorization");
  EXPECT_FALSE(TextOf(&window, "IdWork").contains("hcd"));
  EXPECT_TRUE(TextOf(&window, "IdWork").contains("12 = 2^2 · 3"));
  EXPECT_EQ(window.PlainText(), QString::fromUtf8("12 | 2\n 6 | 2\n 3 | 3\n 1 |\n12 = 2^2 · 3"));
}

TEST(WorkingWindow, FollowsAPanelOnlyWhileItIsOpen) {
  TFWork window;
  window.FollowWorking("Division", IntegerDivisionWorking(7, 2));
  EXPECT_FALSE(window.isVisible()) << "a panel's change does not open it";
  EXPECT_TRUE(window.PlainText().isEmpty());
  window.ShowWorking("Division", IntegerDivisionWorking(7, 2));
  window.FollowWorking("Division", IntegerDivisionWorking(9, 2));
  EXPECT_EQ(window.PlainText(), QString::fromUtf8("9 = 2·4 + 1"));
}

TEST(WorkingWindow, CopiesThePlainLinesAndCloses) {
  TFWork window;
  window.ShowWorking("Division", IntegerDivisionWorking(7, -2));
  QApplication::clipboard()->clear();
  Click(Find(&window, "BtCopy"));
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("7 = (-2)·(-3) + 1"));
  Click(Find(&window, "BtClose"));
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tessaro::test
