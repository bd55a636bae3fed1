#include "harness/harness.h"

#include "harness/windows.h"
#include "helpwindow/guidetext.h"

#include <QApplication>
#include <QTextBrowser>
#include <QtTest/QTest>

namespace tessaro::test {
namespace {

TEST(GuideMarkdown, TakesTheMarkedPartWithItsPicturesAsMarkdown) {
  const QString readme = QStringLiteral(
      "# Tessaro\nSet-up for developers\n<!-- guide -->\n## Guide\n"
      "<img align=\"right\" width=\"440\" src=\"docs/images/integers.png\" alt=\"The Integers "
      "window\">\nType N.\n<br clear=\"right\"/>\n<!-- /guide -->\n## Source tree\n");
  const QString guide = GuideMarkdown(readme);
  EXPECT_EQ(guide, "## Guide\n![The Integers window](docs/images/integers.png)\nType N.");
  EXPECT_EQ(GuideMarkdown("## Only\ntext"), "## Only\ntext") << "no markers: the whole text";
}

TEST(GuideSectionOf, EachWindowOpensItsOwnSection) {
  const std::pair<const char*, const char*> rows[] = {
      {"FAritm", "Integers"},  {"FFracc", "Fractions"}, {"FP", "Polynomials"},
      {"FPrbl", "Problems"},   {"FOps", "Problems"},    {"FTools", "Tools and About"},
      {"FMI", "Guide"},        {"NoSuchWindow", "Guide"},
  };
  for (const auto& [window, heading] : rows) EXPECT_EQ(GuideSectionOf(window), heading) << window;
}

using HelpTest = AppTest;

// Every section F1 can open is a heading of the guide the program carries.
TEST_F(HelpTest, F1InAWindowOpensTheGuideAtItsSection) {
  const std::pair<const char*, const char*> rows[] = {
      {"FFracc", "Fractions"}, {"FP", "Polynomials"}, {"FPrbl", "Problems"}, {"FMI", "Guide"}};
  MainWin()->show();
  for (const auto& [name, heading] : rows) {
    SCOPED_TRACE(name);
    QWidget* window = FindWindow(name);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
    Press(window, Qt::Key_F1);
    auto* help = qobject_cast<TFHelp*>(FindWindow("FHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentSection(), heading);
    help->hide();
  }
}

TEST_F(HelpTest, TheHelpMenuOpensTheGuideAndTheAboutBox) {
  MainWin()->show();
  Trigger(FindAction(MainWin(), "OpGuide"));
  auto* help = qobject_cast<TFHelp*>(FindWindow("FHelp"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->CurrentSection(), "Guide");
  EXPECT_FALSE(Find<QTextBrowser>(help, "IdGuide")->toPlainText().contains("Source tree"))
      << "only the guide, not the developers' part";
  Trigger(FindAction(MainWin(), "OpHelpAbout"));
  EXPECT_TRUE(FindWindow("FAbout")->isVisible());
  EXPECT_NE(FindAction(MainWin(), "About1"), nullptr) << "the About... command stays";
}

}  // namespace
}  // namespace tessaro::test
