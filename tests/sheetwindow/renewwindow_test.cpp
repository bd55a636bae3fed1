// The wiring of New numbers, the ranges dialog, Make versions and With working in the
// Worksheet window. What is drawn is tested without widgets (tests/worksheets).

#include "harness/harness.h"

#include "harness/windows.h"
#include "worksheets/renewsheet.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QListWidget>

namespace tessaro::test {
namespace {

using SheetRenewTest = AppTest;

SheetProblem Made(const ProblemParams& params, Ranges ranges = {}) {
  return {params, *MakeProblem(params).texts, false, ranges};
}
SheetProblem TextOnly() { return {TextParams{}, {"Name a prime.", "7"}, false, {}}; }

const ProblemParams Pair = IntegerPairParams{84, 36, 2};
const ProblemParams Fractions = FractionPairParams{"1/2", "3/4"};

QListWidget* List() { return Find<QListWidget>(SheetWin(), "LProblems"); }
void NewNumbers() { Click(Find(SheetWin(), "BtNewNums")); }

TEST_F(SheetRenewTest, NewNumbersRenewTheSelectedProblemsOnlyEachPressAfresh) {
  SheetWin()->AddProblems({Made(Pair), TextOnly(), Made(Fractions), Made(PolynomialPairParams{"x", "x+1"})});
  const Worksheet before = SheetWin()->Sheet();
  ClickRow(List(), 0);
  ClickRow(List(), 2, Qt::ControlModifier);
  NewNumbers();
  const Worksheet& after = SheetWin()->Sheet();
  const std::uint64_t seed = NextSeed(before.seed);
  EXPECT_EQ(after.seed, seed) << "the sheet keeps the seed its numbers came from";
  for (std::size_t i : {0u, 2u}) {
    SCOPED_TRACE(i);
    EXPECT_NE(after.problems[i].params, before.problems[i].params);
    EXPECT_EQ(after.problems[i], Renewed(before.problems[i], RenewProblem(before, i, seed)));
  }
  EXPECT_EQ(after.problems[1], before.problems[1]);
  EXPECT_EQ(after.problems[3], before.problems[3]) << "not selected";
  const auto& f = std::get<FractionPairParams>(after.problems[2].params);
  EXPECT_EQ(List()->item(2)->text(), QString::fromStdString("3. If f1= " + f.f1 + " and f2= " + f.f2 +
                                                            ", calculate: f1 + f2, f1 - f2, f1 \u00b7 f2, f1 / f2"));
  EXPECT_TRUE(List()->item(0)->isSelected() && List()->item(2)->isSelected()) << "the selection stays";
  EXPECT_TRUE(SheetWin()->IsModified());

  const Worksheet once = SheetWin()->Sheet();
  NewNumbers();
  EXPECT_EQ(SheetWin()->Sheet().seed, NextSeed(seed));
  EXPECT_NE(SheetWin()->Sheet().problems[0].params, once.problems[0].params);
}

TEST_F(SheetRenewTest, AnEditedProblemIsAskedAboutBeforeItsEditGoes) {
  SheetWin()->AddProblems({Made(Pair), Made(Fractions)});
  ClickRow(List(), 0);
  Type(Find(SheetWin(), "IdQuestion"), "What is hcd(84, 36)?");
  ClickRow(List(), 1, Qt::ControlModifier);
  const Worksheet edited = SheetWin()->Sheet();
  const QString question = QStringLiteral(
      "Problem 1 was edited. Replace its question and answer with new numbers?\n"
      "(No keeps it as it is and gives the others new numbers.)");

  ExpectMessage(question, AppTitle, QMessageBox::Cancel);
  NewNumbers();
  EXPECT_EQ(SheetWin()->Sheet(), edited) << "Cancel: nothing renewed";

  ExpectMessage(question, AppTitle, QMessageBox::No);
  NewNumbers();
  EXPECT_EQ(SheetWin()->Sheet().problems[0], edited.problems[0]) << "No keeps the edit";
  EXPECT_NE(SheetWin()->Sheet().problems[1].params, edited.problems[1].params) << "and renews the others";

  ExpectMessage(question, AppTitle, QMessageBox::Yes);
  NewNumbers();
  const SheetProblem& renewed = SheetWin()->Sheet().problems[0];
  EXPECT_NE(renewed.params, Pair);
  EXPECT_FALSE(TextsEdited(renewed));
  EXPECT_EQ(TextOf(SheetWin(), "IdQuestion").toStdString(), SheetWin()->Sheet().problems[1].texts.Enun)
      << "the areas show the current problem's new texts";
}

TEST_F(SheetRenewTest, AProblemNoDrawRenewsStaysAndTheWindowSaysWhichRangeToWiden) {
  Ranges overflow;
  overflow.min = 200;
  overflow.max = 300;
  SheetWin()->AddProblems({Made(IntegerSingleParams{5, 9, 12}, overflow), TextOnly()});
  const Worksheet before = SheetWin()->Sheet();
  ExpectMessage(
      "Problem 1: No new numbers after 1000 draws: every draw gave a result the program cannot show "
      "(an overflow or \"Not calculable\") within min and max (200 to 300). Narrow min and max.");
  NewNumbers();
  EXPECT_EQ(SheetWin()->Sheet(), before);

  ClickRow(List(), 1);
  ExpectMessage("A text problem has no numbers to draw again.");
  NewNumbers();
}

TEST_F(SheetRenewTest, TheRangesDialogShowsTheKindsFieldsAndStaysOpenOnRangesThatCannotHold) {
  SheetWin()->AddProblems({Made(Pair), Made(PolynomialSingleParams{"x^2-1", "2"}), TextOnly()});
  ClickRow(List(), 0);
  ExpectDialog("DlgRanges", [](QDialog* d) {
    EXPECT_EQ(TextOf(d, "IdRangeMin"), "1") << "the defaults shown";
    EXPECT_EQ(TextOf(d, "IdRangeMax"), "10");
    EXPECT_EQ(TextOf(d, "IdRangeEuclidSteps"), "");
    EXPECT_EQ(d->findChild<QWidget*>("IdRangeDegreeLo"), nullptr) << "only the fields of its kind";
    Type(Find(d, "IdRangeMin"), "5");
    Type(Find(d, "IdRangeMax"), "3");
    ExpectMessage("Problem 1: max is below min (3 < 5)");
    Click(Find(d, "BtRangesOk"));
    EXPECT_TRUE(d->isVisible()) << "the dialog stays open to mend the field";
    Type(Find(d, "IdRangeMax"), "400");
    Type(Find(d, "IdRangeEuclidSteps"), "4");
    Click(Find(d, "BtRangesOk"));
  });
  Click(Find(SheetWin(), "BtRanges"));
  Ranges expected;
  expected.min = 5;
  expected.max = 400;
  expected.euclid_steps = 4;
  EXPECT_EQ(SheetWin()->Sheet().problems[0].ranges, expected);

  NewNumbers();
  const auto& pair = std::get<IntegerPairParams>(SheetWin()->Sheet().problems[0].params);
  EXPECT_GE(std::min(pair.a, pair.b), 5);
  EXPECT_LE(std::max(pair.a, pair.b), 400);

  ClickRow(List(), 1);
  ExpectDialog("DlgRanges", [](QDialog* d) {
    EXPECT_EQ(TextOf(d, "IdRangeDegreeLo"), "1");
    EXPECT_EQ(TextOf(d, "IdRangeDegreeHi"), "8");
    EXPECT_NE(d->findChild<QWidget*>("IdRangePointLo"), nullptr) << "a single polynomial's point";
    EXPECT_EQ(d->findChild<QWidget*>("CbRangeCommonFactor"), nullptr) << "a pair's only";
    Click(Find(d, "CbRangeIntRoots"));
    EXPECT_TRUE(Find<QCheckBox>(d, "CbRangeIntRoots")->isChecked());
    Type(Find(d, "IdRangeDegreeHi"), "10");
    ExpectMessage("Problem 2: degree must lie within 0 to 9");
    Click(Find(d, "BtRangesOk"));
    Click(Find(d, "BtRangesDefaults"));
    EXPECT_EQ(TextOf(d, "IdRangeDegreeHi"), "8");
    EXPECT_FALSE(Find<QCheckBox>(d, "CbRangeIntRoots")->isChecked());
    Click(Find(d, "BtRangesCancel"));
  });
  Click(Find(SheetWin(), "BtRanges"));
  EXPECT_EQ(SheetWin()->Sheet().problems[1].ranges, Ranges{}) << "Cancel keeps the ranges";

  ClickRow(List(), 2);
  EXPECT_FALSE(Find(SheetWin(), "BtRanges")->isEnabled()) << "a text problem has no ranges";
}

void ChooseCount(int count) {
  ExpectDialog("DlgVersions", [count](QDialog* d) {
    auto* input = qobject_cast<QInputDialog*>(d);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->intMinimum(), 2);
    EXPECT_EQ(input->intMaximum(), 26);
    input->setIntValue(count);
    d->accept();
  });
}

TEST_F(SheetRenewTest, MakeVersionsStoresLetteredVersionsAndAsksBeforeReplacingThem) {
  SheetWin()->AddProblems({Made(Pair), TextOnly(), Made(Fractions)});
  QWidget* versions = Find(SheetWin(), "BtVersions");
  EXPECT_FALSE(Find(SheetWin(), "BtNoVersions")->isEnabled());
  ChooseCount(3);
  Click(versions);
  const Worksheet& sheet = SheetWin()->Sheet();
  ASSERT_EQ(sheet.versions.size(), 3u);
  EXPECT_EQ(sheet.versions[2].code, "C");
  EXPECT_EQ(sheet.seed, NextSeed(0));
  EXPECT_EQ(sheet.versions, WithVersions(sheet, 3, sheet.seed).sheet->versions);
  EXPECT_EQ(TextOf(SheetWin(), "LVersions"), "Versions A to C print in place of the problems, each with its own key");
  const std::vector<SheetVersion> first = sheet.versions;

  ExpectMessage("Replace versions A to C with new ones?", AppTitle, QMessageBox::No);
  Click(versions);
  EXPECT_EQ(SheetWin()->Sheet().versions, first);

  ExpectMessage("Replace versions A to C with new ones?", AppTitle, QMessageBox::Yes);
  ChooseCount(26);
  Click(versions);
  ASSERT_EQ(SheetWin()->Sheet().versions.size(), 26u);
  EXPECT_NE(SheetWin()->Sheet().versions[0], first[0]) << "new numbers for the new versions";

  ExpectMessage("Remove versions A to Z? The sheet then prints its problems as they are.", AppTitle,
                QMessageBox::Yes);
  Click(Find(SheetWin(), "BtNoVersions"));
  EXPECT_TRUE(SheetWin()->Sheet().versions.empty());
  EXPECT_EQ(TextOf(SheetWin(), "LVersions"), "");
}

TEST_F(SheetRenewTest, VersionsOfAnEditedSheetAreAskedAbout) {
  SheetProblem edited = Made(Pair);
  edited.texts.Enun = "What is hcd(84, 36)?";
  SheetWin()->AddProblems({Made(Fractions), edited});
  ExpectMessage("Problem 2 was edited; the versions show the texts the program makes for their own "
                "numbers. Make the versions?",
                AppTitle, QMessageBox::No);
  Click(Find(SheetWin(), "BtVersions"));
  EXPECT_TRUE(SheetWin()->Sheet().versions.empty());
}

TEST_F(SheetRenewTest, WithWorkingSetsTheSelectedProblemsFlag) {
  SheetWin()->AddProblems({Made(Pair), TextOnly()});
  auto* working = Find<QCheckBox>(SheetWin(), "CbProblemWorking");
  ClickRow(List(), 0);
  EXPECT_TRUE(working->isEnabled());
  EXPECT_FALSE(working->isChecked());
  Click(working);
  EXPECT_TRUE(SheetWin()->Sheet().problems[0].working);
  ClickRow(List(), 1);
  EXPECT_FALSE(working->isEnabled()) << "a text problem has no working";
  EXPECT_FALSE(working->isChecked());
  ClickRow(List(), 0);
  EXPECT_TRUE(working->isChecked()) << "each problem shows its own";
  Click(working);
  EXPECT_FALSE(SheetWin()->Sheet().problems[0].working);
}

}  // namespace
}  // namespace tessaro::test
