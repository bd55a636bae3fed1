// What a screen reader finds: a name for every control that takes the focus, and the new
// value of a result when it changes.

#include "harness/accessibility.h"
#include "harness/windows.h"
#include "themes/fractionswindow.h"

#include "graphwindow/graphwindow.h"
#include "problems/kinds.h"
#include "toolswindow/toolseditor.h"
#include "ui/widgets.h"
#include "working/integerworking.h"
#include "workingwindow/workingwindow.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>

namespace tessaro::test {
namespace {

TEST(FocusableWithoutName, FindsTheControlsAScreenReaderCannotName) {
  QWidget window;
  window.setObjectName(QStringLiteral("Window"));
  QWidget* panel = Named(new QWidget(&window), "Panel");
  QLineEdit* labelled = Edit("Labelled", panel);
  Label(QStringLiteral("Value"), panel)->setBuddy(labelled);
  Edit("Bare", panel);
  new QLineEdit(panel);  // no object name either
  QListWidget* list = Named(new QListWidget(panel), "List");
  Label(QStringLiteral("Items"), panel)->setBuddy(list);
  PictureButton("Hinted", "save", QStringLiteral("Save"), panel);
  PictureButton("Unhinted", "save", QString(), panel);
  Button("Captioned", QStringLiteral("OK"), {}, panel);
  QLineEdit* hidden = Edit("HiddenBare", panel);
  hidden->hide();
  hidden->setEnabled(false);
  Label(QStringLiteral(""), panel, "EmptyLabel");  // takes no focus
  auto* dialog = Named(new QDialog(&window), "OwnWindow");
  Edit("InTheDialog", dialog);

  const QStringList found = FocusableWithoutName(&window);
  EXPECT_EQ(found, QStringList({"Bare", "QLineEdit in Panel", "List", "Unhinted", "HiddenBare"}))
      << "a list view takes no name from its buddy; hidden and disabled controls count";
  EXPECT_EQ(FocusableWithoutName(dialog), QStringList({"InTheDialog"}))
      << "a dialog's controls are its own walk's";
}

class AccessibilityTest : public AppTest {};

TEST_F(AccessibilityTest, TheProblemToolsHelpGraphAndWorkingWindowsNameEveryControl) {
  TFTools tools;
  ProblemWin()->MostraPrbl("1+1", "2");
  auto* graph = qobject_cast<TFGraph*>(FindWindow("FGraph"));
  auto* work = qobject_cast<TFWork*>(FindWindow("FWork"));
  ASSERT_TRUE(graph && work);
  Polynomial p{};
  PolFromText("x^2-1", p);
  graph->ShowPolynomial(p, QStringLiteral("A"));
  work->ShowWorking(QStringLiteral("hcd and LCM"), HcdLcmWorking(12, 18));
  for (QWidget* window : {static_cast<QWidget*>(ProblemWin()), static_cast<QWidget*>(FileExistsWin()),
                          static_cast<QWidget*>(&tools), FindWindow("FHelp"),
                          static_cast<QWidget*>(graph), static_cast<QWidget*>(work)}) {
    EXPECT_EQ(FocusableWithoutName(window), QStringList()) << window->objectName().toStdString();
  }
  // The fields take their labels' words; the pictures their hints.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Find(ProblemWin(), "IdR"))->text(QAccessible::Name),
            "Answer");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Find(&tools, "LT"))->text(QAccessible::Name),
            "Tools");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Find(&tools, "BtUp"))->text(QAccessible::Name),
            "Move up");
  // The file asked about is what a screen reader reads in the file-exists window.
  ExpectDialog("FOps", [](QDialog* d) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Find(d, "EtF"))->text(QAccessible::Name),
              "p1.txt");
    EXPECT_EQ(FocusableWithoutName(d), QStringList());
    d->reject();
  });
  FileExistsWin()->OpsGrd(QStringLiteral("p1.txt"));
}

// Every window of the program, each dialog of the Worksheet window in its turn: a screen
// reader names every control that takes the focus, whether it is shown, enabled or not yet.
TEST_F(AccessibilityTest, EveryWindowOfTheProgramNamesEveryControl) {
  QStringList nameless;
  const auto walk = [&nameless](QWidget* window) {
    ASSERT_NE(window, nullptr);
    for (const QString& control : FocusableWithoutName(window))
      nameless << window->objectName() + QStringLiteral(": ") + control;
  };
  MainWin()->BtIntClick();
  // The windows with their results shown, whose names may change with them.
  ProblemWin()->MostraPrbl("1+1", "2");
  Polynomial p{};
  PolFromText("x^2-1", p);
  qobject_cast<TFGraph*>(FindWindow("FGraph"))->ShowPolynomial(p, QStringLiteral("A"));
  qobject_cast<TFWork*>(FindWindow("FWork"))->ShowWorking(QStringLiteral("hcd and LCM"),
                                                          HcdLcmWorking(12, 18));
  MainWin()->About1Click();
  for (const char* name : {"FMI", "FAritm", "FFracc", "FP", "FPrbl", "FOps", "FAbout", "FSheet",
                           "FHelp", "FGraph", "FWork", "FPrefs"})
    walk(FindWindow(QString::fromLatin1(name)));

  ExpectDialog("FTools", [&walk](QDialog* d) {
    walk(d);
    d->reject();
  });
  MainWin()->OpEdToolsClick();

  const ProblemParams pair = IntegerPairParams{84, 36, 2};
  SheetWin()->AddProblems({{pair, *MakeProblem(pair).texts, false, {}}});
  walk(SheetWin());
  for (const char* dialog : {"DlgRanges", "DlgVersions"}) {
    ExpectDialog(QString::fromLatin1(dialog), [&walk](QDialog* d) {
      walk(d);
      d->reject();
    });
  }
  Click(Find(SheetWin(), "BtRanges"));
  Click(Find(SheetWin(), "BtVersions"));
  EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral("\n")).toStdString();
}

// The name a screen reader says for a control; with `byLabel`, the words of the label it reads
// with the control: on Linux a drop-down list's name is its value, its label this relation.
QString NameOf(const QWidget* window, const char* control, bool byLabel = false) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Find(window, control));
  if (iface && byLabel) {
    const auto labels = iface->relations(QAccessible::Label);
    iface = labels.isEmpty() ? nullptr : labels.front().first;
  }
  return iface ? iface->text(QAccessible::Name) : QString();
}

struct NameRow {
  const char* window;
  const char* control;
  const char* name;
  const char* why;
  bool byLabel = false;  // the name comes from the label's relation
};

// A name says what the control holds: a field in a panel is not named by the panel's title,
// nor a result by the blanks and "=" of its caption.
TEST_F(AccessibilityTest, TheNamesSayWhatEachControlHolds) {
  MainWin()->BtIntClick();
  const NameRow rows[] = {
      {"FMI", "BtInt", "Integers", "a caption without the blanks that line it up"},
      {"FAritm", "IdN", "Integer N", "not the panel's title"},
      {"FAritm", "IdMCD", "hcd(n1,n2)", "the result's notation, without \" =     \""},
      {"FAritm", "IdA", "n1", "an editable drop-down list"},
      {"FAritm", "EtMCDn", "hcd of the selected numbers", "a result of the selection"},
      {"FAritm", "BtPrbl2", "Make problem", "a picture named by its hint"},
      {"FAritm", "Idp", "(                decimals)", "a drop-down list of numbers", true},
      {"FFracc", "LA", "f1", "the operand's label"},
      {"FFracc", "TOpsBin", "Binary operations", "a table takes no name from its heading"},
      {"FP", "IdS", "A + B", "the caption that follows the operands' letters"},
      {"FP", "IdRoots", "(Int.) Roots:", "the label beside it"},
      {"FP", "LCoefs", "Coefficients", "the entry's table"},
      {"FSheet", "CbKey", "Answer key", "its label", true},
      {"FAbout", "EdMail", "E-mail address", "an empty line of the About box"},
  };
  for (const NameRow& row : rows) {
    QWidget* window = FindWindow(QString::fromLatin1(row.window));
    EXPECT_EQ(NameOf(window, row.control, row.byLabel), row.name)
        << row.window << " " << row.control << ": " << row.why;
  }
  // The panels' buttons say which panel's working and problem they give.
  EXPECT_EQ(Find(FindWindow("FAritm"), "BtWork1")->accessibleDescription(), "With 1 integer");
}

// What the theme windows show when they calculate reaches a screen reader: an edit or a
// label by Qt, a table's cells and a label named once by the window.
TEST_F(AccessibilityTest, TheThemesResultsReachAScreenReaderWhenTheyChange) {
  MainWin()->BtIntClick();
  QWidget* integers = FindWindow("FAritm");
  QWidget* fractions = FindWindow("FFracc");
  QWidget* polynomials = FindWindow("FP");
  AccessibleEvents events;
  SetText(Find(integers, "IdN"), QStringLiteral("12"));
  Click(Find(integers, "Ok1"));
  EXPECT_TRUE(events.Sent(QAccessible::TextInserted, "IdFctr", "479001600"));

  for (const auto& [num, den] : {std::pair{"1", "2"}, std::pair{"1", "3"}}) {
    SetText(Find(fractions, "IdN"), QString::fromLatin1(num));
    SetText(Find(fractions, "IdD"), QString::fromLatin1(den));
    Click(Find(fractions, "BtOk"));
  }
  Type(Find(fractions, "LA"), QStringLiteral("1/2"));
  Type(Find(fractions, "LB"), QStringLiteral("1/3"));
  events.Clear();
  Click(Find(fractions, "Ok2"));
  for (const char* cell : {"5/6", "1/6", "1/6", "3/2"})
    EXPECT_TRUE(events.Sent(QAccessible::NameChanged, "TOpsBin", QString::fromLatin1(cell))) << cell;
  SetText(Find(fractions, "IdOC"), QStringLiteral("a+b"));
  Click(Find(fractions, "OkOC"));
  EXPECT_TRUE(events.Sent(QAccessible::DescriptionChanged, "EtOC", "(1/2)+(1/3)"));
  EXPECT_EQ(NameOf(fractions, "EtOC"), "The expression with the values of the list");

  events.Clear();
  Click(Find(polynomials, "BtRnd"));
  auto* cells = Find<QTableWidget>(polynomials, "LCoefs");
  for (int k = 0; k < cells->columnCount(); ++k)
    EXPECT_TRUE(events.Sent(QAccessible::NameChanged, "LCoefs", cells->item(0, k)->text())) << k;
}

struct QtSendsRow {
  const char* widget;
  std::function<void(QWidget& window)> change;  // makes the control "Field" show "42"
  QAccessible::Event sent;
  bool carriesValue;
};

// A one-cell table "Field" whose cell changes from 0 to 42.
QTableWidget* CellShows42(QWidget& window) {
  auto* table = Named(new QTableWidget(1, 1, &window), "Field");
  table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("0")));
  table->item(0, 0)->setText(QStringLiteral("42"));
  return table;
}

// What Qt tells assistive technology by itself when a control shows a new value: a window
// sends its own event only where Qt does not carry the value.
TEST(ResultFields, QtReportsTheNewTextOfEditsLabelsAndTextAreasTheWindowThatOfTableCells) {
  const QtSendsRow rows[] = {
      {"a read-only edit", [](QWidget& w) { ResultEdit("Field", &w)->setText("42"); },
       QAccessible::TextInserted, true},
      {"a label", [](QWidget& w) { Label(QStringLiteral("0"), &w, "Field")->setText("42"); },
       QAccessible::NameChanged, true},
      {"a text area",
       [](QWidget& w) { Named(new QPlainTextEdit(&w), "Field")->setPlainText("42"); },
       QAccessible::TextInserted, true},
      {"a table cell", [](QWidget& w) { CellShows42(w); }, QAccessible::TableModelChanged,
       false},
      {"a table cell the window reports",
       [](QWidget& w) { ReportCellChange(CellShows42(w), 0, 0); }, QAccessible::NameChanged,
       true},
  };
  for (const QtSendsRow& row : rows) {
    SCOPED_TRACE(row.widget);
    QWidget window;
    window.show();
    AccessibleEvents events;
    row.change(window);
    const std::vector<AccessibleChange> sent = events.Of("Field");
    EXPECT_TRUE(std::any_of(sent.begin(), sent.end(),
                            [&](const AccessibleChange& c) { return c.type == row.sent; }));
    EXPECT_EQ(std::any_of(sent.begin(), sent.end(),
                          [](const AccessibleChange& c) { return c.text.contains("42"); }),
              row.carriesValue);
  }
}

TEST_F(AccessibilityTest, TheWindowsResultsReachAScreenReaderWhenTheyChange) {
  AccessibleEvents events;
  ProblemWin()->MostraPrbl("1+1", "2");
  EXPECT_TRUE(events.Sent(QAccessible::TextInserted, "IdE", "1+1"));
  EXPECT_TRUE(events.Sent(QAccessible::TextInserted, "IdR", "2"));

  auto* graph = qobject_cast<TFGraph*>(FindWindow("FGraph"));
  ASSERT_TRUE(graph);
  Polynomial p{};
  PolFromText("4x^2-1", p);
  graph->ShowPolynomial(p, QStringLiteral("A"));
  const QString facts = QStringLiteral("Real roots: -1/2, 1/2. Turning point: (0, -1).");
  EXPECT_TRUE(events.Sent(QAccessible::DescriptionChanged, "PGraph", facts));
  EXPECT_TRUE(events.Sent(QAccessible::NameChanged, "PGraph", "Graph of A(x) = 4x^2-1"));
  // The keys trace on the graph, which has the focus: its name says each point.
  events.Clear();
  Press(Find(graph, "PGraph"), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_TRUE(events.Sent(QAccessible::NameChanged, "PGraph",
                          "Graph of A(x) = 4x^2-1; Root: -1/2"));
  EXPECT_TRUE(events.Sent(QAccessible::NameChanged, "EtTrace", "Root: -1/2"));

  auto* work = qobject_cast<TFWork*>(FindWindow("FWork"));
  ASSERT_TRUE(work);
  work->ShowWorking(QStringLiteral("Division"), IntegerDivisionWorking(7, 2));
  EXPECT_TRUE(events.Sent(QAccessible::TextInserted, "IdWork", QString::fromUtf8("7 = 2·3 + 1")));
  EXPECT_TRUE(events.Sent(QAccessible::DescriptionChanged, "IdWork", QString::fromUtf8("7 = 2·3 + 1")));
}

}  // namespace
}  // namespace tessaro::test
