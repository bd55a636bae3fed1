#include "harness/harness.h"

#include "harness/windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

#include <numeric>

namespace tessaro::test {
namespace {

const QString kDot = QString::fromUtf8("\xC2\xB7");

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

TEST_F(FractionsWindow, ShowsEachEntryAsTypedAndSimplifiedAndListsItAsChosen) {
  struct Case {
    bool simplify;
    const char *num, *den, *asTyped, *simplified, *listed, *why;
  } cases[] = {
      {true, "2", "4", "2/4", "1/2", "1/2", "simplified into the list"},
      {false, "2", "4", "2/4", "1/2", "2/4", "kept as typed"},
      {false, "3", "-4", "3/-4", "-3/4", "3/-4", "negative denominator kept as typed"},
      {true, "3", "-4", "3/-4", "-3/4", "-3/4", "sign moved to the numerator"},
      {true, "4", "2", "4/2", "2", "2", "a whole number shows alone"},
      {false, "4", "2", "4/2", "2", "4/2", "a whole number kept as typed"},
      {true, "0", "-5", "0", "0", "0", "every zero prints as 0"},
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
  Enter("1", "2");  // exactly a stored pair
  EXPECT_EQ(Rows("LF"), (QStringList{"1/2", "1/2"}));
  EXPECT_EQ(TextOf(W, "Id1"), "2/4");

  Click(Find(W, "BtRst"));
  SetSimplify(false);
  Enter("2", "4");
  Enter("2", "4");
  EXPECT_EQ(Rows("LF"), QStringList{"2/4"});
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

TEST_F(FractionsWindow, BinaryOperationsShowEveryResultOrNotCalculable) {
  struct Case {
    const char *f1, *f2;
    QStringList cells;
    const char* why;
  } cases[] = {
      {"1/2", "3/4", {"5/4", "-1/4", "3/8", "2/3"}, "the worked example"},
      {"5/3", "1/2", {"13/6", "7/6", "5/6", "10/3"}, "an operand that is not a list item"},
      {"2", "-4/6", {"4/3", "8/3", "-4/3", "-3"}, "a whole number and an unreduced operand"},
      {"1/2", "0", {"1/2", "1/2", "0", "Not calculable"}, "quotient by a zero fraction"},
      {"2000000000", "2000000000", {"Not calculable", "0", "Not calculable", "1"},
       "sum and product overflow"},
      {"1/65536", "1/65537", {"Not calculable", "Not calculable", "Not calculable", "65537/65536"},
       "the common denominator overflows"},
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
      {"abc", "3/4", nullptr, "letters"},
      {"1/2", "", nullptr, "empty"},
      {"1/2/3", "1", nullptr, "two bars"},
      {" 1/2", "1", nullptr, "a blank"},
      {"1/0", "3/4", "Denominator can't be zero", "zero denominator in f1"},
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

TEST_F(FractionsWindow, CombinedOperationSubstitutesEachFractionAsAWhole) {
  SetSimplify(false);
  EnterAll({"1/2", "3/4", "3/-4", "5"});
  struct Case {
    const char *typed, *replaced, *result, *why;
  } cases[] = {
      {"a/b", "(1/2)/(3/4)", "2/3", "a quotient of fractions keeps both bars"},
      {"b^2", "(3/4)^2", "9/16", "the whole fraction is raised"},
      {"a+b", "(1/2)+(3/4)", "5/4", "the worked example"},
      {"c*d", "(3/-4)*5", "-15/4", "a negative denominator as listed; a whole number bare"},
      {"1/2+1/3", "1/2+1/3", "5/6", "plain fractions need no list"},
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
  const QString combinedQ = "If  a = 1/2, b = 3/4, calculate a+b";
  const QString combinedA = "a+b = (1/2)+(3/4) = 5/4";
  const QString sep = "\r\n----------------\r\n";
  struct Case {
    const char* command;
    QString question, answer;
  } cases[] = {
      {"BtPr2", binaryQ, binaryA},
      {"OpBin", binaryQ, binaryA},
      {"BtPrC", combinedQ, combinedA},
      {"OpCmb", combinedQ, combinedA},
      {"OpAll", binaryQ + sep + combinedQ, binaryA + sep + combinedA},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    ProblemWin()->hide();
    if (QAction* a = W->findChild<QAction*>(c.command))
      Trigger(a);
    else
      Click(Find(W, c.command));
    EXPECT_TRUE(ProblemWin()->isVisible());
    EXPECT_EQ(FromStd(FractionsWin()->Prbl().Enun), c.question);
    EXPECT_EQ(FromStd(FractionsWin()->Prbl().Resp), c.answer);
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
    Click(Find(W, "BtPrC"));
    EXPECT_EQ(FromStd(FractionsWin()->Prbl().Enun), c.question);
    EXPECT_EQ(FromStd(FractionsWin()->Prbl().Resp), c.answer);
  }

  // Edited after the evaluation: the typed text stays, the cleared results follow " = ".
  EnterAll({"1/2"});
  Combined("a*a");
  Type(Find(W, "IdOC"), "a*b");
  Click(Find(W, "BtPrC"));
  EXPECT_EQ(FromStd(FractionsWin()->Prbl().Enun), "If  a = 1/2, calculate a*a");
  EXPECT_EQ(FromStd(FractionsWin()->Prbl().Resp), "a*a =  = ");
  EXPECT_EQ(Shown().second, "a*a =  = ");
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
