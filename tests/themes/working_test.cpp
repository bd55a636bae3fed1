#include "harness/harness.h"

#include "harness/windows.h"
#include "workingwindow/workingwindow.h"

#include <QComboBox>
#include <QListWidget>
#include <QToolButton>

namespace tessaro::test {
namespace {

// The Working buttons of the three windows open the one Working window, which then follows
// the panel that opened it and no other.
class WorkingButtonsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    MainWin()->show();
  }
  TFWork* Work() { return qobject_cast<TFWork*>(FindWindow("FWork")); }
  void Go(QWidget* window, const char* field, const QString& text, const char* button) {
    SetText(Find(window, field), text);
    Click(Find(window, button));
  }
};

TEST_F(WorkingButtonsTest, EachPanelShowsTheStepsOfWhatItShowsAndTheWindowFollowsIt) {
  Click(Find(MainWin(), "BtInt"));
  QWidget* integers = FindWindow("FAritm");
  auto* work1 = Find<QToolButton>(integers, "BtWork1");
  EXPECT_FALSE(work1->isEnabled()) << "no result yet";
  Go(integers, "IdN", "360", "Ok1");
  ASSERT_TRUE(work1->isEnabled());
  Click(work1);
  ASSERT_NE(Work(), nullptr);
  EXPECT_TRUE(Work()->isVisible());
  EXPECT_TRUE(Work()->PlainText().contains(QString::fromUtf8("360 = 2^3 \xC2\xB7 3^2 \xC2\xB7 5")))
      << Work()->PlainText().toStdString();
  Go(integers, "IdN", "84", "Ok1");
  EXPECT_TRUE(Work()->PlainText().contains(QString::fromUtf8("84 = 2^2 \xC2\xB7 3 \xC2\xB7 7")))
      << "follows the panel: " << Work()->PlainText().toStdString();

  // The Fractions window's binary panel takes the Working window over.
  Click(Find(MainWin(), "BtFrac"));
  QWidget* fractions = FindWindow("FFracc");
  SetText(Find<QComboBox>(fractions, "LA"), "1/6");
  SetText(Find<QComboBox>(fractions, "LB"), "1/10");
  Click(Find(fractions, "Ok2"));
  Click(Find(fractions, "BtWork2"));
  const QString fractionSteps = Work()->PlainText();
  EXPECT_TRUE(fractionSteps.contains("1/6 + 1/10 = 5/30 + 3/30 = 8/30 = 4/15")) << fractionSteps.toStdString();
  // The Integers window changes, but no longer owns the Working window.
  Go(integers, "IdN", "90", "Ok1");
  EXPECT_EQ(Work()->PlainText(), fractionSteps);
}

TEST_F(WorkingButtonsTest, PolynomialPanelsShowTheirSteps) {
  Click(Find(MainWin(), "BtPol"));
  QWidget* p = FindWindow("FP");
  for (const char* text : {"x^3-2x^2-4", "x-3"}) {
    SetText(Find(p, "IdPol"), text);
    Click(Find(p, "BtaL"));
  }
  ClickRow(Find<QListWidget>(p, "L1"), 0);
  ClickRow(Find<QListWidget>(p, "L2"), 1);
  Click(Find(p, "BtBin"));
  Click(Find(p, "BtWork2"));
  EXPECT_TRUE(Work()->PlainText().endsWith("Q = x^2+x+3, R = 5")) << Work()->PlainText().toStdString();
  Click(Find(p, "BtWork1"));
  EXPECT_TRUE(Work()->PlainText().contains("(x-3)' = 1")) << Work()->PlainText().toStdString();
}

}  // namespace
}  // namespace tessaro::test
