#include "themes/polynomialswindow.h"

#include "numbers/words.h"
#include "problems/workingtext.h"
#include "themes/themewords.h"
#include "ui/keyboard.h"
#include "ui/ui.h"
#include "ui/widgets.h"
#include "panels/polynomialpanel.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace tessaro {

namespace {

constexpr int CellWidth = 50;

// The grid's cells take no longer a text than the fields do.
class CellEditor : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    LimitEntry(editor);
    return editor;
  }
};

// Turns what is typed to upper case, so the letters of the list can be typed either way.
class UpperCase : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

QToolButton* IconButton(QWidget* parent, const char* name, const char* icon, const QString& hint) {
  QToolButton* button = PictureButton(name, icon, hint, parent, 22);
  button->setFixedSize(32, 32);
  return button;
}

// A list box one row high: the letters of the list, to choose an operand; its scroll bar
// steps through the letters.
QListWidget* MakeChooser(QWidget* parent, const char* name, int height) {
  auto* list = Named(new QListWidget(parent), name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list->setFixedSize(52, height);
  return list;
}

// A letter line of LL, L1 or L2; in the one-row choosers it fills the row.
void AddLetter(QListWidget* list, const QString& letter) {
  auto* item = new QListWidgetItem(letter, list);
  if (list->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) {
    item->setSizeHint(QSize(0, list->height() - 2 * list->frameWidth()));
    item->setTextAlignment(Qt::AlignCenter);
  }
}

}  // namespace

TFP::TFP(ShowProblem showProblem, ShowGraph showGraph, ShowWorking showWorking, QWidget* parent)
    : QMainWindow(parent),
      showProblem_(std::move(showProblem)),
      showGraph_(std::move(showGraph)),
      working_(std::move(showWorking), this,
               [this](const QString& panel) { return PanelWorkingOf(panel); }) {
  setObjectName(QStringLiteral("FP"));
  setWindowTitle(tr("Polynomials of rational coefficients"));
  setWindowIcon(Icon(QStringLiteral("polynomials")));
  Randomize();

  auto* central = Named(new QWidget(this), "Client");
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->setSpacing(4);
  layout->addWidget(BuildEntry(), 0, Qt::AlignLeft);
  // The list and the unary panel share every extra pixel half and half: equal minimum
  // widths and equal stretch keep them equally wide at any width.
  auto* middle = new QHBoxLayout;
  QGroupBox* list = BuildList();
  QGroupBox* unary = BuildUnary();
  const int half = std::max(list->sizeHint().width(), unary->sizeHint().width());
  list->setMinimumWidth(half);
  unary->setMinimumWidth(half);
  middle->addWidget(list, 1);
  middle->addWidget(unary, 1);
  layout->addLayout(middle);
  layout->addWidget(BuildBinary());
  layout->addWidget(BuildCombined());
  layout->addStretch(1);
  setCentralWidget(central);
  BuildMenu();
  Connect();
  // Within each panel row by row, left to right.
  TabOrder({BtOk, BtRnd, BtRst, FllDwn});
  TabOrder({L1, IdP1, L2, IdP2, BtBin});
  TabOrder({IdRoots, BtGraph, IdFctr});
  DimIni();
  Write();
}

QGroupBox* TFP::BuildEntry() {
  //: The title of the panel where a polynomial is typed coefficient by coefficient or drawn.
  PEntr = Panel("PEntr", tr("Entry /generate"), this);
  LCoefs = Named(new QTableWidget(1, 10, PEntr), "LCoefs");
  static const char* const headings[10] = {"c",      "x",      "x\u00B2", "x\u00B3", "x\u2074",
                                           "x\u2075", "x\u2076", "x\u2077", "x\u2078", "x\u2079"};
  QStringList labels;
  for (const char* h : headings) labels << QString::fromUtf8(h);
  LCoefs->setHorizontalHeaderLabels(labels);
  LCoefs->horizontalHeader()->setObjectName(QStringLiteral("EtsX"));
  LCoefs->verticalHeader()->hide();
  LCoefs->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  LCoefs->horizontalHeader()->setDefaultSectionSize(CellWidth);
  LCoefs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LCoefs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LCoefs->setSelectionMode(QAbstractItemView::SingleSelection);
  LCoefs->setItemDelegate(new CellEditor(LCoefs));
  //: A screen reader's name of the row of the coefficients of c, x, x², ... x⁹.
  SpeakAs(LCoefs, tr("Coefficients"));
  RstEntr();
  const int frame = 2 * LCoefs->frameWidth();
  const int header = LCoefs->horizontalHeader()->sizeHint().height();
  LCoefs->setFixedSize(10 * CellWidth + frame, header + LCoefs->rowHeight(0) + frame);

  BtOk = Button("BtOk", themewords::Ok(), {}, PEntr);
  //: The hint of the button that empties the coefficients.
  BtRst = Button("BtRst", themewords::Reset(), tr("Clear"), PEntr);
  BtRnd = IconButton(PEntr, "BtRnd", "generate", themewords::Generate());
  //: The hint of the button that puts a random polynomial straight into the list.
  FllDwn = IconButton(PEntr, "FllDwn", "direct-to-list", tr("Direct to list"));
  for (QPushButton* b : {BtOk, BtRst}) b->setFixedWidth(48);

  auto* buttons = new QGridLayout;
  buttons->setSpacing(4);
  buttons->addWidget(BtOk, 0, 0);
  buttons->addWidget(BtRst, 1, 0);
  buttons->addWidget(BtRnd, 0, 1);
  buttons->addWidget(FllDwn, 1, 1);
  auto* layout = new QHBoxLayout(PEntr);
  layout->addWidget(LCoefs, 0, Qt::AlignVCenter);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  return PEntr;
}

QGroupBox* TFP::BuildList() {
  PL = Panel("PL", tr("Polynomials"), this);
  LL = Named(new QListWidget(PL), "LL");
  LPols = Named(new QListWidget(PL), "LPols");
  LL->setFixedWidth(28);
  LL->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LL->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LL->setFocusPolicy(Qt::ClickFocus);
  LPols->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  LPols->setMinimumHeight(150);
  SpeakAs(LL, themewords::LettersOfTheList());
  SpeakAs(LPols, tr("Polynomials of the list"));
  // A letter and its polynomial stand on the same line: one selection, one scroll position.
  connect(LPols->verticalScrollBar(), &QScrollBar::valueChanged, LL->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(LL->verticalScrollBar(), &QScrollBar::valueChanged, LPols->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(LPols, &QListWidget::currentRowChanged, LL,
          qOverload<int>(&QListWidget::setCurrentRow));
  connect(LL, &QListWidget::currentRowChanged, LPols,
          qOverload<int>(&QListWidget::setCurrentRow));

  //: The hint of the button that takes the selected polynomial out of the list; keep the blank
  //: at its end.
  BtBrr = Button("BtBrr", QStringLiteral("x"), tr("Eliminate "), PL);
  BtClear = Button("BtClear", themewords::Reset(), themewords::ClearList(), PL);
  for (QPushButton* b : {BtBrr, BtClear}) b->setFixedWidth(48);

  auto* lists = new QHBoxLayout;
  lists->setSpacing(2);
  lists->addWidget(LL);
  lists->addWidget(LPols, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtBrr);
  buttons->addWidget(BtClear);
  auto* layout = new QVBoxLayout(PL);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);
  return PL;
}

QGroupBox* TFP::BuildUnary() {
  PUn = Panel("PUn", UnaryOperations(), this);
  EtP1 = Label(QStringLiteral("P="), PUn, "EtP1", Right);
  IdPol = Edit("IdPol", PUn);
  LimitEntry(IdPol);
  //: A screen reader's name of the field of the polynomial of the unary panel.
  SpeakAs(IdPol, tr("Polynomial"));
  BtaL = IconButton(PUn, "BtaL", "add-to-list", tr("Send to list"));

  EtP = Label(QStringLiteral("P"), PUn, "EtP", Right);
  IdX = Edit("IdX", PUn);
  LimitEntry(IdX);
  IdX->setText(QStringLiteral("0"));
  IdX->setFixedWidth(64);
  IdX->setAlignment(Qt::AlignCenter);
  IdVN = ResultEdit("IdVN", PUn);
  //: The hint of the field of the polynomial's value at the point typed beside it.
  IdVN->setToolTip(tr("Numeric value for..."));
  //: A screen reader's name of the field of the number x at which the value is calculated.
  SpeakAs(IdX, tr("Point of the value"));
  SpeakAs(IdVN, tr("Numeric value"));
  auto* value = new QHBoxLayout;
  value->setSpacing(2);
  value->addWidget(new QLabel(QStringLiteral("("), PUn));
  value->addWidget(IdX);
  value->addWidget(new QLabel(QStringLiteral(")  =  "), PUn));
  value->addWidget(IdVN, 1);

  IdRoots = ResultEdit("IdRoots", PUn);
  IdFctr = ResultEdit("IdFctr", PUn);
  IdDer = ResultEdit("IdDer", PUn);
  IdPrim = ResultEdit("IdPrim", PUn);
  BtWork1 = WorkingButton("BtWork1", PUn);
  BtPrbl1 = IconButton(PUn, "BtPrbl1", "problem", themewords::Problem());
  BtPrbl1->setEnabled(false);
  //: The hint of the button that draws the polynomial's graph.
  BtGraph = IconButton(PUn, "BtGraph", "graph", tr("Graph"));
  BtGraph->setEnabled(false);
  for (QWidget* button : {static_cast<QWidget*>(BtWork1), static_cast<QWidget*>(BtPrbl1)})
    button->setAccessibleDescription(UnaryOperations());

  auto* grid = new QGridLayout(PUn);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  grid->addWidget(EtP1, 0, 0);
  grid->addWidget(IdPol, 0, 1);
  grid->addWidget(BtaL, 0, 2);
  grid->addWidget(EtP, 1, 0);
  grid->addLayout(value, 1, 1);
  // The labels name the results for a screen reader.
  //: The label of the integer roots of the polynomial; "Int." is short for integer.
  const std::pair<QString, QLineEdit*> results[] = {{tr("(Int.) Roots:"), IdRoots},
                                                    {tr("Factorization:"), IdFctr},
                                                    {tr("Derivative"), IdDer},
                                                    {tr("Integral"), IdPrim}};
  const char* const labels[] = {"EtRoots", "EtFctr", "EtDer", "EtPrim"};
  for (int i = 0; i < 4; ++i) {
    QLabel* label = Label(results[i].first, PUn, labels[i], Right);
    label->setBuddy(results[i].second);
    grid->addWidget(label, 2 + i, 0);
    grid->addWidget(results[i].second, 2 + i, 1);
  }
  grid->addWidget(BtGraph, 2, 2);
  grid->addWidget(Beside(BtWork1, BtPrbl1), 5, 2);
  grid->setRowStretch(6, 1);
  return PUn;
}

QGroupBox* TFP::BuildBinary() {
  PBin = Panel("PBin", themewords::BinaryOperations(), this);
  PBin->setEnabled(false);
  IdP1 = Edit("IdP1", PBin);
  IdP2 = Edit("IdP2", PBin);
  for (QLineEdit* e : {IdP1, IdP2}) LimitEntry(e);
  const int row = IdP1->sizeHint().height();
  L1 = MakeChooser(PBin, "L1", row);
  L2 = MakeChooser(PBin, "L2", row);
  //: A screen reader's names of the fields of the two polynomials of the binary operations,
  //: and of the one-letter lists beside them that choose them from the list.
  SpeakAs(IdP1, tr("First polynomial"));
  SpeakAs(IdP2, tr("Second polynomial"));
  SpeakAs(L1, tr("Letter of the first polynomial"));
  SpeakAs(L2, tr("Letter of the second polynomial"));
  //: The caption of the button that calculates the binary operations.
  BtBin = Button("BtBin", tr("Go"), {}, PBin);
  BtBin->setFixedWidth(48);

  EtS = Label(QStringLiteral("A + B"), PBin, "EtS", Right);
  EtD = Label(QStringLiteral("A - B"), PBin, "EtD", Right);
  EtM = Label(QString::fromUtf8("A \xC2\xB7 B"), PBin, "EtM", Right);
  EtQ = Label(QStringLiteral("A / B"), PBin, "EtQ", Right);
  EQ = Label(QStringLiteral("Q"), PBin, "EQ", Right);
  EQ->setToolTip(tr("quotient"));
  ER = Label(QStringLiteral("R"), PBin, "ER", Right);
  ER->setToolTip(tr("remainder"));
  IdS = ResultEdit("IdS", PBin);
  IdD = ResultEdit("IdD", PBin);
  IdM = ResultEdit("IdM", PBin);
  IdQ = ResultEdit("IdQ", PBin);
  IdR = ResultEdit("IdR", PBin);
  IdMCD = ResultEdit("IdMCD", PBin);
  IdMCM = ResultEdit("IdMCM", PBin);
  // The captions name the results for a screen reader; they follow the operands' letters.
  for (const auto& [label, field] : {std::pair{EtS, IdS}, std::pair{EtD, IdD}, std::pair{EtM, IdM}})
    label->setBuddy(field);
  SpeakAs(IdQ, tr("Quotient"));
  SpeakAs(IdR, tr("Remainder"));
  BtWork2 = WorkingButton("BtWork2", PBin);
  BtPrbl2 = IconButton(PBin, "BtPrbl2", "problem", themewords::Problem());
  BtPrbl2->setEnabled(false);
  for (QWidget* button : {static_cast<QWidget*>(BtWork2), static_cast<QWidget*>(BtPrbl2)})
    button->setAccessibleDescription(themewords::BinaryOperations());

  // "hcd(A,B)" and "LCM(A,B)": the letters sit in their own label between the brackets.
  auto bracketed = [this](const std::string& name, QLabel*& letters, const char* labelName,
                          const QString& hint) {
    auto* box = new QHBoxLayout;
    box->setSpacing(0);
    box->addStretch(1);
    box->addWidget(new QLabel(FromStd(name) + QStringLiteral("("), PBin));
    letters = Label(QStringLiteral("A,B"), PBin, labelName, Right);
    letters->setToolTip(hint);
    box->addWidget(letters);
    box->addWidget(new QLabel(QStringLiteral(")"), PBin));
    return box;
  };

  // Two columns of results keep the window within the height of a small laptop screen:
  // sum, difference and product at the left; quotient, remainder, hcd and LCM at the right.
  auto* grid = new QGridLayout(PBin);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(4, 1);
  grid->addWidget(L1, 0, 0, Qt::AlignRight);
  grid->addWidget(IdP1, 0, 1, 1, 4);
  grid->addWidget(L2, 1, 0, Qt::AlignRight);
  grid->addWidget(IdP2, 1, 1, 1, 4);
  grid->addWidget(BtBin, 1, 5);
  grid->addWidget(EtS, 2, 0);
  grid->addWidget(IdS, 2, 1);
  grid->addWidget(EtD, 3, 0);
  grid->addWidget(IdD, 3, 1);
  grid->addWidget(EtM, 4, 0);
  grid->addWidget(IdM, 4, 1);
  auto* division = new QHBoxLayout;
  division->setSpacing(6);
  division->addWidget(EtQ);
  division->addWidget(EQ);
  grid->addLayout(division, 2, 3, Qt::AlignRight);
  grid->addWidget(IdQ, 2, 4);
  grid->addWidget(ER, 3, 3, Qt::AlignRight);
  grid->addWidget(IdR, 3, 4);
  grid->addLayout(bracketed(HcdName(), EtMCD, "EtMCD", tr("Highest Common Divisor of...")), 4, 3);
  grid->addWidget(IdMCD, 4, 4);
  grid->addLayout(bracketed(LcmName(), EtMCM, "EtMCM", tr("Lowest Common Multiple of...")), 5, 3);
  grid->addWidget(IdMCM, 5, 4);
  grid->addWidget(Beside(BtWork2, BtPrbl2), 5, 5);
  grid->setColumnMinimumWidth(2, 12);
  return PBin;
}

QGroupBox* TFP::BuildCombined() {
  POC = Panel("POC", themewords::CombinedOperation(), this);
  POC->setEnabled(false);
  IdOC = Edit("IdOC", POC);
  LimitEntry(IdOC);
  IdOC->setValidator(new UpperCase(IdOC));
  IdOC->setFixedWidth(240);
  OkOC = Button("OkOC", QStringLiteral("="), {}, POC);
  OkOC->setFixedWidth(36);
  IdROC = ResultEdit("IdROC", POC);
  BtWorkC = WorkingButton("BtWorkC", POC);
  BtPrblC = IconButton(POC, "BtPrblC", "problem", themewords::Problem());
  BtPrblC->setEnabled(false);
  for (QWidget* button : {static_cast<QWidget*>(BtWorkC), static_cast<QWidget*>(BtPrblC)})
    button->setAccessibleDescription(themewords::CombinedOperation());

  //: The combined operation uses the letters of the list; %1 is "A,B".
  auto* items = new QLabel(tr("(with items of the list: %1...)").arg(QStringLiteral("A,B")), POC);
  //: %1 lists the operators, as they are typed.
  auto* operators = new QLabel(tr("operators: %1").arg(QStringLiteral("+  - * / ^ ( )")), POC);
  SpeakAs(IdOC, themewords::Expression(), items->text() + QStringLiteral(" ") + operators->text());
  SpeakAs(OkOC, themewords::Calculate());
  SpeakAs(IdROC, themewords::Value());
  auto* notes = new QHBoxLayout;
  notes->addWidget(items);
  notes->addStretch(1);
  notes->addWidget(operators);
  auto* row = new QHBoxLayout;
  row->addWidget(IdOC);
  row->addWidget(OkOC);
  row->addWidget(IdROC, 1);
  row->addWidget(BtWorkC);
  row->addWidget(BtPrblC);
  auto* layout = new QVBoxLayout(POC);
  layout->addLayout(notes);
  layout->addLayout(row);
  return POC;
}

void TFP::BuildMenu() {
  MnuPrbl = Menu(menuBar(), "MnuPrbl", themewords::Problem());
  OpUn = MenuItem("OpUn", UnaryOperations(), MnuPrbl);
  OpBin = MenuItem("OpBin", themewords::BinaryOperations(), MnuPrbl);
  OpCmb = MenuItem("OpCmb", themewords::CombinedOperation(), MnuPrbl);
  OpAll = MenuItem("OpAll", themewords::All(), MnuPrbl);
  Disable({OpUn, OpBin, OpCmb, OpAll});
  MenuKeys(menuBar());
}

template <class F>
void TFP::Handle(F handler) {
  RunGuarded(handler);
  // Also after a handler that stopped on a message: what it changed before is shown.
  Write();
}

void TFP::Connect() {
  auto on = [this](auto* sender, auto signal, auto handler) {
    connect(sender, signal, this,
            [this, handler](auto&&...) { Handle([=, this] { (this->*handler)(); }); });
  };
  on(BtOk, &QPushButton::clicked, &TFP::BtOkClick);
  on(BtRst, &QPushButton::clicked, &TFP::RstEntr);
  on(BtRnd, &QToolButton::clicked, &TFP::BtRndClick);
  on(FllDwn, &QToolButton::clicked, &TFP::FllDwnClick);
  on(BtaL, &QToolButton::clicked, &TFP::BtaLClick);
  connect(BtGraph, &QToolButton::clicked, this, [this] { Handle([this] { Graph(true); }); });
  working_.Attach(BtWork1, QStringLiteral("1"));
  working_.Attach(BtWork2, QStringLiteral("2"));
  working_.Attach(BtWorkC, QStringLiteral("C"));
  on(IdPol, &QLineEdit::returnPressed, &TFP::IdPolKeyDown);
  // Only the user's edits: the window writes the field itself when it shows an item.
  on(IdPol, &QLineEdit::textEdited, &TFP::IdPolChange);
  on(IdX, &QLineEdit::returnPressed, &TFP::VNP);
  on(LPols, &QListWidget::itemDoubleClicked, &TFP::LPolsDblClick);
  on(LL, &QListWidget::itemDoubleClicked, &TFP::LPolsDblClick);
  on(BtBrr, &QPushButton::clicked, &TFP::BtBrrClick);
  on(BtClear, &QPushButton::clicked, &TFP::BtClearClick);
  on(BtBin, &QPushButton::clicked, &TFP::BtBinClick);
  on(OkOC, &QPushButton::clicked, &TFP::OpsCmb);
  on(IdOC, &QLineEdit::returnPressed, &TFP::OpsCmb);
  on(IdOC, &QLineEdit::textEdited, &TFP::IdOCChange);
  const std::pair<QToolButton*, PolProblemKind> buttons[] = {{BtPrbl1, PolProblemKind::Unary},
                                                             {BtPrbl2, PolProblemKind::Binary},
                                                             {BtPrblC, PolProblemKind::Combined}};
  for (const auto& [button, kind] : buttons)
    connect(button, &QToolButton::clicked, this,
            [this, kind = kind] { Handle([=, this] { ProblemButton(kind); }); });
  const std::pair<QAction*, PolProblemKind> menu[] = {{OpUn, PolProblemKind::Unary},
                                                      {OpBin, PolProblemKind::Binary},
                                                      {OpCmb, PolProblemKind::Combined},
                                                      {OpAll, PolProblemKind::All}};
  for (const auto& [action, kind] : menu)
    connect(action, &QAction::triggered, this,
            [this, kind = kind] { Handle([=, this] { ProblemMenu(kind); }); });
  // A choice is a click on a letter, a move with the keys, or a scroll that brings another
  // letter into view: the letter shown is always the operand's.
  for (int k = 0; k < 2; ++k) {
    QListWidget* chooser = k == 0 ? L1 : L2;
    auto choose = [this, k](int row) { Handle([=, this] { Choose(k, row); }); };
    connect(chooser, &QListWidget::itemClicked, this,
            [choose, chooser] { choose(chooser->currentRow()); });
    connect(chooser, &QListWidget::currentRowChanged, this, choose);
    // The view scrolls by whole rows: the scroll value is the row at the top.
    connect(chooser->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, k, choose](int row) {
              if (state_.Operand(k).item != static_cast<std::size_t>(row)) choose(row);
            });
  }
  for (QListWidget* list : {LPols, LL}) list->installEventFilter(this);
}

bool TFP::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == LPols || watched == LL) && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    Handle([this] { LPolsKeyDown(); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- Writing the state

void TFP::Write() {
  const PolChanges c = state_.TakeChanges();
  if (c.list != ListChange::None) WriteList(c.list);
  for (int k = 0; k < 2; ++k)
    if (c.operand[k]) (k == 0 ? IdP1 : IdP2)->setText(FromStd(state_.Operand(k).text));
  if (c.list != ListChange::None || c.operand[0] || c.operand[1]) WriteChoosers();
  if (c.unary || c.polText) WriteUnary(c.polText);
  if (c.binary) WriteBinary();
  if (c.combined) WriteCombined();
  WriteEnabling();
}

void TFP::WriteList(ListChange change) {
  const PolynomialList& list = state_.List();
  // Rows are written here, not chosen: no handler hears of them.
  const QSignalBlocker blocks[] = {QSignalBlocker(LPols), QSignalBlocker(LL), QSignalBlocker(L1),
                                   QSignalBlocker(L2), QSignalBlocker(L1->verticalScrollBar()),
                                   QSignalBlocker(L2->verticalScrollBar())};
  std::size_t from = list.Empty() ? 0 : list.Size() - 1;
  if (change == ListChange::Rebuilt) {
    for (QListWidget* w : {LL, LPols, L1, L2}) w->clear();
    from = 0;
  }
  for (std::size_t i = from; i < list.Size(); ++i) {
    auto* line = new QListWidgetItem(FromStd(state_.ItemText(i)));
    line->setToolTip(line->text());
    LPols->addItem(line);
    const QString letter(QLatin1Char(list.Letter(i)));
    for (QListWidget* w : {LL, L1, L2}) AddLetter(w, letter);
  }
}

// Each chooser shows its operand's letter, at the top of its one-row view.
void TFP::WriteChoosers() {
  for (int k = 0; k < 2; ++k) {
    QListWidget* chooser = k == 0 ? L1 : L2;
    const QSignalBlocker block(chooser), blockBar(chooser->verticalScrollBar());
    const std::optional<std::size_t> item = state_.Operand(k).item;
    chooser->setCurrentRow(item ? static_cast<int>(*item) : -1);
    if (item)
      chooser->scrollToItem(chooser->item(static_cast<int>(*item)),
                            QAbstractItemView::PositionAtTop);
  }
}

void TFP::WriteUnary(bool polText) {
  const PolUnary& u = state_.Unary();
  if (polText) IdPol->setText(FromStd(u.text));
  EtP1->setText(FromStd(u.name) + QStringLiteral("="));
  EtP->setText(FromStd(u.name));
  IdVN->setText(FromStd(u.value));
  IdRoots->setText(FromStd(u.texts.roots));
  IdFctr->setText(FromStd(u.texts.factorization));
  IdDer->setText(FromStd(u.texts.derivative));
  IdPrim->setText(FromStd(u.texts.integral));
  // An open graph follows the panel.
  if (u.shown) Graph(false);
}

void TFP::Graph(bool bringToFront) {
  const PolUnary& u = state_.Unary();
  if (u.shown && showGraph_) showGraph_(u.p, u.name, bringToFront);
}

void TFP::WriteBinary() {
  const PolBinaryCaptions& c = state_.Captions();
  EtS->setText(FromStd(c.sum));
  EtD->setText(FromStd(c.difference));
  EtM->setText(FromStd(c.product));
  EtQ->setText(FromStd(c.quotient));
  EtMCD->setText(FromStd(c.letters));
  EtMCM->setText(FromStd(c.letters));
  // hcd(A,B) and LCM(A,B) as they stand, with the operands' letters.
  SpeakAs(IdMCD, FromStd(HcdName()) + QStringLiteral("(") + EtMCD->text() + QStringLiteral(")"));
  SpeakAs(IdMCM, FromStd(LcmName()) + QStringLiteral("(") + EtMCM->text() + QStringLiteral(")"));
  const PolBinaryTexts t = state_.Binary() ? state_.Binary()->texts : PolBinaryTexts{};
  IdS->setText(FromStd(t.sum));
  IdD->setText(FromStd(t.difference));
  IdM->setText(FromStd(t.product));
  IdQ->setText(FromStd(t.quotient));
  IdR->setText(FromStd(t.remainder));
  IdMCD->setText(FromStd(t.hcd));
  IdMCM->setText(FromStd(t.lcm));
}

void TFP::WriteCombined() {
  const PolCombinedText& shown = state_.CombinedShown();
  if (shown.colour)
    SetDesignColour(IdROC, QPalette::Text,
                    QColor(shown.colour->red, shown.colour->green, shown.colour->blue));
  else
    UseDesktopColours(IdROC);
  IdROC->setText(FromStd(shown.text));
}

// Each problem command is enabled once it has something to make; "All" once all three have.
void TFP::WriteEnabling() {
  const bool binary = state_.LastBinary().has_value();
  const bool combined = state_.LastCombined().has_value();
  PBin->setEnabled(state_.EverListed());
  POC->setEnabled(state_.EverListed());
  BtPrbl1->setEnabled(state_.Unary().shown);
  BtGraph->setEnabled(state_.Unary().shown);
  BtWork1->setEnabled(state_.Unary().shown);
  BtWork2->setEnabled(state_.Binary().has_value());
  BtWorkC->setEnabled(state_.CombinedOk());
  working_.Follow();
  BtPrbl2->setEnabled(binary);
  BtPrblC->setEnabled(state_.CombinedOk());
  OpUn->setEnabled(state_.EverUnary());
  OpBin->setEnabled(binary);
  OpCmb->setEnabled(combined);
  OpAll->setEnabled(state_.EverUnary() && binary && combined);
}

// ---- Entry panel and list

void TFP::SetCell(int k, const QString& text) {
  if (QTableWidgetItem* cell = LCoefs->item(0, k)) {
    cell->setText(text);
  } else {
    cell = new QTableWidgetItem(text);
    cell->setTextAlignment(Qt::AlignCenter);
    LCoefs->setItem(0, k, cell);
  }
  ReportCellChange(LCoefs, 0, k);
}

void TFP::RstEntr() {
  for (int k = 0; k < 10; ++k) SetCell(k, QString());
}

void TFP::BtOkClick() {
  PolCells cells;
  for (int k = 0; k < 10; ++k)
    if (const QTableWidgetItem* cell = LCoefs->item(0, k)) cells[k] = ToStd(cell->text());
  Polynomial entry{};
  switch (PolFromCells(cells, entry)) {
    case CellsRead::Empty:
      return;
    case CellsRead::Refused:
      ShowMessage(FromStd(NotARationalPolynomial()));
      return;
    case CellsRead::Read:
      AddPol(entry);
  }
}

void TFP::BtRndClick() {
  IntPolynomial ip{};
  IntPolRandom(Rnd(8) + 1, ip);
  const PolCells cells = CellsOfIntPol(ip);
  for (int k = 0; k < 10; ++k) SetCell(k, FromStd(cells[k]));
}

void TFP::FllDwnClick() {
  IntPolynomial ip{};
  IntPolRandom(Rnd(8) + 1, ip);
  Polynomial entry{};
  PolFromInt(ip, entry);
  AddPol(entry);
}

void TFP::BtaLClick() {
  Polynomial entry{};
  if (!PolFromText(ToStd(IdPol->text()), entry)) {
    ShowMessage(FromStd(NotARationalPolynomial()));
    return;
  }
  AddPol(entry);
}

// The new item is shown in the unary panel.
void TFP::AddPol(const Polynomial& entry) {
  if (state_.Add(entry) == ListAdd::Full) {
    ShowMessage(FromStd(state_.List().Rules().fullText), FromStd(WrongEntry()));
    return;
  }
  OpsUn(state_.List().Size() - 1);
}

// The line of LPols the user has selected, if any.
std::optional<std::size_t> TFP::SelectedLine() const {
  const int i = LPols->currentRow();
  if (i < 0 || !LPols->item(i)->isSelected()) return std::nullopt;
  return static_cast<std::size_t>(i);
}

void TFP::LPolsDblClick() {
  if (const auto i = SelectedLine()) OpsUn(*i);
}

// Delete: the line goes, the letters after it move up; the unary panel stays as it is.
void TFP::LPolsKeyDown() {
  if (const auto i = SelectedLine()) state_.Erase(*i);
}

// Eliminate: as Delete, and the unary panel shows the last item.
void TFP::BtBrrClick() {
  const auto i = SelectedLine();
  if (!i) return;
  state_.Erase(*i);
  if (!state_.List().Empty()) OpsUn(state_.List().Size() - 1);
}

void TFP::BtClearClick() { state_.Clear(); }

void TFP::Restore(const PolynomialSession& session) {
  Handle([&] { state_.Restore(session); });
}

// ---- Unary panel

void TFP::IdPolKeyDown() {
  if (!state_.ShowTyped(ToStd(IdPol->text()), ToStd(IdX->text())))
    ShowMessage(FromStd(NotARationalPolynomial()));
}

void TFP::IdPolChange() { state_.EditPolText(); }

void TFP::OpsUn(std::size_t i) { state_.ShowItem(i, ToStd(IdX->text())); }

void TFP::VNP() { state_.SetX(ToStd(IdX->text())); }

// ---- Binary and combined panels

// A choice in an empty list changes nothing.
void TFP::Choose(int operand, int row) {
  if (row >= 0) state_.Choose(operand, static_cast<std::size_t>(row));
}

void TFP::BtBinClick() {
  if (!state_.Go(ToStd(IdP1->text()), ToStd(IdP2->text())))
    ShowMessage(FromStd(NotARationalPolynomial()));
}

void TFP::OpsCmb() { state_.Evaluate(ToStd(IdOC->text())); }

void TFP::IdOCChange() { state_.EditExpression(); }

// ---- Problems

std::optional<ProblemParams> TFP::Section(PolProblemKind kind, bool onDisplay) const {
  switch (kind) {
    case PolProblemKind::Unary:
      if (const PolUnary& u = state_.Unary(); u.shown) return PolynomialSingleParams{u.text, u.x};
      break;
    case PolProblemKind::Binary:
      if (const auto& b = onDisplay ? state_.Binary() : state_.LastBinary())
        return PolynomialPairParams{b->a, b->b};
      break;
    case PolProblemKind::Combined:
      if (const auto& c = state_.LastCombined())
        return PolynomialCombinedParams{c->expression, c->list};
      break;
    case PolProblemKind::All:
      break;
  }
  return std::nullopt;
}

std::pair<QString, Working> TFP::PanelWorkingOf(const QString& panel) const {
  const std::pair<const char*, std::pair<PolProblemKind, QString>> panels[] = {
      {"1", {PolProblemKind::Unary, UnaryOperations()}},
      {"2", {PolProblemKind::Binary, themewords::BinaryOperations()}},
      {"C", {PolProblemKind::Combined, themewords::CombinedOperation()}}};
  for (const auto& [name, what] : panels) {
    if (panel != QLatin1String(name)) continue;
    const std::optional<ProblemParams> section = Section(what.first, true);
    return {what.second, section ? WorkingOf(*section) : Working{}};
  }
  return {};
}

QString TFP::UnaryOperations() { return tr("Unary operations"); }

// A problem button makes the problem of the results on display, or shows the previous
// problem again when there are none.
void TFP::ProblemButton(PolProblemKind kind) {
  const std::optional<ProblemParams> section = Section(kind, true);
  PutProblem(section ? MakeShownProblem({*section}, false).shown : std::nullopt);
}

// A menu command makes the problem of the last results of its kind; "All" leaves out the
// unary part when no polynomial is shown with its results, and Unary is then empty.
void TFP::ProblemMenu(PolProblemKind kind) {
  std::vector<ProblemParams> sections;
  const bool all = kind == PolProblemKind::All;
  for (PolProblemKind k : {PolProblemKind::Unary, PolProblemKind::Binary, PolProblemKind::Combined})
    if (all || k == kind)
      if (auto section = Section(k, false)) sections.push_back(std::move(*section));
  PutProblem(sections.empty() && !all ? std::optional<ShownProblem>(ShownProblem{})
                                      : MakeShownProblem(sections, all).shown);
}

void TFP::PutProblem(const std::optional<ShownProblem>& made) {
  if (made) problem_ = *made;
  if (showProblem_) showProblem_(problem_);
}

// The designed size is the smallest: the layouts hand every extra pixel to the panels
// (the binary and combined panels take all of it, the list and unary panels half each).
void TFP::DimIni() {
  centralWidget()->layout()->activate();
  const QSize designed = sizeHint();
  setMinimumSize(designed);
  resize(designed);
}

}  // namespace tessaro
