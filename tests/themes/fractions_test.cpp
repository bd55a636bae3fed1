#include "harness/harness.h"

#include "harness/windows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tessaro::test {
namespace {

const QString kDot = QString::fromUtf8("\xC2\xB7");
// Between the two parts of "All", in both texts.
const QString kSep = QStringLiteral("\r\n----------------\r\n");

// A problem's question and answer.
using Problem = std::pair<QString, QString>;

// The combined part of the worked example: a+b over the list a = 1/2, b = 3/4.
const Problem kCombinedAPlusB = {"If  a = 1/2, b = 3/4, calculate a+b", "a+b = (1/2)+(3/4) = 5/4"};

class FractionsWindow : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    MainWin()->show();
    Click(Find(MainWin(), "BtFrac"));
    W = FindWindow("FFracc");
    ASSERT_NE(W, nullptr);
  }

  QWidget* W = nullptr;

  void Enter(const QString& num, const QString& den) {
    SetText(Find(W, "IdN"), num);
    SetText(Find(W, "IdD"), den);
    Click(Find(W, "BtOk"));
  }
  void EnterAll(const QStringList& fractions) {
    for (const QString& f : fractions) {
      const QStringList parts = f.split('/');
      Enter(parts[0], parts.size() > 1 ? parts[1] : QStringLiteral("1"));
    }
  }
  void SetSimplify(bool on) {
    auto* box = Find<QCheckBox>(W, "OpS");
    if (box->isChecked() != on) Click(box);
    ASSERT_EQ(box->isChecked(), on);
  }
  QStringList Rows(const char* list) const {
    QStringList rows;
    auto* l = Find<QListWidget>(W, list);
    for (int i = 0; i < l->count(); ++i) rows << l->item(i)->text();
    return rows;
  }
  QStringList Items(const char* combo) const {
    QStringList items;
    auto* c = Find<QComboBox>(W, combo);
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    return items;
  }
  QStringList GridRow(int row) const {
    QStringList cells;
    auto* grid = Find<QTableWidget>(W, "TOpsBin");
    for (int c = 0; c < grid->columnCount(); ++c)
      cells << (grid->item(row, c) ? grid->item(row, c)->text() : QString());
    return cells;
  }
  void Binary(const QString& f1, const QString& f2) {
    Type(Find(W, "LA"), f1);
    Type(Find(W, "LB"), f2);
    Click(Find(W, "Ok2"));
  }
  void Combined(const QString& expression) {
    Type(Find(W, "IdOC"), expression);
    Click(Find(W, "OkOC"));
  }
  // The texts the Problem window shows, lines joined by "\n" as a text area holds them.
  std::pair<QString, QString> Shown() const {
    return {TextOf(ProblemWin(), "IdE"), TextOf(ProblemWin(), "IdR")};
  }
  // Runs a problem command, a button or a menu item, and gives the problem it made.
  Problem ProblemBy(const char* command) {
    if (QAction* a = W->findChild<QAction*>(QString::fromUtf8(command)))
      Trigger(a);
    else
      Click(Find(W, command));
    const TPrbl& made = qobject_cast<TFFracc*>(W)->Prbl();
    return {FromStd(made.Enun), FromStd(made.Resp)};
  }
  bool Enabled(const char* name) const {
    if (QAction* a = W->findChild<QAction*>(QString::fromUtf8(name))) return a->isEnabled();
    return Find(W, name)->isEnabled();
  }
};

TEST_F(FractionsWindow, StartsWithEmptyListLabelledGridAndTheFocusInTheNumerator) {
  EXPECT_TRUE(Find<QCheckBox>(W, "OpS")->isChecked());
  EXPECT_EQ(GridRow(0), (QStringList{"f1 + f2", "f1 - f2", "f1 " + kDot + " f2", "f1 / f2"}));
  EXPECT_EQ(GridRow(1), (QStringList{"", "", "", ""}));
  EXPECT_TRUE(Rows("LF").isEmpty());
  EXPECT_EQ(W->focusWidget(), Find(W, "IdN"));
}

// The entries' texts in full are the fraction panel's table; here, that OpS chooses.
TEST_F(FractionsWindow, ShowsEachEntryAsTypedAndSimplifiedAndListsItAsChosen) {
  struct Case {
    bool simplify;
    const char *num, *den, *asTyped, *simplified, *listed, *why;
  } cases[] = {
      {true, "2", "4", "2/4", "1/2", "1/2", "simplified into the list"},
      {false, "3", "-4", "3/-4", "-3/4", "3/-4", "negative denominator kept as typed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Click(Find(W, "BtRst"));
    SetSimplify(c.simplify);
    Enter(c.num, c.den);
    EXPECT_EQ(TextOf(W, "Id1"), c.asTyped);
    EXPECT_EQ(TextOf(W, "IdS"), c.simplified);
    EXPECT_EQ(Rows("LF"), QStringList{c.listed});
    EXPECT_EQ(Rows("LL"), QStringList{"a"});
  }
  EXPECT_TRUE(SeenMessages().empty());
}

TEST_F(FractionsWindow, RefusesOnlyAnExactRepeatOfAStoredPair) {
  Enter("2", "4");
  Enter("2", "4");  // the stored pair is 1/2, so the typed 2/4 is new
  EXPECT_EQ(Rows("LF"), (QStringList{"1/2", "1/2"}));
  Enter("1", "2");  // exactly a stored pair: silently nothing
  EXPECT_EQ(Rows("LF"), (QStringList{"1/2", "1/2"}));
  EXPECT_EQ(TextOf(W, "Id1"), "2/4");
  EXPECT_TRUE(SeenMessages().empty());
}

TEST_F(FractionsWindow, RefusesUnreadableFieldsAndAZeroDenominatorChangingNothing) {
  Enter("5", "6");
  struct Case {
    const char *num, *den, *message, *caption, *why;
  } cases[] = {
      {"", "", "'' is not a valid integer value", "Tessaro", "empty numerator read first"},
      {"3", "", "'' is not a valid integer value", "Tessaro", "empty denominator despite its hint"},
      {"x", "y", "'x' is not a valid integer value", "Tessaro", "numerator read first"},
      {"3", "1.5", "'1.5' is not a valid integer value", "Tessaro", "not an integer"},
      {"2147483648", "3", "'2147483648' is not a valid integer value", "Tessaro",
       "beyond 32 bits"},
      {"3", "0", "Denominator can't be zero", "Wrong entry", "zero denominator"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ExpectMessage(c.message, c.caption);
    Enter(c.num, c.den);
    VerifyModals();
    EXPECT_EQ(Rows("LF"), QStringList{"5/6"});
    EXPECT_EQ(TextOf(W, "Id1"), "5/6");
  }
}

TEST_F(FractionsWindow, ListHolds22FractionsAndRefusesThe23rd) {
  for (int i = 1; i <= 22; ++i) Enter(QString::number(i), QStringLiteral("23"));
  ASSERT_EQ(Rows("LF").size(), 22);
  EXPECT_EQ(Rows("LL").last(), "v");
  ExpectMessage("List full (22 fractions)", "Wrong entry");
  Enter("1", "29");
  VerifyModals();
  EXPECT_EQ(Rows("LF").size(), 22);
  EXPECT_EQ(Rows("LF").last(), "22/23");
  EXPECT_EQ(TextOf(W, "Id1"), "22/23");
}

TEST_F(FractionsWindow, ErasingRenamesTheFollowingItemsAndLeavesNothingSelected) {
  EnterAll({"1/2", "3/4", "5/6"});
  ClickRow(Find<QListWidget>(W, "LF"), 1);
  EXPECT_EQ(Find<QListWidget>(W, "LL")->currentRow(), 1);  // the letter goes with its fraction
  Click(Find(W, "BtBrr"));
  EXPECT_EQ(Rows("LF"), (QStringList{"1/2", "5/6"}));
  EXPECT_EQ(Rows("LL"), (QStringList{"a", "b"}));
  EXPECT_EQ(Items("LA"), (QStringList{"1/2", "5/6"}));
  EXPECT_TRUE(Find<QListWidget>(W, "LF")->selectedItems().isEmpty());
  Click(Find(W, "BtBrr"));  // nothing selected any more
  EXPECT_EQ(Rows("LF"), (QStringList{"1/2", "5/6"}));

  // The Delete key in LF erases the selected row, chosen here by its letter.
  ClickRow(Find<QListWidget>(W, "LL"), 0);
  EXPECT_TRUE(Find<QListWidget>(W, "LF")->item(0)->isSelected());
  Press(Find(W, "LF"), Qt::Key_Backspace);
  EXPECT_EQ(Rows("LF").size(), 2);
  Press(Find(W, "LF"), Qt::Key_Delete);
  EXPECT_EQ(Rows("LF"), QStringList{"5/6"});
  Press(Find(W, "LF"), Qt::Key_Delete);
  EXPECT_EQ(Rows("LF"), QStringList{"5/6"});
}

TEST_F(FractionsWindow, ClearEmptiesTheListsAndDoesNothingOnAnEmptyList) {
  Type(Find(W, "LA"), "5/3");
  Click(Find(W, "BtRst"));  // an empty list: not even the typed operand is touched
  EXPECT_EQ(TextOf(W, "LA"), "5/3");
  EnterAll({"1/2", "3/4"});
  EXPECT_EQ(TextOf(W, "LA"), "1/2");
  EXPECT_EQ(TextOf(W, "LB"), "1/2");
  Click(Find(W, "BtRst"));
  EXPECT_TRUE(Rows("LF").isEmpty());
  EXPECT_TRUE(Rows("LL").isEmpty());
  EXPECT_TRUE(Items("LA").isEmpty());
  EXPECT_EQ(TextOf(W, "LB"), "");
}

TEST_F(FractionsWindow, EnterInTheEntryFieldsEntersNothing) {
  Type(Find(W, "IdN"), "1");
  Type(Find(W, "IdD"), "2");
  Press(Find(W, "IdN"), Qt::Key_Return);
  Press(Find(W, "IdD"), Qt::Key_Return);
  EXPECT_TRUE(Rows("LF").isEmpty());
}

TEST_F(FractionsWindow, GenerateWritesAReducedFractionThatIsNotWholeWithoutEnteringIt) {
  for (int i = 0; i < 30; ++i) {
    Click(Find(W, "BtRnd"));
    const int n = TextOf(W, "IdN").toInt();
    const int d = TextOf(W, "IdD").toInt();
    EXPECT_TRUE(n >= 1 && n <= 30) << n;
    EXPECT_TRUE(d >= 2 && d <= 41) << d;
    EXPECT_EQ(std::gcd(n, d), 1) << n << "/" << d;
  }
  EXPECT_TRUE(Rows("LF").isEmpty());
}

// Every result and failure text is the fraction panel's table; here, the grid shows them.
TEST_F(FractionsWindow, BinaryOperationsShowEveryResultOrNotCalculable) {
  struct Case {
    const char *f1, *f2;
    QStringList cells;
    const char* why;
  } cases[] = {
      {"1/2", "3/4", {"5/4", "-1/4", "3/8", "2/3"}, "the worked example"},
      {"5/3", "1/2", {"13/6", "7/6", "5/6", "10/3"}, "an operand that is not a list item"},
      {"1/2", "0", {"1/2", "1/2", "0", "Not calculable"}, "quotient by a zero fraction"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Binary(c.f1, c.f2);
    EXPECT_EQ(GridRow(1), c.cells);
  }
  EXPECT_EQ(GridRow(0), (QStringList{"f1 + f2", "f1 - f2", "f1 " + kDot + " f2", "f1 / f2"}));
  EXPECT_TRUE(SeenMessages().empty());
}

TEST_F(FractionsWindow, OperandsThatAreNoFractionsLeaveTheGridAsItWas) {
  Binary("1/2", "3/4");
  const QStringList results = GridRow(1);
  struct Case {
    const char *f1, *f2, *message, *why;
  } cases[] = {
      {"abc", "3/4", nullptr, "not a fraction: silently nothing"},
      {"1/2", "-7/0", "Denominator can't be zero", "zero denominator in f2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    if (c.message) ExpectMessage(c.message, "Wrong entry");
    Binary(c.f1, c.f2);
    VerifyModals();
    EXPECT_EQ(GridRow(1), results);
  }
}

TEST_F(FractionsWindow, GridKeepsTheOldResultsUntilOkIsPressedAgain) {
  EnterAll({"1/2", "3/4"});
  auto* LB = Find<QComboBox>(W, "LB");
  LB->setCurrentIndex(1);
  Click(Find(W, "Ok2"));
  EXPECT_EQ(GridRow(1), (QStringList{"5/4", "-1/4", "3/8", "2/3"}));
  Find<QComboBox>(W, "LA")->setCurrentIndex(1);
  EXPECT_EQ(GridRow(1), (QStringList{"5/4", "-1/4", "3/8", "2/3"}));
  Click(Find(W, "Ok2"));
  EXPECT_EQ(GridRow(1), (QStringList{"3/2", "0", "9/16", "1"}));
}

// The substitution in full is the fraction state's table; here, the fields show it.
TEST_F(FractionsWindow, CombinedOperationSubstitutesEachFractionAsAWhole) {
  SetSimplify(false);
  EnterAll({"1/2", "3/4", "3/-4", "5"});
  struct Case {
    const char *typed, *replaced, *result, *why;
  } cases[] = {
      {"a/b", "(1/2)/(3/4)", "2/3", "a quotient of fractions keeps both bars"},
      {"c*d", "(3/-4)*5", "-15/4", "a negative denominator as listed; a whole number bare"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Combined(c.typed);
    EXPECT_EQ(TextOf(W, "EtOC"), c.replaced);
    EXPECT_EQ(TextOf(W, "IdROC"), c.result);
  }
  EXPECT_TRUE(SeenMessages().empty());
}

TEST_F(FractionsWindow, CombinedOperationOnAnEmptyListTakesOnlyPlainFractions) {
  Combined("1/2+1/3");
  EXPECT_EQ(TextOf(W, "IdROC"), "5/6");
  ExpectMessage("Wrong entry", "Error");
  Combined("a+1");
  VerifyModals();
  EXPECT_EQ(TextOf(W, "EtOC"), "a+1");

  // Evaluated while a was listed, then again on the emptied list: the old result stays.
  EnterAll({"1/2"});
  Combined("a");
  Click(Find(W, "BtRst"));
  ExpectMessage("Wrong entry", "Error");
  Click(Find(W, "OkOC"));
  VerifyModals();
  EXPECT_EQ(TextOf(W, "EtOC"), "a");
  EXPECT_EQ(TextOf(W, "IdROC"), "1/2");

  ExpectMessage("'99999999999' is not a valid integer value");
  Combined("99999999999+1");
  VerifyModals();
  EXPECT_EQ(TextOf(W, "EtOC"), "99999999999+1");
}

TEST_F(FractionsWindow, EnterEvaluatesAndEditingClearsTheShownResult) {
  EnterAll({"1/2"});
  Type(Find(W, "IdOC"), "a*2");
  Press(Find(W, "IdOC"), Qt::Key_Return);
  EXPECT_EQ(TextOf(W, "EtOC"), "(1/2)*2");
  EXPECT_EQ(TextOf(W, "IdROC"), "1");
  Type(Find(W, "IdOC"), "a*3");
  EXPECT_EQ(TextOf(W, "EtOC"), "");
  EXPECT_EQ(TextOf(W, "IdROC"), "");
  Type(Find(W, "IdOC"), "");
  Click(Find(W, "OkOC"));  // an empty expression does nothing
  EXPECT_EQ(TextOf(W, "EtOC"), "");
  EXPECT_TRUE(SeenMessages().empty());
}

TEST_F(FractionsWindow, ProblemCommandsAreEnabledByTheFirstSuccessAndStayEnabled) {
  const char* commands[] = {"BtPr2", "OpBin", "BtPrC", "OpCmb", "OpAll"};
  const auto state = [&] {
    QString s;
    for (const char* c : commands) s += Enabled(c) ? '1' : '0';
    return s;
  };
  EXPECT_EQ(state(), "00000");
  Binary("x", "1");
  EXPECT_EQ(state(), "00000") << "a refused operand enables nothing";
  Binary("1/2", "1/3");
  EXPECT_EQ(state(), "11000");
  ExpectMessage("Wrong entry", "Error");
  Combined("1/0");
  VerifyModals();
  EXPECT_EQ(state(), "11000") << "a failed evaluation enables nothing";
  Combined("1/2");
  EXPECT_EQ(state(), "11111") << "the second pair enables All";
  EnterAll({"1/2"});
  Click(Find(W, "BtRst"));
  Type(Find(W, "IdOC"), "");
  Type(Find(W, "LA"), "junk");
  EXPECT_EQ(state(), "11111") << "nothing disables them again";
}

TEST_F(FractionsWindow, AllIsEnabledByWhicheverPairComesSecond) {
  Combined("2/3");
  EXPECT_FALSE(Enabled("OpAll"));
  EXPECT_TRUE(Enabled("BtPrC"));
  Binary("1", "2");
  EXPECT_TRUE(Enabled("OpAll"));
}

TEST_F(FractionsWindow, ProblemCommandsShowTheWorkedExample) {
  EnterAll({"1/2", "3/4", "5/6"});
  Find<QComboBox>(W, "LB")->setCurrentIndex(1);
  Click(Find(W, "Ok2"));
  Combined("a+b");

  const QString binaryQ = "If f1= 1/2 and f2= 3/4, calculate: f1 + f2, f1 - f2, f1 " + kDot +
                          " f2, f1 / f2";
  const QString binaryA = "f1 + f2 = 5/4, f1 - f2 = -1/4, f1 " + kDot + " f2 = 3/8, f1 / f2 = 2/3";
  const auto& [combinedQ, combinedA] = kCombinedAPlusB;
  struct Case {
    const char* command;
    QString question, answer;
  } cases[] = {
      {"BtPr2", binaryQ, binaryA},
      {"OpBin", binaryQ, binaryA},
      {"BtPrC", combinedQ, combinedA},
      {"OpCmb", combinedQ, combinedA},
      {"OpAll", binaryQ + kSep + combinedQ, binaryA + kSep + combinedA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    ProblemWin()->hide();
    EXPECT_EQ(ProblemBy(c.command), Problem(c.question, c.answer));
    EXPECT_TRUE(ProblemWin()->isVisible());
    const auto [question, answer] = Shown();
    EXPECT_EQ(question, QString(c.question).replace("\r\n", "\n"));
    EXPECT_EQ(answer, QString(c.answer).replace("\r\n", "\n"));
  }
}

TEST_F(FractionsWindow, CombinedProblemNamesOnlyTheLettersTheExpressionUses) {
  struct Case {
    QStringList list;
    const char *typed, *question, *answer, *why;
  } cases[] = {
      {{"1/2", "3/4", "5/6"}, "a+c", "If  a = 1/2, c = 5/6, calculate a+c",
       "a+c = (1/2)+(5/6) = 4/3", "b is not named"},
      {{"1/2", "3/4", "5/6"}, "1/2+1/3", "Calculate 1/2+1/3", "1/2+1/3 = 1/2+1/3 = 5/6",
       "plain fractions with a list"},
      {{}, "1/2+1/3", "Calculate 1/2+1/3", "1/2+1/3 = 5/6", "an empty list"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Click(Find(W, "BtRst"));
    EnterAll(c.list);
    Combined(c.typed);
    EXPECT_EQ(ProblemBy("BtPrC"), Problem(c.question, c.answer));
  }

  // Edited after the evaluation: the problem repeats the evaluation, results included.
  EnterAll({"1/2"});
  Combined("a*a");
  Type(Find(W, "IdOC"), "a*b");
  EXPECT_EQ(ProblemBy("BtPrC"), Problem("If  a = 1/2, calculate a*a",
                                                            "a*a = (1/2)*(1/2) = 1/4"));
  EXPECT_EQ(Shown().second, "a*a = (1/2)*(1/2) = 1/4");
}

// A problem repeats the operands and the results of the last computation that succeeded,
// whatever was typed, refused or erased since.
TEST_F(FractionsWindow, ProblemsRepeatTheLastSuccessfulComputation) {
  EnterAll({"1/2", "3/4"});
  Binary("2/4", "3/6");
  Combined("a+b");
  const Problem pair = {"If f1= 2/4 and f2= 3/6, calculate: f1 + f2, f1 - f2, f1 " + kDot +
                           " f2, f1 / f2",
                       "f1 + f2 = 1, f1 - f2 = 0, f1 " + kDot + " f2 = 1/4, f1 / f2 = 1"};
  struct Step {
    std::function<void()> act;
    const char* why;
  } steps[] = {
      {[&] {
         Type(Find(W, "LA"), "5/7");
         Type(Find(W, "LB"), "2/9");
       },
       "operands typed, ok not pressed"},
      {[&] { Binary("abc", "2/9"); }, "an operand that is not a fraction"},
      {[&] {
         ExpectMessage("Wrong entry", "Error");
         Combined("0.5");
         VerifyModals();
       },
       "a failed combined operation"},
      {[&] { Type(Find(W, "IdOC"), "a*b"); }, "an expression typed, = not pressed"},
      {[&] { Click(Find(W, "BtRst")); }, "the list emptied"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.why);
    step.act();
    EXPECT_TRUE(Enabled("BtPr2") && Enabled("BtPrC") && Enabled("OpAll")) << "still enabled";
    EXPECT_EQ(ProblemBy("BtPr2"), pair);
    EXPECT_EQ(ProblemBy("BtPrC"), kCombinedAPlusB);
    EXPECT_EQ(ProblemBy("OpAll"), Problem(pair.first + kSep + kCombinedAPlusB.first,
                                          pair.second + kSep + kCombinedAPlusB.second));
  }
}

// The Problem window is handed each section with the params it was made from.
TEST_F(FractionsWindow, HandsTheProblemWindowEachSectionWithItsParams) {
  std::vector<ShownProblem> shown;
  TFFracc own([&](const ShownProblem& p) { shown.push_back(p); });
  own.show();
  W = &own;
  EnterAll({"1/2", "3/4"});
  Binary("2/4", "3/6");
  Combined("a+b");
  Click(Find(W, "BtRst"));
  Trigger(FindAction(W, "OpAll"));
  Click(Find(W, "BtPrC"));
  ASSERT_EQ(shown.size(), 2u);

  const ShownProblem& all = shown[0];
  ASSERT_EQ(all.parts.size(), 2u);
  const auto* pair = std::get_if<FractionPairParams>(&all.parts[0].params);
  ASSERT_NE(pair, nullptr);
  EXPECT_EQ(pair->f1, "2/4");
  EXPECT_EQ(pair->f2, "3/6");
  const auto* combined = std::get_if<FractionCombinedParams>(&all.parts[1].params);
  ASSERT_NE(combined, nullptr);
  EXPECT_EQ(combined->expression, "a+b");
  EXPECT_EQ(combined->fractions, (std::vector<std::string>{"1/2", "3/4"})) << "before rst";
  const std::string sep = ToStd(kSep);
  EXPECT_EQ(all.texts.Enun, all.parts[0].texts.Enun + sep + all.parts[1].texts.Enun);
  EXPECT_EQ(all.texts.Resp, all.parts[0].texts.Resp + sep + all.parts[1].texts.Resp);

  const ShownProblem& one = shown[1];
  ASSERT_EQ(one.parts.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<FractionCombinedParams>(one.parts[0].params));
  EXPECT_EQ(one.texts.Enun, all.parts[1].texts.Enun);
  EXPECT_EQ(FromStd(one.texts.Resp), kCombinedAPlusB.second);
  EXPECT_EQ(own.Prbl().Resp, one.texts.Resp) << "the last problem made";
}

// What is typed is what is used: the list's items do not complete the typed text.
TEST_F(FractionsWindow, OperandBoxesComputeWithWhatIsTypedNotWithACompletion) {
  EnterAll({"2147483647", "12"});
  // Completion acts only in the window that has the keyboard.
  W->activateWindow();
  QApplication::setActiveWindow(W);
  Binary("2", "1");
  EXPECT_EQ(TextOf(W, "LA"), "2");
  EXPECT_EQ(TextOf(W, "LB"), "1");
  EXPECT_EQ(GridRow(1), (QStringList{"3", "1", "2", "2"}));
}

// 1/-2147483648 cannot become -1/2147483648: it would fail in every later operation.
TEST_F(FractionsWindow, RefusesAFractionWhoseSignCannotMoveToTheNumerator) {
  Enter("5", "6");
  for (bool simplify : {true, false}) {
    SCOPED_TRACE(simplify ? "simplify always" : "kept as typed");
    SetSimplify(simplify);
    ExpectMessage("Wrong entry", "Error");
    Enter("1", "-2147483648");
    VerifyModals();
    EXPECT_EQ(Rows("LF"), QStringList{"5/6"});
    EXPECT_EQ(TextOf(W, "Id1"), "5/6");
  }
}

TEST_F(FractionsWindow, CanBeResizedWhileItsControlsKeepTheirPlacesAndSizes) {
  const char* controls[] = {"PData", "EtEn",   "IdN",    "Shape1", "IdD",   "BtOk",  "BtRnd",
                            "PUN",   "Label2", "Label3", "Id1",    "EtEq",  "IdS",   "OpS",
                            "PLF",   "LL",     "LF",     "BtBrr",  "BtRst", "PBin",  "Label1",
                            "EtF1",  "LA",     "EtF2",   "LB",     "Ok2",   "TOpsBin", "BtPr2",
                            "POC",   "EtPOC",  "IdOC",   "OkOC",   "IdROC", "EtOC",  "BtPrC"};
  const auto places = [&] {
    QApplication::processEvents();
    QStringList shown;
    for (const char* name : controls) {
      const QWidget* c = Find(W, name);
      const QRect r(c->mapTo(W, QPoint(0, 0)), c->size());
      shown << QString("%1 %2,%3 %4x%5").arg(name).arg(r.x()).arg(r.y()).arg(r.width()).arg(
                   r.height());
    }
    return shown;
  };
  const QStringList before = places();
  const QSize larger = W->size() + QSize(240, 160);
  W->resize(larger);
  EXPECT_EQ(W->size(), larger);
  EXPECT_EQ(places(), before);
  W->resize(W->minimumSize());
  EXPECT_EQ(places(), before) << "at its smallest too";
}

TEST_F(FractionsWindow, KeepsItsListAndResultsWhileHidden) {
  EnterAll({"1/2", "3/4"});
  Binary("1/2", "3/4");
  W->close();
  Click(Find(MainWin(), "BtFrac"));
  EXPECT_EQ(FindWindow("FFracc"), W);
  EXPECT_EQ(Rows("LF"), (QStringList{"1/2", "3/4"}));
  EXPECT_EQ(GridRow(1).first(), "5/4");
}

}  // namespace
}  // namespace tessaro::test
