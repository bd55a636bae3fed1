#include "harness/harness.h"

#include "harness/windows.h"

#include <QToolButton>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>

namespace tessaro::test {
namespace {

using Texts = std::vector<std::string>;

const QString NotAPolynomial = QStringLiteral("Not a rational polynomial");
// The colours of the combined result: #000000 is the usual text colour.
const std::string Code1 = "#fa0000", Code2 = "#960000", Code3 = "#640000", Code4 = "#800040";

class PolynomialsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    PolynomialsWin()->show();
    w = PolynomialsWin();
  }

  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(w, name); }
  QListWidget* List(const char* name) const { return Find<QListWidget>(w, name); }
  std::string T(const char* name) const { return ToStd(TextOf(w, name)); }
  Texts Rows(const char* name) const {
    Texts rows;
    QListWidget* list = List(name);
    for (int i = 0; list && i < list->count(); ++i) rows.push_back(ToStd(list->item(i)->text()));
    return rows;
  }
  std::string Colour(const char* name) const {
    return ToStd(Edit(name)->palette().color(QPalette::Text).name());
  }
  bool Enabled(const char* name) const { return Find(w, name)->isEnabled(); }
  bool ActionEnabled(const char* name) const { return FindAction(w, name)->isEnabled(); }

  void SetCell(int k, const QString& text) {
    Find<QTableWidget>(w, "LCoefs")->item(0, k)->setText(text);
  }
  std::string Cell(int k) const { return ToStd(Find<QTableWidget>(w, "LCoefs")->item(0, k)->text()); }
  // "Send to list" with the typed text.
  void Add(const QString& text) {
    SetText(Edit("IdPol"), text);
    Click(Find(w, "BtaL"));
  }
  void Enter(const char* field, const QString& text) {
    SetText(Edit(field), text);
    Press(Edit(field), Qt::Key_Return);
  }
  void Binary(int a, int b) {
    ClickRow(List("L1"), a);
    ClickRow(List("L2"), b);
    Click(Find(w, "BtBin"));
  }
  void Combined(const QString& expression) {
    SetText(Edit("IdOC"), expression);
    Click(Find(w, "OkOC"));
  }
  Texts BinaryResults() const {
    return {T("IdS"), T("IdD"), T("IdM"), T("IdQ"), T("IdR"), T("IdMCD"), T("IdMCM")};
  }
  Texts UnaryResults() const {
    return {T("IdVN"), T("IdRoots"), T("IdFctr"), T("IdDer"), T("IdPrim")};
  }
  // The letter a one-row chooser shows (the row at the top of its view; none when empty),
  // and the text of the operand field beside it, for A and B.
  Texts Operands() const {
    QApplication::processEvents();
    Texts shown;
    for (const auto& [chooser, field] : {std::pair{"L1", "IdP1"}, std::pair{"L2", "IdP2"}}) {
      const QListWidgetItem* top = List(chooser)->itemAt(QPoint(2, 2));
      shown.push_back(top ? ToStd(top->text()) : "");
      shown.push_back(T(field));
    }
    return shown;
  }

  QWidget* w = nullptr;
};

// The lines a Problem window text area holds, however it ends its last line.
Texts Lines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  Texts out;
  for (const QString& line : lines) out.push_back(ToStd(line));
  return out;
}

// ---- Entry panel

TEST_F(PolynomialsTest, OkReadsTheGridAndAddsNothingWhenItIsEmpty) {
  Click(Find(w, "BtOk"));
  EXPECT_TRUE(Rows("LPols").empty());

  SetCell(2, "1/2");
  Click(Find(w, "BtOk"));
  EXPECT_EQ(Rows("LPols"), Texts{"1/2x^2"});
  EXPECT_EQ(Rows("LL"), Texts{"A"});
  EXPECT_EQ(Cell(2), "1/2");  // the grid keeps its contents

  Click(Find(w, "BtRst"));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(Cell(k), "") << k;
  SetCell(0, "0");
  Click(Find(w, "BtOk"));
  EXPECT_EQ(Rows("LPols"), (Texts{"1/2x^2", "0"}));
}

// Which cells are refused is the panel's (tests/panels); here, that a refusal adds nothing.
TEST_F(PolynomialsTest, GridCellThatIsNoRationalIsRefused) {
  Add("x");
  SetCell(1, "3");
  SetCell(4, "1/0");
  ExpectMessage(NotAPolynomial);
  Click(Find(w, "BtOk"));
  VerifyModals();
  EXPECT_EQ(Rows("LPols"), Texts{"x"});
}

TEST_F(PolynomialsTest, GenerateFillsTheGridAndDirectToListAddsAtOnce) {
  Click(Find(w, "BtRnd"));
  int degree = -1;
  for (int k = 0; k < 10; ++k) {
    EXPECT_NE(Cell(k), "0") << "a zero coefficient leaves its cell empty";
    if (!Cell(k).empty()) degree = k;
  }
  EXPECT_GE(degree, 1);
  EXPECT_LE(degree, 8);
  EXPECT_TRUE(Rows("LPols").empty());
  Click(Find(w, "BtOk"));
  ASSERT_EQ(Rows("LPols").size(), 1);

  Click(Find(w, "FllDwn"));
  ASSERT_EQ(Rows("LPols").size(), 2);
  EXPECT_TRUE(Rows("LPols")[1].find('x') != std::string::npos);
  EXPECT_EQ(T("EtP1"), "B=");  // the unary panel shows the new item
  EXPECT_EQ(T("IdPol"), Rows("LPols")[1]);
}

TEST_F(PolynomialsTest, ListCarriesTheLettersWithoutQAndHoldsTwentyFour) {
  for (int i = 0; i < 24; ++i) Add(QStringLiteral("x+%1").arg(i));
  const Texts letters = Rows("LL");
  ASSERT_EQ(letters.size(), 24);
  EXPECT_EQ(letters[15], "P");
  EXPECT_EQ(letters[16], "R");  // the 17th item
  EXPECT_EQ(letters.back(), "Y");
  EXPECT_EQ(Rows("L1"), letters);
  EXPECT_EQ(Rows("L2"), letters);

  // A 25th polynomial, from each of the three places that add one, changes nothing.
  const Texts before = Rows("LPols");
  const Texts unary = UnaryResults();
  SetCell(0, "5");
  for (const char* button : {"BtOk", "FllDwn", "BtaL"}) {
    SCOPED_TRACE(button);
    ExpectMessage("List full (24 polynomials)", "Wrong entry");
    Click(Find(w, button));
    VerifyModals();
    EXPECT_EQ(Rows("LPols"), before);
    EXPECT_EQ(Rows("LL"), letters);
    EXPECT_EQ(UnaryResults(), unary);
  }
}

// ---- Unary panel

TEST_F(PolynomialsTest, EnterInThePolynomialFieldShowsItsOperationsWithoutStoringIt) {
  Add("x+3");
  Enter("IdPol", "x^2-1");
  EXPECT_EQ(T("EtP1"), "P1=");
  EXPECT_EQ(T("EtP"), "P1");
  EXPECT_EQ(UnaryResults(),
            (Texts{"-1", "-1, 1", "(x+1) (x-1)", "2x", "1/3x^3-x+C"}));
  EXPECT_EQ(Rows("LPols"), Texts{"x+3"});
  EXPECT_TRUE(Enabled("BtPrbl1"));

  Enter("IdX", "1/2");
  EXPECT_EQ(T("IdVN"), "-3/4");

  // Editing the polynomial clears its results and the problem button.
  Type(Edit("IdPol"), "x^2");
  EXPECT_EQ(UnaryResults(), (Texts{"", "", "", "", ""}));
  EXPECT_FALSE(Enabled("BtPrbl1"));
  EXPECT_TRUE(ActionEnabled("OpUn"));
}

TEST_F(PolynomialsTest, TextThatIsNoPolynomialIsRefusedAndChangesNothing) {
  Enter("IdPol", "x^2-1");
  for (const char* text : {"1+x", "X", "3 x", "1/0x", ""}) {
    SCOPED_TRACE(text);
    ExpectMessage(NotAPolynomial);
    Enter("IdPol", text);
    ExpectMessage(NotAPolynomial);
    Click(Find(w, "BtaL"));
    VerifyModals();
    EXPECT_TRUE(Rows("LPols").empty());
    EXPECT_EQ(T("EtP1"), "P1=");
  }
}

TEST_F(PolynomialsTest, NumberTheConversionRefusesShowsItsMessageAndChangesNothing) {
  Add("x^2-1");
  ExpectMessage("'a' is not a valid integer value");
  Enter("IdPol", "x^a");  // an exponent that is no digit
  VerifyModals();
  EXPECT_EQ(T("EtP1"), "A=");

  Enter("IdPol", "x^2-1");
  ExpectMessage("'99999999999' is not a valid integer value");
  Enter("IdX", "99999999999");
  VerifyModals();
  EXPECT_EQ(T("IdVN"), "-1");

  SetCell(3, "-");
  ExpectMessage("'-' is not a valid integer value");
  Click(Find(w, "BtOk"));
  VerifyModals();
  EXPECT_EQ(Rows("LPols"), Texts{"x^2-1"});
}

TEST_F(PolynomialsTest, DoubleClickOnALineOrItsLetterShowsThatPolynomial) {
  Add("x^2-1");
  Add("x+2");
  DoubleClickRow(List("LPols"), 0);
  EXPECT_EQ(T("EtP1"), "A=");
  EXPECT_EQ(T("IdPol"), "x^2-1");
  EXPECT_EQ(T("IdRoots"), "-1, 1");
  DoubleClickRow(List("LL"), 1);
  EXPECT_EQ(T("EtP"), "B");
  EXPECT_EQ(T("IdPol"), "x+2");
  EXPECT_EQ(T("IdRoots"), "-2");
}

TEST_F(PolynomialsTest, EliminateRenamesTheItemsAndShowsTheLast) {
  Add("x+1");
  Add("x+2");
  Add("x+3");
  ClickRow(List("LPols"), 1);
  Click(Find(w, "BtBrr"));
  EXPECT_EQ(Rows("LPols"), (Texts{"x+1", "x+3"}));
  EXPECT_EQ(Rows("LL"), (Texts{"A", "B"}));
  EXPECT_EQ(Rows("L1"), (Texts{"A", "B"}));
  EXPECT_EQ(Rows("L2"), (Texts{"A", "B"}));
  EXPECT_EQ(T("EtP1"), "B=");
  EXPECT_EQ(T("IdPol"), "x+3");
  EXPECT_EQ(T("IdRoots"), "-3");

  Combined("B");
  EXPECT_EQ(T("IdROC"), "x+3");
  Combined("C");
  EXPECT_EQ(T("IdROC"), "WHAT IS IT?");

  // With no line chosen nothing goes.
  List("LPols")->clearSelection();
  List("LPols")->setCurrentRow(-1);
  Click(Find(w, "BtBrr"));
  EXPECT_EQ(Rows("LPols").size(), 2);
}

TEST_F(PolynomialsTest, DeleteKeyRemovesTheLineButKeepsTheUnaryPanel) {
  for (const char* list : {"LPols", "LL"}) {
    SCOPED_TRACE(list);
    Click(Find(w, "BtClear"));
    Add("x+1");
    Add("x+2");
    Add("x+3");
    ClickRow(List(list), 1);
    Press(List(list), Qt::Key_Delete);
    EXPECT_EQ(Rows("LPols"), (Texts{"x+1", "x+3"}));
    EXPECT_EQ(Rows("LL"), (Texts{"A", "B"}));
    EXPECT_EQ(Rows("L1"), (Texts{"A", "B"}));
    EXPECT_EQ(T("EtP1"), "C=");  // not recomputed
    EXPECT_EQ(T("IdPol"), "x+3");
    Combined("B");
    EXPECT_EQ(T("IdROC"), "x+3");  // the stored polynomials moved up too
    Combined("C");
    EXPECT_EQ(T("IdROC"), "WHAT IS IT?");
  }
}

// ---- Binary panel

TEST_F(PolynomialsTest, GoShowsTheSevenBinaryResultsWithTheChosenLetters) {
  Add("x+5");
  Add("x^2-1");
  Add("x-1");
  Binary(1, 2);
  EXPECT_EQ(BinaryResults(), (Texts{"x^2+x-2", "x^2-x", "x^3-x^2-x+1", "x+1", "0", "x-1",
                                          "x^2-1"}));
  EXPECT_EQ(T("EtS"), "B + C");
  EXPECT_EQ(T("EtD"), "B - C");
  EXPECT_EQ(T("EtM"), "B \xC2\xB7 C");
  EXPECT_EQ(T("EtQ"), "B / C");
  EXPECT_EQ(T("EtMCD"), "B,C");
  EXPECT_EQ(T("EtMCM"), "B,C");
  EXPECT_EQ(T("IdP1"), "x^2-1");
  EXPECT_EQ(T("IdP2"), "x-1");

  // Choosing an operand again empties the results; an edited operand is used as typed.
  ClickRow(List("L1"), 1);
  EXPECT_EQ(BinaryResults(), Texts(7));
  SetText(Edit("IdP2"), "x+1");
  Click(Find(w, "BtBin"));
  EXPECT_EQ(T("IdQ"), "x-1");
  EXPECT_EQ(T("IdMCD"), "x+1");
  // The arrow keys choose too.
  List("L2")->setFocus();
  Press(List("L2"), Qt::Key_Up);
  EXPECT_EQ(T("IdP2"), "x^2-1");
  EXPECT_EQ(BinaryResults(), Texts(7));
  Click(Find(w, "BtBin"));
  EXPECT_EQ(T("IdQ"), "1");
  // Adding to the list chooses no operand.
  const Texts results = BinaryResults();
  Add("x");
  EXPECT_EQ(BinaryResults(), results);
}

// Go computes with the operands the choosers show: each chooser shows the letter of the
// polynomial its field holds, from the first item on.
TEST_F(PolynomialsTest, EachChooserShowsTheLetterOfTheOperandInItsField) {
  EXPECT_EQ(Operands(), (Texts{"", "", "", ""}));
  Add("x^2-1");
  EXPECT_EQ(Operands(), (Texts{"A", "x^2-1", "A", "x^2-1"}));
  Add("x-1");
  EXPECT_EQ(Operands(), (Texts{"A", "x^2-1", "B", "x-1"}));
  Click(Find(w, "BtBin"));
  EXPECT_EQ(T("IdQ"), "x+1");
  Add("x");
  EXPECT_EQ(Operands(), (Texts{"A", "x^2-1", "B", "x-1"})) << "a third item chooses nothing";

  // Scrolling a chooser chooses the letter it brings into view.
  List("L2")->verticalScrollBar()->setValue(2);
  EXPECT_EQ(Operands(), (Texts{"A", "x^2-1", "C", "x"}));
  EXPECT_EQ(BinaryResults(), Texts(7));

  // Erasing: an operand keeps its polynomial under its new letter; one whose polynomial
  // went is chosen again at its place.
  ClickRow(List("LPols"), 0);
  Click(Find(w, "BtBrr"));
  EXPECT_EQ(Operands(), (Texts{"A", "x-1", "B", "x"}));
  ClickRow(List("LPols"), 1);
  Press(List("LPols"), Qt::Key_Delete);
  EXPECT_EQ(Operands(), (Texts{"A", "x-1", "A", "x-1"}));

  Click(Find(w, "BtClear"));
  EXPECT_EQ(Operands(), (Texts{"", "", "", ""}));
}

TEST_F(PolynomialsTest, OperandThatIsNoPolynomialStopsGo) {
  Add("x+1");
  Binary(0, 0);
  const Texts before = BinaryResults();
  SetText(Edit("IdP2"), "1+x");
  ExpectMessage(NotAPolynomial);
  Click(Find(w, "BtBin"));
  VerifyModals();
  EXPECT_EQ(BinaryResults(), before);
  EXPECT_TRUE(Enabled("BtPrbl2"));
}

TEST_F(PolynomialsTest, ChoosingWithAnEmptyListDoesNothing) {
  Add("x+1");
  Binary(0, 0);
  const Texts results = BinaryResults();
  Click(Find(w, "BtClear"));
  EXPECT_TRUE(Rows("L1").empty());
  EXPECT_TRUE(Enabled("PBin"));
  for (const char* chooser : {"L1", "L2"}) {
    QListWidget* list = List(chooser);
    Click(list->viewport());
    Press(list, Qt::Key_Down);
  }
  EXPECT_EQ(T("IdP1"), "");  // the operands went with the list
  EXPECT_EQ(BinaryResults(), results);
  EXPECT_EQ(T("EtP1"), "A=");  // the result fields keep their texts
  EXPECT_EQ(T("IdRoots"), "-1");
}

// ---- Combined operation

// The texts and colours of every code are the panel's (tests/panels); here, that the field
// shows them and takes the usual colour back.
TEST_F(PolynomialsTest, CombinedOperationShowsResultsAndMessagesInTheirColours) {
  Add("x+1");
  Add("x-1");
  const std::string normal = Colour("IdROC");
  const struct {
    const char* expression;
    const char* shown;
    std::string colour;
    const char* why;
  } cases[] = {
      {"A*B", "x^2-1", normal, "a product"},
      {"A/B", "Not divisible polynomials", Code1, "a remainder"},
      {"A^0", "exponent should be >1 integer", Code2, "exponent 0"},
      {"A^10", "Degree of result >9", Code3, "degree 10"},
      {"Q", "WHAT IS IT?", Code4, "Q names nothing"},
      {"A-B-A", "-x+1", normal, "the usual colour again"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Combined(c.expression);
    EXPECT_EQ(T("IdROC"), c.shown);
    EXPECT_EQ(Colour("IdROC"), c.colour);
  }
}

TEST_F(PolynomialsTest, ExpressionIsTypedInUpperCaseAndEnterEvaluatesIt) {
  Add("x+1");
  Add("x-1");
  Type(Edit("IdOC"), "a*b");
  EXPECT_EQ(T("IdOC"), "A*B");
  Press(Edit("IdOC"), Qt::Key_Return);
  EXPECT_EQ(T("IdROC"), "x^2-1");
  Type(Edit("IdOC"), "a*b+");
  EXPECT_EQ(T("IdROC"), "");  // an edited expression has no result
  Type(Edit("IdOC"), "");
  Click(Find(w, "OkOC"));
  EXPECT_EQ(T("IdROC"), "");
}

TEST_F(PolynomialsTest, AfterClearingTheListALetterIsUnknown) {
  Add("x+1");
  Combined("A");
  EXPECT_EQ(T("IdROC"), "x+1");
  Click(Find(w, "BtClear"));
  EXPECT_TRUE(Rows("LPols").empty());
  EXPECT_TRUE(Rows("LL").empty());
  EXPECT_TRUE(Enabled("POC"));
  Combined("A");
  EXPECT_EQ(T("IdROC"), "WHAT IS IT?");
  EXPECT_EQ(Colour("IdROC"), Code4);
}

// ---- Size

TEST_F(PolynomialsTest, WideningGoesToTheBinaryAndCombinedPanelsAndHalfToListAndUnary) {
  QApplication::processEvents();
  const QRect pl = Find(w, "PL")->geometry(), pun = Find(w, "PUn")->geometry();
  const QRect pbin = Find(w, "PBin")->geometry(), poc = Find(w, "POC")->geometry();
  const QSize designed = w->size();

  w->resize(designed.width() + 100, designed.height());
  QApplication::processEvents();
  EXPECT_NEAR(Find(w, "PBin")->width(), pbin.width() + 100, 3);
  EXPECT_NEAR(Find(w, "POC")->width(), poc.width() + 100, 3);
  EXPECT_NEAR(Find(w, "PL")->width(), pl.width() + 50, 3);
  EXPECT_NEAR(Find(w, "PUn")->x(), pun.x() + 50, 3);
  EXPECT_NEAR(Find(w, "PUn")->width(), pun.width() + 50, 3);

  // Narrower than designed changes nothing.
  w->resize(designed.width() - 100, designed.height() - 100);
  QApplication::processEvents();
  EXPECT_EQ(w->size(), designed);
  EXPECT_EQ(Find(w, "PBin")->geometry(), pbin);
  EXPECT_EQ(Find(w, "PUn")->geometry(), pun);
}

// ---- Enabling and problems

TEST_F(PolynomialsTest, ProblemCommandsAreEnabledByTheirResultsAndAllByTheThree) {
  auto state = [this] {
    QString s;
    for (const char* b : {"PBin", "POC", "BtPrbl1", "BtPrbl2", "BtPrblC"}) s += Enabled(b) ? '1' : '0';
    s += ' ';
    for (const char* a : {"OpUn", "OpBin", "OpCmb", "OpAll"}) s += ActionEnabled(a) ? '1' : '0';
    return s;
  };
  EXPECT_EQ(state(), "00000 0000");
  Add("x+1");
  EXPECT_EQ(state(), "11100 1000");
  Combined("A^0");
  EXPECT_EQ(state(), "11100 1000");  // a failed combined operation enables nothing
  Combined("A*A");
  EXPECT_EQ(state(), "11101 1010");
  Type(Edit("IdPol"), "x");
  EXPECT_EQ(state(), "11001 1010");  // editing P disables its button only
  Combined("A/0");
  EXPECT_EQ(state(), "11000 1010");  // the button follows the last evaluation, the menu stays
  Binary(0, 0);
  EXPECT_EQ(state(), "11010 1111");
  Click(Find(w, "BtClear"));
  EXPECT_EQ(state(), "11010 1111");
}

TEST_F(PolynomialsTest, AllBecomesEnabledWhicheverResultComesLast) {
  Add("x+1");  // unary
  Binary(0, 0);
  EXPECT_FALSE(ActionEnabled("OpAll"));
  Combined("A");
  EXPECT_TRUE(ActionEnabled("OpAll"));
}

TEST_F(PolynomialsTest, ProblemButtonsShowTheWindowsTexts) {
  MainWin()->show();
  Click(Find(MainWin(), "BtPol"));
  Enter("IdPol", "x^2-1");
  Click(Find(w, "BtPrbl1"));
  QWidget* problem = FindWindow("FPrbl");
  ASSERT_TRUE(problem->isVisible());
  EXPECT_EQ(Lines(TextOf(problem, "IdE")),
            (Texts{"For the poynomial x^2-1 calculate:", "Its value for x= 0", "Its integer roots (if any)",
                         "Its factorization.", "Its derivative.", "Its integral."}));
  EXPECT_EQ(Lines(TextOf(problem, "IdR")),
            (Texts{"P(0) = -1", "Integer roots: -1, 1", "Factorization: (x+1) (x-1)", "Derivative: 2x",
                         "Integral: 1/3x^3-x+C"}));

  Add("x^2-1");
  Add("x-1");
  Binary(0, 1);
  Click(Find(w, "BtPrbl2"));
  EXPECT_EQ(Lines(TextOf(problem, "IdE")),
            (Texts{"For the poynomials", "A: x^2-1  B: x-1",
                         "calculate: A+B, A-B, A\xC2\xB7" "B, A/B (->Q,R),hcd(A,B),LCM(A,B)"}));
  EXPECT_EQ(Lines(TextOf(problem, "IdR")),
            (Texts{"A+B= x^2+x-2", "A-B= x^2-x", "A\xC2\xB7" "B= x^3-x^2-x+1", "A/B:  Q= x+1 R= 0",
                   "hcd(A,B)= x-1", "LCM(A,B)= x^2-1"}));

  Combined("A*B");
  Click(Find(w, "BtPrblC"));
  EXPECT_EQ(Lines(TextOf(problem, "IdE")),
            (Texts{"Calculate A*B , being:  ", "  A= x^2-1", "  B= x-1"}));
  EXPECT_EQ(Lines(TextOf(problem, "IdR")), Texts{"A*B = x^3-x^2-x+1"});
}

TEST_F(PolynomialsTest, ButtonWhosePreconditionFailsShowsTheLastProblemAgain) {
  Add("x^2-1");
  Add("x-1");
  Binary(0, 1);
  Click(Find(w, "BtPrbl2"));
  QWidget* problem = FindWindow("FPrbl");
  const QString question = TextOf(problem, "IdE");
  ClickRow(List("L1"), 1);  // binary done cleared
  Click(Find(w, "BtPrbl2"));
  EXPECT_EQ(TextOf(problem, "IdE"), question);
  Combined("A^0");
  Click(Find(w, "BtPrblC"));  // disabled: nothing happens
  EXPECT_EQ(TextOf(problem, "IdE"), question);
}

// What a problem command shows in the Problem window: question lines, then answer lines.
Texts ProblemShown(QWidget* w, const char* button) {
  Click(Find(w, button));
  QWidget* problem = FindWindow("FPrbl");
  Texts shown = Lines(TextOf(problem, "IdE"));
  for (const std::string& line : Lines(TextOf(problem, "IdR"))) shown.push_back(line);
  return shown;
}

// A problem repeats the operands and the results shown with them: what was typed, chosen
// or erased since they were computed does not enter it.
TEST_F(PolynomialsTest, ProblemRepeatsTheOperandsShownWithTheirResults) {
  Add("x^2-1");
  Add("x-1");
  Add("x+2");
  Enter("IdPol", "x^2-1");
  Binary(0, 2);
  Combined("B*C");
  const Texts unary = ProblemShown(w, "BtPrbl1");
  const Texts binary = ProblemShown(w, "BtPrbl2");
  const Texts combined = ProblemShown(w, "BtPrblC");
  EXPECT_EQ(unary[6], "P(0) = -1");
  EXPECT_EQ(binary[1], "A: x^2-1  B: x+2");
  EXPECT_EQ(combined, (Texts{"Calculate B*C , being:  ", "  B= x-1", "  C= x+2", "B*C = x^2+x-2"}));

  SetText(Edit("IdX"), "5");     // no Enter
  SetText(Edit("IdP2"), "x+1");  // no Go
  ClickRow(List("LPols"), 1);
  Press(List("LPols"), Qt::Key_Delete);  // B goes, C becomes B
  Type(Edit("IdOC"), "B*C+1");           // no =
  EXPECT_EQ(ProblemShown(w, "BtPrbl1"), unary);
  EXPECT_EQ(ProblemShown(w, "BtPrbl2"), binary);
  EXPECT_EQ(ProblemShown(w, "BtPrblC"), combined);

  // A Go that fails leaves the results and their problem as they were; the menu makes the
  // problem of the last results even once an operand is chosen again.
  SetText(Edit("IdP2"), "1+x");
  ExpectMessage(NotAPolynomial);
  Click(Find(w, "BtBin"));
  VerifyModals();
  EXPECT_EQ(ProblemShown(w, "BtPrbl2"), binary);
  ClickRow(List("L1"), 1);
  Trigger(FindAction(w, "OpBin"));
  EXPECT_EQ(Lines(TextOf(FindWindow("FPrbl"), "IdE"))[1], binary[1]);
  EXPECT_EQ(Lines(TextOf(FindWindow("FPrbl"), "IdR")).back(), binary.back());
}

// The Problem window is handed each section with the inputs it was made from.
TEST_F(PolynomialsTest, ProblemIsHandedItsSectionsWithTheirInputs) {
  std::vector<ShownProblem> shown;
  TFP window([&shown](const ShownProblem& p) { shown.push_back(p); });
  SetText(Find(&window, "IdPol"), "x-1");
  Click(Find(&window, "BtaL"));
  SetText(Find(&window, "IdPol"), "x+1");
  Click(Find(&window, "BtaL"));
  Click(Find(&window, "BtBin"));
  SetText(Find(&window, "IdOC"), "A*B");
  Click(Find(&window, "OkOC"));
  Trigger(FindAction(&window, "OpAll"));
  ASSERT_EQ(shown.size(), 1u);
  const ShownProblem& all = shown.back();
  ASSERT_EQ(all.parts.size(), 3u);
  const auto* single = std::get_if<PolynomialSingleParams>(&all.parts[0].params);
  const auto* pair = std::get_if<PolynomialPairParams>(&all.parts[1].params);
  const auto* combined = std::get_if<PolynomialCombinedParams>(&all.parts[2].params);
  ASSERT_TRUE(single && pair && combined);
  EXPECT_EQ((Texts{single->p, single->x}), (Texts{"x+1", "0"}));
  EXPECT_EQ((Texts{pair->a, pair->b}), (Texts{"x-1", "x+1"}));
  EXPECT_EQ(combined->expression, "A*B");
  EXPECT_EQ(combined->polynomials, (Texts{"x-1", "x+1"}));
  for (const ProblemPart& part : all.parts) {
    EXPECT_NE(all.texts.Enun.find(part.texts.Enun), std::string::npos) << KindName(part.params);
    EXPECT_NE(all.texts.Resp.find(part.texts.Resp), std::string::npos) << KindName(part.params);
  }
}

// Graph shows the unary panel's polynomial; an open graph then follows the panel.
TEST_F(PolynomialsTest, GraphShowsTheUnaryPolynomialAndFollowsThePanel) {
  struct Shown {
    std::string text, name;
    bool front;
  };
  std::vector<Shown> graphs;
  TFP window([](const ShownProblem&) {},
             [&graphs](const Polynomial& p, const std::string& name, bool front) {
               graphs.push_back({PolToText(p), name, front});
             });
  auto* graph = Find<QToolButton>(&window, "BtGraph");
  EXPECT_FALSE(graph->isEnabled()) << "nothing to draw yet";
  SetText(Find(&window, "IdPol"), "4x^2-1");
  Click(Find(&window, "BtaL"));
  ASSERT_TRUE(graph->isEnabled());
  graphs.clear();
  Click(graph);
  ASSERT_EQ(graphs.size(), 1u);
  EXPECT_EQ(graphs[0].text, "4x^2-1");
  EXPECT_EQ(graphs[0].name, "A");
  EXPECT_TRUE(graphs[0].front);
  SetText(Find(&window, "IdPol"), "x^3-x");
  Click(Find(&window, "BtaL"));
  ASSERT_EQ(graphs.size(), 2u);
  EXPECT_EQ(graphs[1].text, "x^3-x");
  EXPECT_EQ(graphs[1].name, "B");
  EXPECT_FALSE(graphs[1].front) << "following does not bring the graph up";
  Type(Find(&window, "IdPol"), "x");
  EXPECT_FALSE(graph->isEnabled()) << "an edited polynomial has no results to draw";
}

TEST_F(PolynomialsTest, GraphButtonOpensTheGraphWindowAtStartUp) {
  Add("4x^2-1");
  Click(Find(w, "BtGraph"));
  QWidget* graph = FindWindow("FGraph");
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(graph->isVisible());
  EXPECT_TRUE(TextOf(graph, "IdFacts").contains("-1/2, 1/2")) << TextOf(graph, "IdFacts").toStdString();
}

TEST_F(PolynomialsTest, MenuAllJoinsThePartsAndLeavesOutAnEmptyPolynomial) {
  Add("x+1");
  Binary(0, 0);
  Combined("A^2");
  SetText(Edit("IdPol"), "");
  Trigger(FindAction(w, "OpAll"));
  QWidget* problem = FindWindow("FPrbl");
  EXPECT_EQ(Lines(TextOf(problem, "IdE")),
            (Texts{"", "----------------", "For the poynomials", "A: x+1  B: x+1",
                         "calculate: A+B, A-B, A\xC2\xB7" "B, A/B (->Q,R),hcd(A,B),LCM(A,B)", "",
                         "----------------", "Calculate A^2 , being:  ", "  A= x+1"}));
  const Texts answer = Lines(TextOf(problem, "IdR"));
  ASSERT_FALSE(answer.empty());
  EXPECT_EQ(answer.back(), "A^2 = x^2+2x+1");

  Trigger(FindAction(w, "OpUn"));
  EXPECT_EQ(TextOf(problem, "IdE"), "");
  Trigger(FindAction(w, "OpCmb"));
  EXPECT_EQ(Lines(TextOf(problem, "IdR")), Texts{"A^2 = x^2+2x+1"});
}

}  // namespace
}  // namespace tessaro::test
