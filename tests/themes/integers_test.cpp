#include "harness/harness.h"

#include "harness/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSet>
#include <QToolButton>

#include <map>
#include <tuple>

namespace tessaro::test {
namespace {

const QString Dot = QStringLiteral("\u00B7");

class IntegersTest : public AppTest {
 protected:
  // A new Integers window, opened as the user does.
  QWidget* Open() {
    MainWin()->show();
    Click(Find(MainWin(), "BtInt"));
    w = FindWindow("FAritm");
    return w;
  }
  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(w, name); }
  QComboBox* Combo(const char* name) { return Find<QComboBox>(w, name); }
  QListWidget* List(const char* name) { return Find<QListWidget>(w, name); }
  QString T(const char* name) { return TextOf(w, name); }
  bool Enabled(const char* name) {
    if (QAction* a = w->findChild<QAction*>(name)) return a->isEnabled();
    QWidget* c = Find(w, name);
    return c && c->isEnabled();
  }

  void AcceptN(const QString& text) {
    SetText(Edit("IdN"), text);
    Click(Find(w, "Ok1"));
  }
  void TwoInts(const QString& n1, const QString& n2) {
    SetText(Combo("IdA"), n1);
    SetText(Combo("IdB"), n2);
    Click(Find(w, "OkOps"));
  }
  void AddToList(std::initializer_list<int> numbers) {
    for (int v : numbers) AcceptN(QString::number(v));
  }
  void Evaluate(const QString& expression) {
    SetText(Edit("IdOC"), expression);
    Click(Find(w, "OkOC"));
  }
  QStringList Items(const char* name) {
    QStringList items;
    if (QListWidget* list = List(name))
      for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  QStringList ComboItems(const char* name) {
    QStringList items;
    if (QComboBox* combo = Combo(name))
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
  }
  // The problem as the Problem window shows it.
  std::pair<QString, QString> Problem() {
    return {TextOf(ProblemWin(), "IdE"), TextOf(ProblemWin(), "IdR")};
  }

  QWidget* w = nullptr;
};

TEST_F(IntegersTest, OpensWithItsPanelsInPlaceAndNoProblemAvailable) {
  ASSERT_TRUE(Open());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), "Arithmetic of integers");
  EXPECT_EQ(w->focusWidget(), Edit("IdN"));
  const std::pair<const char*, const char*> panels[] = {
      {"PN", "Operations with"}, {"POps", "Operations with"}, {"POC", "Combined operation"},
      {"PB", "In basis...."}};
  for (const auto& [name, title] : panels) {
    auto* panel = Find<QGroupBox>(w, name);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->title(), title) << name;
  }
  // PN top left, POps below it, POC at the bottom, PL at the right.
  QWidget* pn = Find(w, "PN");
  QWidget* pops = Find(w, "POps");
  QWidget* poc = Find(w, "POC");
  QWidget* pl = Find(w, "PL");
  EXPECT_LT(pn->y(), pops->y());
  EXPECT_LT(pops->y(), poc->y());
  EXPECT_GT(pl->x(), pn->x() + pn->width() - 1);

  // What a new window starts from.
  const std::pair<const char*, const char*> texts[] = {
      {"IdBX", "12"}, {"Lexp", "2"}, {"Idpq", "2"}, {"Idp", "2"}, {"IdDd", "n1"}, {"IdDr", "n2"},
  };
  for (const auto& [name, text] : texts) EXPECT_EQ(T(name), text) << name;

  auto* menu = Find<QMenu>(w, "OpsPrbl");
  ASSERT_TRUE(menu);
  QStringList order;
  for (QAction* a : menu->actions()) order << a->objectName();
  EXPECT_EQ(order, QStringList({"OpPr1", "OpPr2", "OpPrCO", "OpPrN", "OpPrAll"}));
  for (const char* name : {"OpPr1", "OpPr2", "OpPrCO", "OpPrN", "OpPrAll", "BtPrbl1", "BtPrbl2",
                           "BtPrblOC", "BtPrblN", "BtUnSel", "BtRstL", "BtBrrL"})
    EXPECT_FALSE(Enabled(name)) << name;
}

struct SingleCase {
  const char* typed;
  const char* exponent;
  std::map<const char*, QString> fields;
  const char* why;
};

TEST_F(IntegersTest, AcceptingNShowsEverythingAboutIt) {
  const SingleCase cases[] = {
      {"007", "2",
       {{"IdN", "7"}, {"IdPot", "49"}, {"IdDF", "7"}, {"IdFctr", "5040"}, {"IdHex", "7"},
        {"IdBin", "111"}, {"IdOct", "7"}, {"IdX", "7"}},
       "leading zeros go"},
      {"12", "3",
       {{"IdPot", "1728"}, {"IdDF", "2^2 " + Dot + " 3"}, {"IdHex", "C"}, {"IdBin", "1100"},
        {"IdOct", "14"}, {"IdX", "10"}},
       "the chosen exponent and basis 12"},
  };
  ASSERT_TRUE(Open());
  for (const SingleCase& c : cases) {
    SetText(Combo("Lexp"), c.exponent);
    AcceptN(c.typed);
    for (const auto& [name, text] : c.fields) EXPECT_EQ(T(name), text) << c.why << ": " << name;
    EXPECT_TRUE(Enabled("BtPrbl1")) << c.why;
    EXPECT_TRUE(Enabled("OpPr1")) << c.why;
    EXPECT_TRUE(Enabled("BtL")) << c.why;
  }
}

TEST_F(IntegersTest, RefusesAnNThatIsNoInteger) {
  ASSERT_TRUE(Open());
  AcceptN("5");
  ExpectMessage("12a isn't a valid integer");
  AcceptN("12a");
  EXPECT_FALSE(Enabled("BtL"));
  EXPECT_EQ(w->focusWidget(), Edit("IdN"));
  EXPECT_EQ(Items("LN").size(), 1);

  ExpectMessage("'-' is not a valid integer value");
  AcceptN("-");
  ExpectMessage("'99999999999' is not a valid integer value");
  AcceptN("99999999999");
  EXPECT_EQ(T("IdPot"), "");

  AcceptN("");  // refused silently
  EXPECT_EQ(SeenMessages().size(), 3u);
  EXPECT_EQ(Items("LN").size(), 1);
}

TEST_F(IntegersTest, EditingNClearsItsResultsAndItsProblemCommands) {
  ASSERT_TRUE(Open());
  AcceptN("12");
  Type(Edit("IdN"), "13");
  for (const char* name : {"IdPot", "IdDF", "IdFctr", "IdHex", "IdBin", "IdOct", "IdX"})
    EXPECT_EQ(T(name), "") << name;
  EXPECT_FALSE(Enabled("BtPrbl1"));
  EXPECT_FALSE(Enabled("OpPr1"));
  // The exponent and the basis act on N, 12 until 13 is accepted.
  SetText(Combo("Lexp"), "3");
  EXPECT_EQ(T("IdPot"), "1728");
  Press(Edit("IdBX"), Qt::Key_Return);
  EXPECT_EQ(T("IdX"), "10");
  EXPECT_FALSE(Enabled("BtPrbl1"));
  Press(Edit("IdN"), Qt::Key_Return);
  EXPECT_EQ(T("IdPot"), "2197");
  SetText(Combo("Lexp"), "2");
  EXPECT_EQ(T("IdPot"), "169");
  Press(Combo("Lexp"), Qt::Key_Return);
  EXPECT_EQ(T("IdPot"), "169");
  EXPECT_TRUE(Enabled("BtPrbl1"));
}

struct BasisCase {
  const char* basis;
  const char* error;
  const char* message;  // the conversion message, if any
  const char* digits;
  const char* why;
};

TEST_F(IntegersTest, WritesNInTheChosenBasisOrRefusesIt) {
  const BasisCase cases[] = {
      {"16", "", nullptr, "FF", "a basis like the hexadecimal one"},
      {"1", "1 isn't a valid basis", nullptr, "193", "below 2; the field keeps its text"},
      {"abc", "", "'abc' is not a valid integer value", "193", "no integer: nothing changes"},
  };
  ASSERT_TRUE(Open());
  for (const BasisCase& c : cases) {
    SetText(Edit("IdBX"), "12");
    AcceptN("255");
    SetText(Edit("IdBX"), c.basis);
    if (c.message) ExpectMessage(c.message);
    Press(Edit("IdBX"), Qt::Key_Return);
    EXPECT_EQ(T("EtErr"), c.error) << c.why;
    EXPECT_EQ(T("IdX"), c.digits) << c.why;
  }
  // Accepting N clears the error line and shows it again for a refused basis.
  SetText(Edit("IdBX"), "-5");
  AcceptN("255");
  EXPECT_EQ(T("EtErr"), "-5 isn't a valid basis");
  SetText(Edit("IdBX"), "");
  AcceptN("7");
  EXPECT_EQ(T("IdX"), "");
  EXPECT_EQ(T("EtErr"), "");
  // N is not accepted while the basis is no integer.
  SetText(Edit("IdBX"), "1a");
  ExpectMessage("'1a' is not a valid integer value");
  AcceptN("8");
  EXPECT_EQ(T("IdPot"), "");
  EXPECT_EQ(Items("LN").size(), 2);
}

struct BaseFieldCase {
  const char* field;
  const char* text;
  const char* n;
  const char* why;
};

TEST_F(IntegersTest, EnterInABaseFieldReadsN) {
  const BaseFieldCase cases[] = {
      {"IdHex", "FF", "255", "hexadecimal"},
      {"IdOct", "17", "15", "octal"},
      {"IdX", "BB", "143", "basis 12"},
  };
  ASSERT_TRUE(Open());
  for (const BaseFieldCase& c : cases) {
    AcceptN("1");
    SetText(Edit(c.field), c.text);
    Press(Edit(c.field), Qt::Key_Return);
    EXPECT_EQ(T("IdN"), c.n) << c.why;
    // The power waits for the number to be accepted.
    EXPECT_EQ(T("IdPot"), "") << c.why;
    EXPECT_FALSE(Enabled("BtPrbl1")) << c.why;
  }
  AcceptN("1");
  SetText(Edit("IdHex"), "FF");
  Press(Edit("IdHex"), Qt::Key_Return);
  EXPECT_EQ(T("IdBin"), "11111111");
  EXPECT_EQ(T("IdOct"), "377");
  EXPECT_EQ(T("IdX"), "193");

  SetText(Edit("IdBX"), "1");
  SetText(Edit("IdX"), "10");
  Press(Edit("IdX"), Qt::Key_Return);
  EXPECT_EQ(T("EtErr"), "1 isn't a valid basis");
  EXPECT_EQ(T("IdN"), "255");
}

TEST_F(IntegersTest, EnterInTheBinaryFieldOnlySetsN) {
  ASSERT_TRUE(Open());
  AcceptN("12");
  SetText(Edit("IdBin"), "1011");
  Press(Edit("IdBin"), Qt::Key_Return);
  EXPECT_EQ(T("IdN"), "12");
  EXPECT_EQ(T("IdPot"), "144");
  EXPECT_TRUE(Enabled("BtPrbl1"));
  SetText(Combo("Lexp"), "3");
  EXPECT_EQ(T("IdPot"), "1331");  // 11 cubed
}

TEST_F(IntegersTest, DoubleClickOnTheBinaryFieldOnlyProposesN) {
  ASSERT_TRUE(Open());
  AcceptN("3");
  SetText(Edit("IdBin"), "101");
  DoubleClick(Edit("IdBin"));
  EXPECT_EQ(T("IdN"), "5");
  EXPECT_EQ(T("IdPot"), "");
  ExpectMessage("'x' is not a valid integer value");
  SetText(Edit("IdBin"), "10x");
  DoubleClick(Edit("IdBin"));
  EXPECT_EQ(T("IdN"), "5");
}

struct TwoCase {
  const char* n1;
  const char* n2;
  const char* decimals;
  std::map<const char*, QString> fields;
  const char* why;
};

TEST_F(IntegersTest, TwoIntegersGiveSumsProductsDivisionsHcdAndLcm) {
  const TwoCase cases[] = {
      {"7", "2", "2",
       {{"IdS", "9"}, {"IdRs", "5"}, {"IdM", "14"}, {"IdD", "3.5"}, {"IdQ", "3"}, {"IdR", "1"},
        {"IdMCD", "1"}, {"IdMCM", "14"}, {"IdDd", "7"}, {"IdDr", "2"}},
       "the road of every day"},
      {"2", "3", "4", {{"IdD", "0.6666"}}, "the decimals chosen"},
      {"5", "0", "2",
       {{"IdD", "infinite"}, {"IdQ", "-"}, {"IdR", "-"}, {"IdDd", "5"}, {"IdDr", "0"},
        {"IdMCD", "5"}, {"IdMCM", "0"}},
       "division by zero: the heading names 5 and 0, never the former operands"},
      {"007", "x10", "2", {{"IdA", "7"}, {"IdB", "16"}, {"IdDd", "7"}, {"IdDr", "16"}},
       "the operands as they were read"},
  };
  ASSERT_TRUE(Open());
  for (const TwoCase& c : cases) {
    SetText(Combo("Idpq"), c.decimals);
    TwoInts(c.n1, c.n2);
    for (const auto& [name, text] : c.fields) EXPECT_EQ(T(name), text) << c.why << ": " << name;
    EXPECT_TRUE(Enabled("BtPrbl2")) << c.why;
  }
}

TEST_F(IntegersTest, ChangingAnOperandClearsTheTwoIntegerResults) {
  ASSERT_TRUE(Open());
  TwoInts("7", "2");
  Type(Combo("IdA"), "8");
  for (const char* name : {"IdS", "IdRs", "IdM", "IdD", "IdMCM", "IdMCD", "IdR", "IdQ"})
    EXPECT_EQ(T(name), "") << name;
  // The heading heads no quotient now.
  EXPECT_EQ(T("IdDd"), "n1");
  EXPECT_EQ(T("IdDr"), "n2");
  EXPECT_FALSE(Enabled("BtPrbl2"));
  EXPECT_FALSE(Enabled("OpPr2"));

  ExpectMessage("'x' is not a valid integer value");
  TwoInts("x", "2");
  EXPECT_FALSE(Enabled("BtPrbl2"));
}

TEST_F(IntegersTest, GenerateDrawsTwoOperandsFromOneToTen) {
  ASSERT_TRUE(Open());
  for (int i = 0; i < 5; ++i) {
    Click(Find(w, "BtRnd"));
    for (const char* name : {"IdA", "IdB"}) {
      const int v = T(name).toInt();
      EXPECT_GE(v, 1);
      EXPECT_LE(v, 10);
    }
    EXPECT_EQ(T("IdS"), QString::number(T("IdA").toInt() + T("IdB").toInt()));
  }
}

TEST_F(IntegersTest, AcceptedNumbersFillTheLetteredList) {
  ASSERT_TRUE(Open());
  AddToList({5, 5, -13});
  const QString blanks(18, QLatin1Char(' '));
  EXPECT_EQ(Items("LN"), QStringList({"5" + blanks + "5", "-13" + blanks + "FFFFFFF3"}));
  EXPECT_EQ(Items("LL"), QStringList({"a", "b"}));
  EXPECT_EQ(ComboItems("IdA"), QStringList({"5", "-13"}));
  EXPECT_EQ(ComboItems("IdB"), QStringList({"5", "-13"}));
  EXPECT_EQ(T("IdA"), "5");
  EXPECT_TRUE(Enabled("BtRstL"));

  SetText(Edit("IdN"), "8");
  Click(Find(w, "BtL"));
  EXPECT_EQ(Items("LL"), QStringList({"a", "b", "c"}));
}

TEST_F(IntegersTest, TheListRefusesATwentyFourthNumber) {
  ASSERT_TRUE(Open());
  for (int v = 1; v <= 23; ++v) AcceptN(QString::number(v));
  EXPECT_EQ(Items("LL").last(), "w");
  ExpectMessage("List full (23 numbers)", "Wrong entry");
  AcceptN("24");
  EXPECT_EQ(T("IdPot"), "576");  // N itself is accepted
  ExpectMessage("List full (23 numbers)", "Wrong entry");
  Click(Find(w, "BtRndL"));
  EXPECT_EQ(Items("LN").size(), 23);
  AcceptN("23");  // already stored: nothing to refuse
  EXPECT_EQ(SeenMessages().size(), 2u);
}

TEST_F(IntegersTest, GenerateAddsNumbersNotYetStored) {
  ASSERT_TRUE(Open());
  for (int i = 0; i < 20; ++i) Click(Find(w, "BtRndL"));
  QStringList items = Items("LN");
  ASSERT_EQ(items.size(), 20);
  QSet<int> values;
  for (const QString& item : items) {
    const int v = item.section(' ', 0, 0).toInt();
    EXPECT_GE(v, 1);
    EXPECT_LE(v, 200);
    values.insert(v);
  }
  EXPECT_EQ(values.size(), 20);
}

struct SelectionCase {
  std::vector<int> list;
  std::vector<int> rows;
  const char* hcd;
  const char* lcm;
  bool problem;
  const char* why;
};

TEST_F(IntegersTest, SelectedNumbersGiveTheirHcdAndLcm) {
  const SelectionCase cases[] = {
      {{12, 18, 30}, {0, 1, 2}, "6", "180", true, "three numbers"},
      {{12, 18, 30}, {1}, "", "", false, "one number is no selection"},
  };
  for (const SelectionCase& c : cases) {
    ASSERT_TRUE(Open());
    for (int v : c.list) AcceptN(QString::number(v));
    for (std::size_t i = 0; i < c.rows.size(); ++i)
      ClickRow(List("LN"), c.rows[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    EXPECT_EQ(T("EtMCDn"), c.hcd) << c.why;
    EXPECT_EQ(T("EtMCMn"), c.lcm) << c.why;
    EXPECT_EQ(Enabled("BtPrblN"), c.problem) << c.why;
    EXPECT_EQ(Enabled("OpPrN"), c.problem) << c.why;
    EXPECT_EQ(Enabled("BtBrrL"), c.rows.size() == 1) << c.why;
    EXPECT_TRUE(Enabled("BtUnSel")) << c.why;
    for (int i = 0; i < List("LN")->count(); ++i)
      EXPECT_EQ(List("LL")->item(i)->isSelected(), List("LN")->item(i)->isSelected()) << c.why;
    w->close();
  }
}

TEST_F(IntegersTest, UnselectAndClearEmptyTheSelectionAndTheList) {
  ASSERT_TRUE(Open());
  AddToList({12, 18, 30});
  ClickRow(List("LN"), 0);
  ClickRow(List("LN"), 2, Qt::ControlModifier);
  Click(Find(w, "BtUnSel"));
  EXPECT_TRUE(List("LN")->selectedItems().isEmpty());
  EXPECT_TRUE(List("LL")->selectedItems().isEmpty());
  EXPECT_EQ(T("EtMCDn"), "");
  EXPECT_EQ(T("EtMCMn"), "");
  for (const char* name : {"BtUnSel", "BtBrrL", "BtPrblN", "OpPrN"})
    EXPECT_FALSE(Enabled(name)) << name;

  ClickRow(List("LN"), 0);
  ClickRow(List("LN"), 1, Qt::ControlModifier);
  Click(Find(w, "BtRstL"));
  EXPECT_TRUE(Items("LN").isEmpty());
  EXPECT_TRUE(Items("LL").isEmpty());
  for (const char* name : {"BtRstL", "BtUnSel", "BtBrrL", "BtPrblN", "OpPrN"})
    EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_EQ(ComboItems("IdA"), QStringList({"12", "18", "30"}));
  AcceptN("7");
  EXPECT_EQ(Items("LL"), QStringList({"a"}));
}

TEST_F(IntegersTest, ErasingAnItemMovesTheLaterOnesUp) {
  ASSERT_TRUE(Open());
  AddToList({12, 18, 30});
  w->resize(w->width() + 200, w->height());
  ClickRow(List("LN"), 1);
  Click(Find(w, "BtBrrL"));
  EXPECT_EQ(Items("LN"), QStringList({"12", "30"}));  // no hexadecimal part now
  EXPECT_EQ(Items("LL"), QStringList({"a", "b"}));
  EXPECT_EQ(ComboItems("IdA"), QStringList({"12", "30"}));
  EXPECT_FALSE(Enabled("BtUnSel"));
  Evaluate("b");
  EXPECT_EQ(T("IdROC1"), "30");

  ClickRow(List("LN"), 0);
  Press(List("LN"), Qt::Key_Delete);
  EXPECT_EQ(Items("LN"), QStringList({"30"}));
  EXPECT_EQ(Items("LL"), QStringList({"a"}));
}

TEST_F(IntegersTest, ClicksInTheLettersSelectTheNumbersAndProposeN) {
  ASSERT_TRUE(Open());
  AddToList({12, 18, 30});
  AcceptN("12");
  ClickRow(List("LL"), 1);
  EXPECT_EQ(T("IdN"), "18");
  EXPECT_EQ(T("IdPot"), "");  // proposed, not accepted
  ClickRow(List("LL"), 2, Qt::ControlModifier);
  EXPECT_EQ(T("IdN"), "30");
  EXPECT_TRUE(List("LN")->item(1)->isSelected());
  EXPECT_TRUE(List("LN")->item(2)->isSelected());
  EXPECT_FALSE(List("LN")->item(0)->isSelected());
  EXPECT_EQ(List("LN")->currentRow(), 2);
  EXPECT_EQ(T("EtMCDn"), "6");
  EXPECT_EQ(T("EtMCMn"), "90");
  EXPECT_TRUE(Enabled("BtPrblN"));
}

TEST_F(IntegersTest, DoubleClickOnANumberAcceptsItWithoutAddingIt) {
  ASSERT_TRUE(Open());
  AddToList({12, 18});
  DoubleClickRow(List("LN"), 0);
  EXPECT_EQ(T("IdN"), "12");
  EXPECT_EQ(T("IdPot"), "144");
  EXPECT_TRUE(Enabled("BtPrbl1"));
  EXPECT_EQ(Items("LN").size(), 2);
}

struct CombinedCase {
  std::vector<int> list;
  const char* expression;
  const char* replaced;
  const char* rational;  // nullptr: not calculable
  const char* decimal;
  const char* why;
};

TEST_F(IntegersTest, CombinedOperationEvaluatesOverTheList) {
  const CombinedCase cases[] = {
      {{7, 2}, "a/b", "7/2", "7/2", "3.5", "an exact quotient"},
      {{7, 2}, "a+c", "7+c", nullptr, nullptr, "c names no number"},
  };
  for (const CombinedCase& c : cases) {
    ASSERT_TRUE(Open());
    for (int v : c.list) AcceptN(QString::number(v));
    if (!c.rational)
      ExpectMessage("Division by 0 or >Long_Max in any step", "Not calculable");
    Evaluate(c.expression);
    EXPECT_EQ(T("EtOC"), c.replaced) << c.why;
    EXPECT_EQ(T("IdROC1"), c.rational ? c.rational : "  ---") << c.why;
    EXPECT_EQ(T("IdROC2"), c.decimal ? c.decimal : "  ---") << c.why;
    EXPECT_EQ(Enabled("BtPrblOC"), c.rational != nullptr) << c.why;
    EXPECT_EQ(Enabled("OpPrCO"), c.rational != nullptr) << c.why;
    w->close();
  }
}

TEST_F(IntegersTest, CombinedOperationClearsOnChangeAndStopsOnABadExponent) {
  ASSERT_TRUE(Open());
  AddToList({7, 2});
  SetText(Combo("Idp"), "4");
  SetText(Edit("IdOC"), "a/b");
  Press(Edit("IdOC"), Qt::Key_Return);
  EXPECT_EQ(T("IdROC2"), "3.5");
  Evaluate("b/a");
  EXPECT_EQ(T("IdROC2"), "0.2857");
  Type(Edit("IdOC"), "b/");
  EXPECT_EQ(T("EtOC"), "");
  EXPECT_EQ(T("IdROC1"), "");
  EXPECT_EQ(T("IdROC2"), "");
  EXPECT_FALSE(Enabled("BtPrblOC"));
  EXPECT_FALSE(Enabled("OpPrCO"));

  ExpectMessage("'(1+1)' is not a valid integer value");
  Evaluate("a^(1+1)");
  EXPECT_EQ(T("EtOC"), "7^(1+1)");
  EXPECT_EQ(T("IdROC1"), "");

  Evaluate("");  // nothing happens
  EXPECT_EQ(T("EtOC"), "");
}

TEST_F(IntegersTest, ProblemCommandsFollowTheResultsOnDisplay) {
  ASSERT_TRUE(Open());
  AcceptN("12");
  EXPECT_TRUE(Enabled("BtPrbl1"));
  EXPECT_FALSE(Enabled("OpPrAll"));  // one kind only
  TwoInts("7", "2");
  EXPECT_TRUE(Enabled("OpPr2"));
  EXPECT_TRUE(Enabled("OpPrAll"));
  AcceptN("18");
  Evaluate("a+b");
  EXPECT_TRUE(Enabled("BtPrblOC"));
  ClickRow(List("LN"), 0);
  ClickRow(List("LN"), 1, Qt::ControlModifier);
  for (const char* name : {"BtPrbl1", "BtPrbl2", "BtPrblOC", "BtPrblN", "OpPr1", "OpPr2", "OpPrCO",
                           "OpPrN", "OpPrAll"})
    EXPECT_TRUE(Enabled(name)) << name;

  // Each clearing disables its kind, and "All" stays only while more than one is left.
  Type(Combo("IdB"), "3");
  EXPECT_FALSE(Enabled("BtPrbl2"));
  Type(Edit("IdOC"), "a");
  EXPECT_FALSE(Enabled("OpPrCO"));
  EXPECT_TRUE(Enabled("OpPrAll"));
  Click(Find(w, "BtUnSel"));
  EXPECT_FALSE(Enabled("OpPrN"));
  EXPECT_FALSE(Enabled("OpPrAll"));
  Type(Edit("IdN"), "1");
  EXPECT_FALSE(Enabled("OpPr1"));
  EXPECT_FALSE(Enabled("OpPrAll"));

  TwoInts("7", "2");
  EXPECT_FALSE(Enabled("OpPrAll"));
  AcceptN("1");
  EXPECT_TRUE(Enabled("OpPrAll"));
}

TEST_F(IntegersTest, ProblemsRepeatTheWindowTextByText) {
  ASSERT_TRUE(Open());
  AddToList({12, 18, 5});
  AcceptN("12");
  TwoInts("7", "2");
  Evaluate("a+b*2");
  ClickRow(List("LN"), 0);
  ClickRow(List("LN"), 1, Qt::ControlModifier);

  const QString single =
      "Calculate (if possible) for N = 12 :\n"
      "N^2\n"
      "Factorization of N\n"
      "N factorial (N!)\n"
      "The expressions of N in hexadecimal,binary,octal and 12 basis\n";
  const QString singleA =
      "N^2 = 144\n"
      "Factorization: N = 2^2 " + Dot + " 3\n"
      "N! = 479001600\n"
      "Expression in other basis:\n"
      " Hexadecimal, N= C\n"
      " Binary, N= 1100\n"
      " Octal, N= 14\n"
      " Basis 12, N= 10\n";
  const QString two = "If a= 7  b= 2 calculate:\na" + Dot + "b, a/b, hcd(a,b), LCM(a,b)\n";
  const QString twoA = "a" + Dot + "b= 14\na/b= 3.5 (Q= 3, R= 1)\nhcd(a,b)= 1\nLCM(a,b)= 14\n";
  const QString combined = "If   a= 12  b= 18, calculate a+b*2\n";
  const QString combinedA = "a+b*2 = 12+18*2 = 48 = 48\n";
  const QString list = "Calculate the hcd and LCM of 12, 18";
  const QString listA = "hcd(12, 18) = 6\nLCM(12, 18) = 36\n";
  const QString sep = "==============\n";

  const std::tuple<const char*, QString, QString> commands[] = {
      {"BtPrbl1", single, singleA}, {"OpPr1", single, singleA},
      {"BtPrbl2", two, twoA},       {"OpPr2", two, twoA},
      {"BtPrblOC", combined, combinedA}, {"OpPrCO", combined, combinedA},
      {"BtPrblN", list, listA},     {"OpPrN", list, listA},
      {"OpPrAll", single + sep + two + sep + combined + sep + list,
       singleA + sep + twoA + sep + combinedA + sep + listA},
  };
  for (const auto& [name, question, answer] : commands) {
    ProblemWin()->hide();
    if (QAction* a = w->findChild<QAction*>(name))
      Trigger(a);
    else
      Click(Find(w, name));
    EXPECT_TRUE(ProblemWin()->isVisible()) << name;
    EXPECT_EQ(Problem().first, question) << name;
    EXPECT_EQ(Problem().second, answer) << name;
  }

  // "All" with two kinds: the combined operation and the list no longer shown.
  Type(Edit("IdOC"), "a");
  Click(Find(w, "BtUnSel"));
  TwoInts("7", "2");
  Trigger(FindAction(w, "OpPrAll"));
  EXPECT_EQ(Problem(), std::make_pair(single + sep + two, singleA + sep + twoA));
}

TEST_F(IntegersTest, TheCombinedProblemNamesTheNumbersItWasEvaluatedWith) {
  ASSERT_TRUE(Open());
  AddToList({12, 18, 5});
  Evaluate("a*c");
  Click(Find(w, "BtRstL"));
  Click(Find(w, "BtPrblOC"));
  EXPECT_EQ(Problem().first, "If   a= 12  c= 5, calculate a*c\n");
  EXPECT_EQ(Problem().second, "a*c = 12*5 = 60 = 60\n");
}

TEST_F(IntegersTest, ProblemsRepeatTheOperandsOfTheResultsShownNotWhatWasTypedSince) {
  ASSERT_TRUE(Open());
  AcceptN("12");
  SetText(Edit("IdBX"), "16");
  Press(Edit("IdBX"), Qt::Key_Return);
  EXPECT_EQ(T("IdX"), "C");
  SetText(Edit("IdBX"), "abc");  // typed, not entered
  Click(Find(w, "BtPrbl1"));
  EXPECT_TRUE(Problem().first.endsWith("octal and 16 basis\n")) << Problem().first.toStdString();
  EXPECT_TRUE(Problem().second.endsWith(" Basis 16, N= C\n")) << Problem().second.toStdString();
  SetText(Edit("IdBX"), "12");

  SetText(Combo("Idpq"), "2");
  TwoInts("2", "3");
  SetText(Combo("Idpq"), "5");
  Click(Find(w, "BtPrbl2"));
  EXPECT_TRUE(Problem().second.contains("a/b= 0.66 (Q= 0, R= 2)"))
      << Problem().second.toStdString();

  // A combined operation that fails makes no problem, even with the text unchanged.
  AddToList({12, 18});
  Evaluate("a+b");
  EXPECT_TRUE(Enabled("BtPrblOC"));
  Click(Find(w, "BtRstL"));
  ExpectMessage("Division by 0 or >Long_Max in any step", "Not calculable");
  Click(Find(w, "OkOC"));
  EXPECT_EQ(T("IdROC1"), "  ---");
  EXPECT_FALSE(Enabled("BtPrblOC"));
  EXPECT_FALSE(Enabled("OpPrCO"));
}

TEST_F(IntegersTest, WhatIsTypedInNOneAndNTwoIsWhatIsUsed) {
  ASSERT_TRUE(Open());
  AddToList({2147483647, 13});
  // A completion comes only while the field has the keyboard, in the active window.
  w->activateWindow();
  QApplication::processEvents();
  Type(Combo("IdA"), "2");
  ASSERT_TRUE(Combo("IdA")->lineEdit()->hasFocus());
  Type(Combo("IdB"), "1");
  EXPECT_EQ(T("IdA"), "2");
  EXPECT_EQ(T("IdB"), "1");
  Click(Find(w, "OkOps"));
  EXPECT_EQ(T("IdS"), "3");
  // The drop-down still offers the list.
  EXPECT_EQ(ComboItems("IdA"), QStringList({"2147483647", "13"}));
}

TEST_F(IntegersTest, ClosingEmptiesTheListAndANewWindowStartsWithoutProblems) {
  ASSERT_TRUE(Open());
  QWidget* first = w;
  AddToList({12, 18});
  TwoInts("7", "2");
  first->close();
  EXPECT_FALSE(first->isVisible());

  ASSERT_TRUE(Open());
  EXPECT_NE(w, first);
  EXPECT_TRUE(Items("LN").isEmpty());
  EXPECT_TRUE(Items("LL").isEmpty());
  AcceptN("12");
  EXPECT_EQ(Items("LL"), QStringList({"a"}));
  // The former window's two-integer results are not this window's.
  EXPECT_FALSE(Enabled("OpPrAll"));
  EXPECT_FALSE(Enabled("BtPrbl2"));
}

TEST_F(IntegersTest, TwoOpenWindowsShowTheOneList) {
  ASSERT_TRUE(Open());
  QWidget* first = w;
  AddToList({12, 18});
  ASSERT_TRUE(Open());
  EXPECT_EQ(Items("LN"), QStringList({"12", "18"}));
  EXPECT_TRUE(Enabled("BtRstL"));
  AcceptN("30");
  Evaluate("c");
  EXPECT_EQ(T("IdROC1"), "30");
  QWidget* second = w;
  w = first;
  EXPECT_EQ(Items("LL"), QStringList({"a", "b", "c"}));
  ClickRow(List("LN"), 0);
  Click(Find(w, "BtBrrL"));
  w = second;
  EXPECT_EQ(Items("LN"), QStringList({"18", "30"}));
}

TEST_F(IntegersTest, EachWindowOffersItsOwnProblemsAndKeepsItsResults) {
  ASSERT_TRUE(Open());
  QWidget* first = w;
  AcceptN("12");
  TwoInts("7", "2");
  ASSERT_TRUE(Enabled("OpPrAll"));

  // A second window starts without results; the first keeps its own.
  ASSERT_TRUE(Open());
  QWidget* second = w;
  EXPECT_FALSE(Enabled("OpPrAll"));
  EXPECT_FALSE(Enabled("BtPrbl2"));
  AcceptN("30");  // into the one list
  w = first;
  EXPECT_EQ(Items("LL"), QStringList({"a", "b"}));
  EXPECT_EQ(T("IdA"), "7");
  EXPECT_EQ(T("IdS"), "9");
  EXPECT_TRUE(Enabled("BtPrbl2"));
  ASSERT_TRUE(Enabled("OpPrAll"));
  Trigger(FindAction(w, "OpPrAll"));
  EXPECT_TRUE(Problem().first.startsWith("Calculate (if possible) for N = 12 :\n"));
  EXPECT_TRUE(Problem().first.endsWith("==============\nIf a= 7  b= 2 calculate:\na" + Dot +
                                       "b, a/b, hcd(a,b), LCM(a,b)\n"))
      << Problem().first.toStdString();

  // A selection is the list's: both windows show it and offer its problem.
  ClickRow(List("LN"), 0);
  ClickRow(List("LN"), 1, Qt::ControlModifier);
  w = second;
  EXPECT_TRUE(List("LN")->item(1)->isSelected());
  EXPECT_EQ(T("EtMCDn"), "6");
  EXPECT_TRUE(Enabled("BtPrblN"));
  EXPECT_TRUE(Enabled("OpPrAll"));  // 30 and the selection
}

TEST_F(IntegersTest, WideningTheWindowWidensTheList) {
  ASSERT_TRUE(Open());
  AddToList({255});
  QListWidget* list = List("LN");
  const int listWidth = list->width();
  const int panelWidth = Find(w, "PL")->width();
  const int pnWidth = Find(w, "PN")->width();
  EXPECT_GE(listWidth, 65);
  EXPECT_LT(listWidth, 90);  // the hexadecimal column stays out of sight
  w->resize(w->width() + 120, w->height());
  QApplication::processEvents();
  EXPECT_EQ(list->width(), listWidth + 120);
  EXPECT_EQ(Find(w, "PL")->width(), panelWidth + 120);
  EXPECT_EQ(Find(w, "PN")->width(), pnWidth);
  EXPECT_GE(w->minimumWidth(), w->width() - 120);
}

}  // namespace
}  // namespace tessaro::test
