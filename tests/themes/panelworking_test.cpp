#include "harness/harness.h"

#include "themes/panelworking.h"

#include <QToolButton>
#include <QWidget>

#include <vector>

namespace tessaro::test {
namespace {

struct Shown {
  QString panel;
  bool front;
  QString title;  // empty when the working was not made
};

// A panel's working is made only when the Working window is going to show it: the button
// makes it, a change of results hands over a maker that the shell runs only while the window
// is open.
TEST(PanelWorking, MakesTheWorkingOnlyWhenItIsShown) {
  QWidget window;
  auto* one = new QToolButton(&window);
  auto* two = new QToolButton(&window);
  int made = 0;
  std::vector<Shown> shown;
  bool open = false;
  PanelWorking working(
      [&](const QString& panel, const PanelWorkingMaker& make, bool front) {
        shown.push_back({panel, front, front || open ? make().first : QString()});
      },
      &window,
      [&made](const QString& panel) {
        ++made;
        return std::pair{QStringLiteral("panel ") + panel, Working{}};
      });
  working.Attach(one, QStringLiteral("1"));
  working.Attach(two, QStringLiteral("2"));

  working.Follow();
  EXPECT_TRUE(shown.empty()) << "no panel is followed before a button is clicked";

  two->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].front);
  EXPECT_EQ(shown[0].title, "panel 2");
  EXPECT_EQ(made, 1);

  working.Follow();  // the Working window is closed
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_FALSE(shown[1].front);
  EXPECT_EQ(shown[1].panel, shown[0].panel) << "the followed panel is the one clicked";
  EXPECT_EQ(made, 1) << "nothing shows it, so nothing is made";

  open = true;
  working.Follow();
  EXPECT_EQ(shown.back().title, "panel 2");
  EXPECT_EQ(made, 2);
}

}  // namespace
}  // namespace tessaro::test
