#include "themes/polynomialswindow.h"

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

QToolButton* IconButton(QWidget* parent, const char* name, const char* icon, const char* hint) {
  QToolButton* button = PictureButton(name, icon, QString::fromUtf8(hint), parent, 22);
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

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

TFP::TFP(ShowProblem showProblem, QWidget* parent)
    : QMainWindow(parent), showProblem_(std::move(showProblem)) {
  setObjectName(QStringLiteral("FP"));
  setWindowTitle(QStringLiteral("Polynomials of rational coefficients"));
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
  DimIni();
}

QGroupBox* TFP::BuildEntry() {
  PEntr = Panel("PEntr", QStringLiteral("Entry /generate"), this);
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
  RstEntr();
  const int frame = 2 * LCoefs->frameWidth();
  LCoefs->setFixedSize(10 * CellWidth + frame,
                       LCoefs->horizontalHeader()->sizeHint().height() + LCoefs->rowHeight(0) + frame);

  BtOk = Button("BtOk", QStringLiteral("OK"), {}, PEntr);
  BtRst = Button("BtRst", QStringLiteral("rst"), QStringLiteral("Clear"), PEntr);
  BtRnd = IconButton(PEntr, "BtRnd", "generate", "Generate");
  FllDwn = IconButton(PEntr, "FllDwn", "direct-to-list", "Direct to list");
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
  PL = Panel("PL", QStringLiteral("Polynomials"), this);
  LL = Named(new QListWidget(PL), "LL");
  LPols = Named(new QListWidget(PL), "LPols");
  LL->setFixedWidth(28);
  LL->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LL->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LL->setFocusPolicy(Qt::ClickFocus);
  LPols->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  LPols->setMinimumHeight(150);
  // A letter and its polynomial stand on the same line: one selection, one scroll position.
  connect(LPols->verticalScrollBar(), &QScrollBar::valueChanged, LL->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(LL->verticalScrollBar(), &QScrollBar::valueChanged, LPols->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(LPols, &QListWidget::currentRowChanged, LL,
          qOverload<int>(&QListWidget::setCurrentRow));
  connect(LL, &QListWidget::currentRowChanged, LPols,
          qOverload<int>(&QListWidget::setCurrentRow));

  BtBrr = Button("BtBrr", QStringLiteral("x"), QStringLiteral("Eliminate "), PL);
  BtClear = Button("BtClear", QStringLiteral("rst"), QStringLiteral("Clear list"), PL);
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
  PUn = Panel("PUn", QStringLiteral("Unary operations"), this);
  EtP1 = Label(QStringLiteral("P="), PUn, "EtP1", Right);
  IdPol = Edit("IdPol", PUn);
  LimitEntry(IdPol);
  BtaL = IconButton(PUn, "BtaL", "add-to-list", "Send to list");

  EtP = Label(QStringLiteral("P"), PUn, "EtP", Right);
  IdX = Edit("IdX", PUn);
  LimitEntry(IdX);
  IdX->setText(QStringLiteral("0"));
  IdX->setFixedWidth(64);
  IdX->setAlignment(Qt::AlignCenter);
  IdVN = ResultEdit("IdVN", PUn);
  IdVN->setToolTip(QStringLiteral("Numeric value for..."));
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
  BtPrbl1 = IconButton(PUn, "BtPrbl1", "problem", "Problem");
  BtPrbl1->setEnabled(false);

  auto* grid = new QGridLayout(PUn);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  grid->addWidget(EtP1, 0, 0);
  grid->addWidget(IdPol, 0, 1);
  grid->addWidget(BtaL, 0, 2);
  grid->addWidget(EtP, 1, 0);
  grid->addLayout(value, 1, 1);
  grid->addWidget(Label(QStringLiteral("(Int.) Roots:"), PUn, "EtRoots", Right), 2, 0);
  grid->addWidget(IdRoots, 2, 1);
  grid->addWidget(Label(QStringLiteral("Factorization:"), PUn, "EtFctr", Right), 3, 0);
  grid->addWidget(IdFctr, 3, 1);
  grid->addWidget(Label(QStringLiteral("Derivative"), PUn, "EtDer", Right), 4, 0);
  grid->addWidget(IdDer, 4, 1);
  grid->addWidget(Label(QStringLiteral("Integral"), PUn, "EtPrim", Right), 5, 0);
  grid->addWidget(IdPrim, 5, 1);
  grid->addWidget(BtPrbl1, 5, 2);
  grid->setRowStretch(6, 1);
  return PUn;
}

QGroupBox* TFP::BuildBinary() {
  PBin = Panel("PBin", QStringLiteral("Binary operations"), this);
  PBin->setEnabled(false);
  IdP1 = Edit("IdP1", PBin);
  IdP2 = Edit("IdP2", PBin);
  for (QLineEdit* e : {IdP1, IdP2}) LimitEntry(e);
  const int row = IdP1->sizeHint().height();
  L1 = MakeChooser(PBin, "L1", row);
  L2 = MakeChooser(PBin, "L2", row);
  BtBin = Button("BtBin", QStringLiteral("Go"), {}, PBin);
  BtBin->setFixedWidth(48);

  EtS = Label(QStringLiteral("A + B"), PBin, "EtS", Right);
  EtD = Label(QStringLiteral("A - B"), PBin, "EtD", Right);
  EtM = Label(QString::fromUtf8("A \xC2\xB7 B"), PBin, "EtM", Right);
  EtQ = Label(QStringLiteral("A / B"), PBin, "EtQ", Right);
  EQ = Label(QStringLiteral("Q"), PBin, "EQ", Right);
  EQ->setToolTip(QStringLiteral("quotient"));
  ER = Label(QStringLiteral("R"), PBin, "ER", Right);
  ER->setToolTip(QStringLiteral("remainder"));
  IdS = ResultEdit("IdS", PBin);
  IdD = ResultEdit("IdD", PBin);
  IdM = ResultEdit("IdM", PBin);
  IdQ = ResultEdit("IdQ", PBin);
  IdR = ResultEdit("IdR", PBin);
  IdMCD = ResultEdit("IdMCD", PBin);
  IdMCM = ResultEdit("IdMCM", PBin);
  BtPrbl2 = IconButton(PBin, "BtPrbl2", "problem", "Problem");
  BtPrbl2->setEnabled(false);

  // "hcd(A,B)" and "LCM(A,B)": the letters sit in their own label between the brackets.
  auto bracketed = [this](const char* name, QLabel*& letters, const char* labelName,
                          const char* hint) {
    auto* box = new QHBoxLayout;
    box->setSpacing(0);
    box->addStretch(1);
    box->addWidget(new QLabel(QString::fromUtf8(name) + QStringLiteral("("), PBin));
    letters = Label(QStringLiteral("A,B"), PBin, labelName, Right);
    letters->setToolTip(QString::fromUtf8(hint));
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
  grid->addLayout(bracketed("hcd", EtMCD, "EtMCD", "Highest Common Divisor of..."), 4, 3);
  grid->addWidget(IdMCD, 4, 4);
  grid->addLayout(bracketed("LCM", EtMCM, "EtMCM", "Lowest Common Multiple of..."), 5, 3);
  grid->addWidget(IdMCM, 5, 4);
  grid->addWidget(BtPrbl2, 5, 5);
  grid->setColumnMinimumWidth(2, 12);
  return PBin;
}

QGroupBox* TFP::BuildCombined() {
  POC = Panel("POC", QStringLiteral("Combined operation"), this);
  POC->setEnabled(false);
  IdOC = Edit("IdOC", POC);
  LimitEntry(IdOC);
  IdOC->setValidator(new UpperCase(IdOC));
  IdOC->setFixedWidth(240);
  OkOC = Button("OkOC", QStringLiteral("="), {}, POC);
  OkOC->setFixedWidth(36);
  IdROC = ResultEdit("IdROC", POC);
  BtPrblC = IconButton(POC, "BtPrblC", "problem", "Problem");
  BtPrblC->setEnabled(false);

  auto* notes = new QHBoxLayout;
  notes->addWidget(new QLabel(QStringLiteral("(with items of the list: A,B...)"), POC));
  notes->addStretch(1);
  notes->addWidget(new QLabel(QStringLiteral("operators: +  - * / ^ ( )"), POC));
  auto* row = new QHBoxLayout;
  row->addWidget(IdOC);
  row->addWidget(OkOC);
  row->addWidget(IdROC, 1);
  row->addWidget(BtPrblC);
  auto* layout = new QVBoxLayout(POC);
  layout->addLayout(notes);
  layout->addLayout(row);
  return POC;
}

void TFP::BuildMenu() {
  MnuPrbl = Menu(menuBar(), "MnuPrbl", QStringLiteral("Problem"));
  OpUn = MenuItem("OpUn", QStringLiteral("Unary operations"), MnuPrbl);
  OpBin = MenuItem("OpBin", QStringLiteral("Binary operations"), MnuPrbl);
  OpCmb = MenuItem("OpCmb", QStringLiteral("Combined operation"), MnuPrbl);
  OpAll = MenuItem("OpAll", QStringLiteral("All"), MnuPrbl);
  Disable({OpUn, OpBin, OpCmb, OpAll});
  MenuKeys(menuBar());
}

void TFP::Connect() {
  auto on = [this](auto* sender, auto signal, auto handler) {
    connect(sender, signal, this, Guarded([this, handler] { (this->*handler)(); }));
  };
  on(BtOk, &QPushButton::clicked, &TFP::BtOkClick);
  on(BtRst, &QPushButton::clicked, &TFP::RstEntr);
  on(BtRnd, &QToolButton::clicked, &TFP::BtRndClick);
  on(FllDwn, &QToolButton::clicked, &TFP::FllDwnClick);
  on(BtaL, &QToolButton::clicked, &TFP::BtaLClick);
  on(IdPol, &QLineEdit::returnPressed, &TFP::IdPolKeyDown);
  on(IdPol, &QLineEdit::textChanged, &TFP::IdPolChange);
  on(IdX, &QLineEdit::returnPressed, &TFP::VNP);
  on(LPols, &QListWidget::itemDoubleClicked, &TFP::LPolsDblClick);
  on(LL, &QListWidget::itemDoubleClicked, &TFP::LPolsDblClick);
  on(BtBrr, &QPushButton::clicked, &TFP::BtBrrClick);
  on(BtClear, &QPushButton::clicked, &TFP::BtClearClick);
  on(BtBin, &QPushButton::clicked, &TFP::BtBinClick);
  on(OkOC, &QPushButton::clicked, &TFP::OpsCmb);
  on(IdOC, &QLineEdit::returnPressed, &TFP::OpsCmb);
  on(IdOC, &QLineEdit::textChanged, &TFP::IdOCChange);
  on(BtPrbl1, &QToolButton::clicked, &TFP::FesPrbl1);
  on(BtPrbl2, &QToolButton::clicked, &TFP::FesPrbl2);
  on(BtPrblC, &QToolButton::clicked, &TFP::FesPrblC);
  const std::pair<QAction*, PolProblemKind> menu[] = {{OpUn, PolProblemKind::Unary},
                                                      {OpBin, PolProblemKind::Binary},
                                                      {OpCmb, PolProblemKind::Combined},
                                                      {OpAll, PolProblemKind::All}};
  for (const auto& [action, kind] : menu)
    connect(action, &QAction::triggered, this, Guarded([this, kind = kind] { FesPrbl(kind); }));
  // A choice is a click on a letter, or a move with the keys.
  for (QListWidget* chooser : {L1, L2}) {
    auto choose = [this, chooser] {
      const int row = chooser->currentRow();
      chooser == L1 ? L1Click(row) : L2Click(row);
    };
    connect(chooser, &QListWidget::itemClicked, this, Guarded(choose));
    connect(chooser, &QListWidget::currentRowChanged, this, Guarded(choose));
  }
  for (QListWidget* list : {LPols, LL}) list->installEventFilter(this);
}

bool TFP::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == LPols || watched == LL) && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RunGuarded([this] { LPolsKeyDown(); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
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
      ShowMessage(QStringLiteral("Not a rational polynomial"));
      return;
    case CellsRead::Read:
      AddPol(entry);
  }
}

void TFP::BtRndClick() {
  IntPolynomial ip{};
  IntPolRandom(Rnd(8) + 1, ip);
  const PolCells cells = CellsOfIntPol(ip);
  RstEntr();
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
    ShowMessage(QStringLiteral("Not a rational polynomial"));
    return;
  }
  AddPol(entry);
}

void TFP::AddPol(const Polynomial& entry) {
  if (static_cast<int>(ListPols.size()) >= MaxPols) {
    ShowMessage(QStringLiteral("List full (24 polynomials)"), QStringLiteral("Wrong entry"));
    return;
  }
  ListPols.push_back(entry);
  PolaL(static_cast<int>(ListPols.size()) - 1);
  POC->setEnabled(true);
}

void TFP::PolaL(int i) {
  auto* line = new QListWidgetItem(FromStd(PolToText(ListPols[i])));
  line->setToolTip(line->text());
  LPols->addItem(line);
  const QString letter = Q(Letters.substr(i, 1));
  for (QListWidget* list : {LL, L1, L2}) AddLetter(list, letter);
  PBin->setEnabled(true);
  OpsUn(i);
}

void TFP::LPolsDblClick() {
  const int i = LPols->currentRow();
  if (i < 0 || !LPols->item(i)->isSelected()) return;
  OpsUn(i);
}

// Delete: the line goes, the letters after it move up; the unary panel stays as it is.
void TFP::LPolsKeyDown() {
  const int i = LPols->currentRow();
  if (i < 0 || !LPols->item(i)->isSelected()) return;
  delete LPols->takeItem(i);
  ListPols.erase(ListPols.begin() + i);
  FillLetters();
}

void TFP::BtBrrClick() {
  const int i = LPols->currentRow();
  if (i < 0 || !LPols->item(i)->isSelected()) return;
  ListPols.erase(ListPols.begin() + i);
  LlistaPols();
}

void TFP::BtClearClick() {
  ClearLists();
  ListPols.clear();
}

void TFP::LlistaPols() {
  ClearLists();
  for (int i = 0; i < static_cast<int>(ListPols.size()); ++i) PolaL(i);
}

void TFP::ClearLists() {
  for (QListWidget* list : {LL, LPols, L1, L2}) list->clear();
}

// LL, L1 and L2 hold the first letters, one per stored polynomial.
void TFP::FillLetters() {
  for (QListWidget* list : {LL, L1, L2}) {
    list->clear();
    for (std::size_t i = 0; i < ListPols.size(); ++i) AddLetter(list, Q(Letters.substr(i, 1)));
  }
}

// ---- Unary panel

void TFP::IdPolKeyDown() {
  Polynomial typed{};
  if (!PolFromText(ToStd(IdPol->text()), typed)) {
    ShowMessage(QStringLiteral("Not a rational polynomial"));
    return;
  }
  P = typed;
  OpsPun(QStringLiteral("P1"));
}

void TFP::IdPolChange() {
  Rst1();
  BtPrbl1->setEnabled(false);
}

void TFP::OpsUn(int i) {
  P = ListPols[i];
  IdPol->setText(LPols->item(i)->text());
  OpsPun(Q(Letters.substr(i, 1)));
}

void TFP::OpsPun(const QString& name) {
  BtPrbl1->setEnabled(true);
  OpUn->setEnabled(true);
  SetOpAll();
  EtP1->setText(name + QStringLiteral("="));
  EtP->setText(name);
  const PolUnaryTexts texts = UnaryTextsOf(P);
  IdRoots->setText(FromStd(texts.roots));
  IdFctr->setText(FromStd(texts.factorization));
  IdDer->setText(FromStd(texts.derivative));
  IdPrim->setText(FromStd(texts.integral));
  // Last: an x the conversion refuses ends the handler with its message.
  VNP();
}

void TFP::VNP() { IdVN->setText(FromStd(PolValueText(P, ToStd(IdX->text())))); }

void TFP::Rst1() {
  for (QLineEdit* e : {IdVN, IdRoots, IdFctr, IdDer, IdPrim}) e->clear();
}

// ---- Binary panel

void TFP::L1Click(int row) {
  if (row < 0 || row >= LPols->count()) return;
  index1 = row;
  IdP1->setText(LPols->item(row)->text());
  A = ListPols[row];
  RstBin();
}

void TFP::L2Click(int row) {
  if (row < 0 || row >= LPols->count()) return;
  index2 = row;
  IdP2->setText(LPols->item(row)->text());
  B = ListPols[row];
  RstBin();
}

void TFP::RstBin() {
  for (QLineEdit* e : {IdS, IdD, IdM, IdQ, IdR, IdMCD, IdMCM}) e->clear();
  binaryDone = false;
}

bool TFP::OpsBin() {
  const PolBinaryCaptions labels = BinaryCaptionsOf(Letters[index1], Letters[index2]);
  EtS->setText(FromStd(labels.sum));
  Polynomial a{}, b{};
  if (!PolFromText(ToStd(IdP1->text()), a) || !PolFromText(ToStd(IdP2->text()), b)) {
    ShowMessage(QStringLiteral("Not a rational polynomial"));
    return false;
  }
  A = a;
  B = b;
  const PolBinaryTexts texts = BinaryTextsOf(A, B);
  EtD->setText(FromStd(labels.difference));
  EtM->setText(FromStd(labels.product));
  EtQ->setText(FromStd(labels.quotient));
  EtMCD->setText(FromStd(labels.letters));
  EtMCM->setText(FromStd(labels.letters));
  IdS->setText(FromStd(texts.sum));
  IdD->setText(FromStd(texts.difference));
  IdM->setText(FromStd(texts.product));
  IdQ->setText(FromStd(texts.quotient));
  IdR->setText(FromStd(texts.remainder));
  IdMCD->setText(FromStd(texts.hcd));
  IdMCM->setText(FromStd(texts.lcm));
  return true;
}

void TFP::BtBinClick() {
  OpsBin();
  BtPrbl2->setEnabled(true);
  OpBin->setEnabled(true);
  SetOpAll();
  binaryDone = true;
}

// ---- Combined operation

void TFP::OpsCmb() {
  const QString text = IdOC->text();
  if (text.isEmpty()) return;
  Polynomial result{};
  const int code = PolEval(ToStd(text), ListPols, result);
  const PolCombinedText shown = CombinedTextOf(code, result);
  if (shown.colour)
    SetDesignColour(IdROC, QPalette::Text,
                    QColor(shown.colour->red, shown.colour->green, shown.colour->blue));
  else
    UseDesktopColours(IdROC);
  IdROC->setText(FromStd(shown.text));
  BtPrblC->setEnabled(code == 0);
  if (code != 0) return;
  combinedDone = true;
  OpCmb->setEnabled(true);
  SetOpAll();
}

void TFP::IdOCChange() { IdROC->clear(); }

// ---- Problems

PolShown TFP::Shown() const {
  PolShown s;
  s.pol = ToStd(IdPol->text());
  s.x = ToStd(IdX->text());
  s.value = ToStd(IdVN->text());
  s.roots = ToStd(IdRoots->text());
  s.factorization = ToStd(IdFctr->text());
  s.derivative = ToStd(IdDer->text());
  s.integral = ToStd(IdPrim->text());
  s.a = ToStd(IdP1->text());
  s.b = ToStd(IdP2->text());
  s.sum = ToStd(IdS->text());
  s.difference = ToStd(IdD->text());
  s.product = ToStd(IdM->text());
  s.quotient = ToStd(IdQ->text());
  s.remainder = ToStd(IdR->text());
  s.hcd = ToStd(IdMCD->text());
  s.lcm = ToStd(IdMCM->text());
  s.binaryDone = binaryDone;
  s.expression = ToStd(IdOC->text());
  s.combined = ToStd(IdROC->text());
  s.combinedDone = combinedDone;
  for (int i = 0; i < LPols->count(); ++i) {
    const QListWidgetItem* letter = LL->item(i);
    s.list.push_back({letter ? ToStd(letter->text()) : std::string(), ToStd(LPols->item(i)->text())});
  }
  return s;
}

void TFP::PutProblem(const TPrbl& problem) {
  Prbl = problem;
  if (showProblem_) showProblem_({Prbl, {}});
}

void TFP::FesPrbl1() { PutProblem(PolButtonProblem(PolProblemKind::Unary, Shown(), Prbl)); }
void TFP::FesPrbl2() { PutProblem(PolButtonProblem(PolProblemKind::Binary, Shown(), Prbl)); }
void TFP::FesPrblC() { PutProblem(PolButtonProblem(PolProblemKind::Combined, Shown(), Prbl)); }
void TFP::FesPrbl(PolProblemKind kind) { PutProblem(PolMenuProblem(kind, Shown())); }

// "All" needs the unary, binary and combined results all produced.
void TFP::SetOpAll() {
  OpAll->setEnabled(OpUn->isEnabled() && OpBin->isEnabled() && OpCmb->isEnabled());
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
