#include "themes/integerswindow.h"

#include "ui/keyboard.h"
#include "ui/ui.h"
#include "ui/widgets.h"
#include "panels/integerpanel.h"
#include "numbers/numbers.h"
#include "problems/integerproblems.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace tessaro {

namespace {

// The values every Integers window works on. They last for the run: a new window
// starts from them, and only the list is emptied when a window closes.
struct IntegersState {
  std::int32_t N = 0;
  std::int32_t n1 = 0;
  std::int32_t n2 = 0;
  bool NOk = false;
  std::array<bool, 4> Tps{};
  std::vector<std::int32_t> Nums;  // NNums is its size
  std::vector<std::int32_t> Sels;  // NSels is its size
  std::string UsedLetters;
  // The numbers the letters stood for at the last combined operation: the problem
  // names these, even when the list has changed since.
  std::vector<std::int32_t> UsedNums;
  TPrbl Prbl;  // the current problem
  // Every Integers window of the run: they show the one list, so they change together.
  std::vector<TFAritm*> windows;
};

IntegersState& Shared() {
  static IntegersState state;
  return state;
}

// The Tps flags, one per problem kind but "All".
enum Flag { FlagOne = 0, FlagTwo = 1, FlagCombined = 2, FlagList = 3 };

QLineEdit* Field(const char* name, int minWidth) {
  QLineEdit* edit = Edit(name);
  edit->setMinimumWidth(minWidth);
  return edit;
}

// A field that only shows a result; the Tab key passes it by.
QLineEdit* Result(const char* name, int minWidth) {
  QLineEdit* edit = ResultEdit(name);
  edit->setMinimumWidth(minWidth);
  edit->setFocusPolicy(Qt::ClickFocus);
  return edit;
}

QToolButton* ProblemButton(const char* name) {
  QToolButton* button = PictureButton(name, "problem", QStringLiteral("Make problem"), nullptr, 20);
  button->setEnabled(false);
  return button;
}

QComboBox* NumberChoice(const char* name, int first, int last, const QString& shown) {
  auto* combo = Named(new QComboBox, name);
  for (int i = first; i <= last; ++i) combo->addItem(QString::number(i));
  combo->setCurrentText(shown);
  return combo;
}

// Widens the blanks of a caption so that its first `prefix` characters take at least
// `width` pixels; the caption keeps its text, blanks included.
void WidenBlanks(QLabel* label, const QString& prefix, int width) {
  const int blanks = static_cast<int>(prefix.count(QLatin1Char(' ')));
  const int have = label->fontMetrics().horizontalAdvance(prefix);
  if (blanks == 0 || have >= width) return;
  QFont font = label->font();
  font.setWordSpacing(font.wordSpacing() + std::ceil(double(width - have) / blanks));
  label->setFont(font);
}

// Keeps a word-wrapped label just wide enough for the longer half of its text split at the
// blank nearest the middle: left to itself it would break "Ctl-Click" at the hyphen.
void BreakAtMiddleBlank(QLabel* label) {
  const QString text = label->text();
  const QFontMetrics fm = label->fontMetrics();
  int width = fm.horizontalAdvance(text);
  for (qsizetype i = text.indexOf(u' '); i >= 0; i = text.indexOf(u' ', i + 1))
    width = std::min(width, std::max(fm.horizontalAdvance(text.left(i)),
                                     fm.horizontalAdvance(text.mid(i + 1))));
  label->setMaximumWidth(width + 2 * label->margin() + 2);
}

// "(                decimals)" with the drop-down list of decimals standing on its blanks.
class DecimalsBox : public QWidget {
 public:
  explicit DecimalsBox(QComboBox* combo) {
    const QString caption = QStringLiteral("(                decimals)");
    auto* label = new QLabel(caption, this);
    combo->setParent(this);
    const QString open = QStringLiteral("(");
    const QString blanks = caption.left(17);
    WidenBlanks(label, blanks, label->fontMetrics().horizontalAdvance(open) +
                                   combo->sizeHint().width() + 8);
    const QFontMetrics fm = label->fontMetrics();
    const int left = fm.horizontalAdvance(open) + 4;
    const int width = fm.horizontalAdvance(blanks) - left - 4;
    const int height = std::max(combo->sizeHint().height(), label->sizeHint().height());
    label->setGeometry(0, 0, label->sizeHint().width(), height);
    combo->setGeometry(left, 0, width, height);
    setFixedSize(label->sizeHint().width(), height);
  }
};

// The number list box: 65 pixels wide as designed, so the hexadecimal column stays
// hidden until the window is widened.
class NumberList : public QListWidget {
 public:
  QSize sizeHint() const override { return {65, 250}; }
  QSize minimumSizeHint() const override { return {65, 120}; }
};

// The letters beside the numbers.
class LetterList : public QListWidget {
 public:
  QSize sizeHint() const override { return {24, 250}; }
  QSize minimumSizeHint() const override { return {24, 120}; }
};

// Draws a row "number, blanks, hexadecimal" with the hexadecimal text at a fixed
// column, so that it lines up under the "Hex" heading once the list is wide enough.
class HexColumnDelegate : public QStyledItemDelegate {
 public:
  HexColumnDelegate(int column, QObject* parent) : QStyledItemDelegate(parent), column_(column) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const qsizetype gap = text.indexOf(QLatin1Char(' '));
    if (gap < 0) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const QPalette::ColorRole role =
        (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(opt.palette.color(group, role));
    painter->setFont(opt.font);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text.left(gap));
    QRect hexRect = textRect;
    hexRect.setLeft(opt.rect.left() + column_);
    painter->drawText(hexRect, Qt::AlignLeft | Qt::AlignVCenter, text.mid(gap).trimmed());
    painter->restore();
  }

 private:
  int column_;
};

// The headings over the list: "N " and the generate button over the numbers, "Hex"
// over the hexadecimal column, out of sight until the list is widened.
class ListHeading : public QWidget {
 public:
  ListHeading(QToolButton* generate, int hexColumn) : hexColumn_(hexColumn) {
    number_ = new QLabel(QStringLiteral("N "), this);
    hex_ = new QLabel(QStringLiteral("Hex"), this);
    generate_ = generate;
    generate_->setParent(this);
    number_->adjustSize();
    hex_->adjustSize();
    generate_->adjustSize();
  }
  QSize sizeHint() const override { return {0, generate_->sizeHint().height()}; }
  QSize minimumSizeHint() const override { return sizeHint(); }
  // Where the list's items begin, so the headings stand over their columns.
  void SetIndent(int indent) {
    indent_ = indent;
    Place();
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Place(); }

 private:
  void Place() {
    const int h = height();
    number_->move(indent_, (h - number_->height()) / 2);
    generate_->move(indent_ + number_->width() + 2, (h - generate_->height()) / 2);
    hex_->move(indent_ + hexColumn_, (h - hex_->height()) / 2);
  }
  QLabel* number_;
  QLabel* hex_;
  QToolButton* generate_;
  int hexColumn_;
  int indent_ = 0;
};

// Keeps a drop-down list's typed text while its items are replaced.
void FillCombo(QComboBox* combo, const QStringList& items) {
  const QSignalBlocker block(combo);
  const QString text = combo->currentText();
  combo->clear();
  combo->addItems(items);
  combo->setEditText(text);
}

}  // namespace

TFAritm::TFAritm(ShowProblem showProblem, QWidget* parent)
    : QMainWindow(parent), showProblem_(std::move(showProblem)) {
  setObjectName(QStringLiteral("FAritm"));
  setWindowTitle(QStringLiteral("Arithmetic of integers"));
  setWindowIcon(Icon(QStringLiteral("integers")));
  Randomize();
  IntegersState& s = Shared();
  s.windows.push_back(this);
  // The problem kinds follow what this window shows, and it shows no result yet.
  s.Tps = {};

  auto* central = new QWidget(this);
  // The left panels keep their designed width; the list takes every pixel the window
  // grows by.
  auto* left = new QWidget;
  left->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  auto* column = new QVBoxLayout(left);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(BuildPN());
  column->addWidget(BuildPOps());
  column->addWidget(BuildPOC());
  column->addStretch(1);
  auto* layout = new QHBoxLayout(central);
  layout->addWidget(left);
  layout->addWidget(BuildPL(), 1);
  setCentralWidget(central);
  BuildMenu();
  ConnectHandlers();
  ShowSharedList();
  for (QWidget* field :
       std::initializer_list<QWidget*>{IdN, IdHex, IdBin, IdOct, IdX, IdBX, IdA, IdB, IdOC})
    LimitEntry(field);

  // The designed size is the smallest the window gets.
  resize(sizeHint());
  setMinimumSize(size());
  CentreOnScreen(this);
}

TFAritm::~TFAritm() {
  IntegersState& s = Shared();
  s.windows.erase(std::remove(s.windows.begin(), s.windows.end(), this), s.windows.end());
  // The last window goes only when the program ends: the next run starts afresh.
  if (s.windows.empty()) s = IntegersState();
}

QGroupBox* TFAritm::BuildPN() {
  QGroupBox* PN = Panel("PN", QStringLiteral("Operations with"));

  IdN = Field("IdN", 140);
  Ok1 = Button("Ok1", QStringLiteral("OK"));
  BtL = PictureButton("BtL", "add-to-list", QStringLiteral(" Add to list "), nullptr, 20);
  auto* entry = new QHBoxLayout;
  entry->addWidget(new QLabel(QStringLiteral("N =     ")));
  entry->addWidget(IdN);
  entry->addWidget(Ok1);
  entry->addWidget(BtL);
  entry->addStretch(1);

  auto* results = new QGridLayout;
  QLabel* power = Heading(QStringLiteral("N<sup>k</sup>"));
  power->setTextFormat(Qt::RichText);
  IdBs = Label(QStringLiteral("N"), nullptr, "IdBs");
  Lexp = NumberChoice("Lexp", 2, 9, QStringLiteral("2"));
  IdPot = Result("IdPot", 110);
  IdDF = Result("IdDF", 200);
  IdFctr = Result("IdFctr", 150);
  BtPrbl1 = ProblemButton("BtPrbl1");
  results->addWidget(power, 0, 0, 1, 4);
  results->addWidget(IdBs, 1, 0, Qt::AlignRight);
  results->addWidget(Lexp, 1, 1);
  results->addWidget(new QLabel(QStringLiteral("=     ")), 1, 2);
  results->addWidget(IdPot, 1, 3);
  results->addWidget(new QLabel(QStringLiteral("Factorization:")), 2, 0, 1, 4);
  results->addWidget(IdDF, 3, 0, 1, 4);
  results->addWidget(Heading(QStringLiteral("Factorial")), 4, 0, 1, 4);
  auto* factorial = new QHBoxLayout;
  factorial->addWidget(new QLabel(QStringLiteral("N! =     ")));
  factorial->addWidget(IdFctr, 1);
  results->addLayout(factorial, 5, 0, 1, 4);
  results->addWidget(BtPrbl1, 6, 3, Qt::AlignRight);
  results->setColumnStretch(3, 1);
  results->setRowStretch(7, 1);

  QGroupBox* PB = Panel("PB", QStringLiteral("In basis...."));
  IdHex = Field("IdHex", 250);
  IdBin = Field("IdBin", 250);
  IdOct = Field("IdOct", 250);
  IdX = Field("IdX", 250);
  IdBX = Field("IdBX", 40);
  IdBX->setMaximumWidth(48);
  IdBX->setText(QStringLiteral("12"));
  IdBX->setToolTip(QStringLiteral("Put your basis here"));
  EtErr = Label(QString(), nullptr, "EtErr");
  EtErr->setMinimumHeight(EtErr->fontMetrics().height());
  auto* bases = new QGridLayout(PB);
  bases->addWidget(new QLabel(QStringLiteral("Hex")), 0, 0);
  bases->addWidget(IdHex, 0, 1);
  bases->addWidget(new QLabel(QStringLiteral("Bin")), 1, 0);
  bases->addWidget(IdBin, 1, 1);
  bases->addWidget(new QLabel(QStringLiteral("Oct")), 2, 0);
  bases->addWidget(IdOct, 2, 1);
  bases->addWidget(IdBX, 3, 0);
  bases->addWidget(IdX, 3, 1);
  bases->addWidget(EtErr, 4, 0, 1, 2);
  bases->setRowStretch(5, 1);

  auto* body = new QHBoxLayout;
  body->addLayout(results, 1);
  body->addSpacing(6);
  body->addWidget(PB);

  auto* layout = new QVBoxLayout(PN);
  layout->addLayout(entry);
  layout->addLayout(body);
  return PN;
}

QGroupBox* TFAritm::BuildPOps() {
  QGroupBox* POps = Panel("POps", QStringLiteral("Operations with"));

  auto* head = new QLabel(QStringLiteral("n1=                   n2=     "));
  IdA = Named(new QComboBox, "IdA");
  IdB = Named(new QComboBox, "IdB");
  for (QComboBox* combo : {IdA, IdB}) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
  }
  BtRnd = PictureButton("BtRnd", "generate", QStringLiteral("Generate"), nullptr, 20);
  OkOps = Button("OkOps", QStringLiteral("OK"));
  // n1's field ends where the heading's "n2=" begins.
  const int spacing = 6;
  const QString n1Part = QStringLiteral("n1=                   ");
  WidenBlanks(head, n1Part, 130 + spacing);
  const int fieldWidth = head->fontMetrics().horizontalAdvance(n1Part) - spacing;
  IdA->setFixedWidth(fieldWidth);
  IdB->setFixedWidth(fieldWidth);
  auto* operands = new QHBoxLayout;
  operands->setSpacing(spacing);
  operands->addWidget(IdA);
  operands->addWidget(IdB);
  operands->addWidget(BtRnd);
  operands->addWidget(OkOps);
  operands->addStretch(1);

  IdS = Result("IdS", 110);
  IdRs = Result("IdRs", 110);
  IdM = Result("IdM", 110);
  IdMCD = Result("IdMCD", 110);
  IdMCD->setToolTip(QStringLiteral("Higuest Common Divisor"));
  IdMCM = Result("IdMCM", 110);
  IdMCM->setToolTip(QStringLiteral("Lowest Common Multiple"));
  auto* plain = new QGridLayout;
  const std::pair<const char*, QLineEdit*> rows[] = {
      {"n1+n2 =     ", IdS},        {"n1-n2 =     ", IdRs},       {"n1\xC2\xB7n2 =     ", IdM},
      {"hcd(n1,n2) =     ", IdMCD}, {"LCM(n1,n2) =     ", IdMCM},
  };
  int row = 0;
  for (const auto& [caption, field] : rows) {
    if (field == IdMCD) plain->setRowMinimumHeight(row++, 8);
    plain->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
    plain->addWidget(field, row++, 1);
  }
  plain->setRowStretch(row, 1);

  IdD = Result("IdD", 110);
  Idpq = NumberChoice("Idpq", 1, 9, QStringLiteral("2"));
  auto* floatRow = new QHBoxLayout;
  floatRow->addWidget(new QLabel(QStringLiteral("n1/n2=")));
  floatRow->addWidget(IdD, 1);

  // The division scheme: dividend | divisor, remainder under the dividend, quotient
  // under the divisor's bar.
  IdDd = Label(QStringLiteral("n1"), nullptr, "IdDd");
  IdDr = Label(QStringLiteral("n2"), nullptr, "IdDr");
  IdDd->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  IdDd->setMinimumWidth(70);
  IdDr->setMinimumWidth(70);
  IdDr->setIndent(4);
  IdQ = Result("IdQ", 80);
  IdQ->setToolTip(QStringLiteral("quotient"));
  IdR = Result("IdR", 80);
  IdR->setToolTip(QStringLiteral("remainder"));
  auto* bar = new QFrame;
  bar->setFrameShape(QFrame::VLine);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  auto* scheme = new QGridLayout;
  scheme->setHorizontalSpacing(0);
  scheme->setVerticalSpacing(2);
  scheme->addWidget(IdDd, 0, 0);
  scheme->addWidget(bar, 0, 1, 2, 1);
  scheme->addWidget(IdDr, 0, 2);
  scheme->addWidget(line, 1, 2);
  auto* remainder = new QHBoxLayout;
  remainder->addWidget(new QLabel(QStringLiteral("R=     ")));
  remainder->addWidget(IdR);
  auto* quotient = new QHBoxLayout;
  quotient->setContentsMargins(6, 0, 0, 0);
  quotient->addWidget(new QLabel(QStringLiteral("Q=     ")));
  quotient->addWidget(IdQ);
  scheme->addLayout(remainder, 2, 0);
  scheme->addLayout(quotient, 2, 2);

  BtPrbl2 = ProblemButton("BtPrbl2");
  auto* division = new QVBoxLayout;
  division->addWidget(Heading(QStringLiteral("Float division")));
  division->addLayout(floatRow);
  division->addWidget(new DecimalsBox(Idpq), 0, Qt::AlignRight);
  division->addSpacing(4);
  division->addWidget(Heading(QStringLiteral("Integer division")));
  division->addLayout(scheme);
  division->addStretch(1);
  division->addWidget(BtPrbl2, 0, Qt::AlignRight);

  auto* body = new QHBoxLayout;
  body->addLayout(plain);
  body->addSpacing(12);
  body->addLayout(division, 1);

  auto* layout = new QVBoxLayout(POps);
  layout->addWidget(head);
  layout->addLayout(operands);
  layout->addSpacing(4);
  layout->addLayout(body);
  return POps;
}

QGroupBox* TFAritm::BuildPL() {
  QGroupBox* PL = Panel("PL");

  LL = Named(new LetterList, "LL");
  LN = Named(new NumberList, "LN");
  for (QListWidget* list : {LL, LN}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
  }
  // The letters scroll with the numbers.
  LL->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(LN->verticalScrollBar(), &QScrollBar::valueChanged, LL->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(LL->verticalScrollBar(), &QScrollBar::valueChanged, LN->verticalScrollBar(),
          &QScrollBar::setValue);
  // The hexadecimal column starts just past the designed width of the list.
  const int hexColumn =
      std::max(80, LN->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) + 16);
  LN->setItemDelegate(new HexColumnDelegate(hexColumn, LN));

  BtRndL = PictureButton("BtRndL", "generate", QStringLiteral("Generate"), nullptr, 20);
  BtRndL->setIconSize(QSize(16, 16));
  BtRndL->setAutoRaise(true);
  auto* heading = new ListHeading(BtRndL, hexColumn);
  heading->SetIndent(LN->frameWidth() + 3);

  BtUnSel = Button("BtUnSel", QStringLiteral("uns."), QStringLiteral("Unselect all"));
  BtRstL = Button("BtRstL", QStringLiteral("rst"), QStringLiteral("Clear list"));
  BtBrrL = Button("BtBrrL", QStringLiteral("x"), QStringLiteral("erase item"));
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {BtUnSel, BtRstL, BtBrrL}) {
    b->setEnabled(false);
    b->setFixedWidth(44);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);

  auto* EtExpl = Label(QStringLiteral("Multiple selection: Ctl-Click (mouse)"), nullptr, "EtExpl");
  EtExpl->setWordWrap(true);
  BreakAtMiddleBlank(EtExpl);

  EtMCDn = Result("EtMCDn", 80);
  EtMCDn->setToolTip(QStringLiteral("Higuest Common Divisor of selected numbers"));
  EtMCMn = Result("EtMCMn", 80);
  EtMCMn->setToolTip(QStringLiteral("Lowest Common Multiple of selected numbers"));
  auto* selection = new QGridLayout;
  selection->setHorizontalSpacing(6);
  selection->addWidget(new QLabel(QStringLiteral("hcd")), 0, 0);
  selection->addWidget(EtMCDn, 0, 1);
  selection->addWidget(new QLabel(QStringLiteral("LCM")), 1, 0);
  selection->addWidget(EtMCMn, 1, 1);
  BtPrblN = ProblemButton("BtPrblN");

  auto* layout = new QGridLayout(PL);
  layout->setHorizontalSpacing(4);
  layout->addWidget(heading, 0, 1);
  layout->addWidget(LL, 1, 0);
  layout->addWidget(LN, 1, 1);
  layout->addLayout(buttons, 1, 2);
  layout->addWidget(EtExpl, 2, 0, 1, 3);
  layout->addLayout(selection, 3, 0, 1, 3);
  layout->addWidget(BtPrblN, 4, 0, 1, 3, Qt::AlignRight);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(1, 1);
  return PL;
}

QGroupBox* TFAritm::BuildPOC() {
  QGroupBox* POC = Panel("POC", QStringLiteral("Combined operation"));

  IdOC = Field("IdOC", 200);
  IdOC->setToolTip(QStringLiteral("Operators: + - * / ^ ())"));
  OkOC = Button("OkOC", QStringLiteral("="));
  OkOC->setFixedWidth(36);
  auto* expression = new QHBoxLayout;
  expression->addWidget(new QLabel(QStringLiteral("(with a,b...)")));
  expression->addWidget(IdOC, 1);
  expression->addWidget(OkOC);

  EtOC = Label(QString(), nullptr, "EtOC");
  EtOC->setMinimumHeight(EtOC->fontMetrics().height() + 4);
  EtOC->setTextInteractionFlags(Qt::TextSelectableByMouse);

  IdROC1 = Result("IdROC1", 130);
  IdROC2 = Result("IdROC2", 130);
  Idp = NumberChoice("Idp", 1, 9, QStringLiteral("2"));
  BtPrblOC = ProblemButton("BtPrblOC");
  auto* results = new QGridLayout;
  results->addWidget(new QLabel(QStringLiteral("rational N")), 0, 0);
  results->addWidget(new QLabel(QStringLiteral("float N")), 0, 1);
  results->addWidget(IdROC1, 1, 0);
  results->addWidget(IdROC2, 1, 1);
  results->addWidget(new DecimalsBox(Idp), 1, 2);
  results->addWidget(BtPrblOC, 1, 4);
  results->setColumnStretch(3, 1);

  auto* layout = new QVBoxLayout(POC);
  layout->addLayout(expression);
  layout->addWidget(EtOC);
  layout->addLayout(results);
  return POC;
}

void TFAritm::BuildMenu() {
  OpsPrbl = Menu(menuBar(), "OpsPrbl", QStringLiteral("Problem"));
  OpPr1 = MenuItem("OpPr1", QStringLiteral("With 1 integer"), OpsPrbl);
  OpPr2 = MenuItem("OpPr2", QStringLiteral("With 2 integers"), OpsPrbl);
  OpPrCO = MenuItem("OpPrCO", QStringLiteral("Combined operations"), OpsPrbl);
  OpPrN = MenuItem("OpPrN", QStringLiteral("hcd and LCM of n integers"), OpsPrbl);
  OpPrAll = MenuItem("OpPrAll", QStringLiteral("All"), OpsPrbl);
  Disable({OpPr1, OpPr2, OpPrCO, OpPrN, OpPrAll});
  MenuKeys(menuBar());
}

void TFAritm::ConnectHandlers() {
  auto click = [this](QAbstractButton* button, auto handler) {
    connect(button, &QAbstractButton::clicked, this, Guarded([this, handler] { (this->*handler)(); }));
  };
  auto enter = [this](QLineEdit* edit, auto handler) {
    connect(edit, &QLineEdit::returnPressed, this,
            Guarded([this, handler] { (this->*handler)(); }));
  };

  // Single integer.
  connect(Ok1, &QPushButton::clicked, this, Guarded([this] { AcceptN(true); }));
  connect(IdN, &QLineEdit::returnPressed, this, Guarded([this] { AcceptN(true); }));
  connect(IdN, &QLineEdit::textChanged, this, Guarded([this] { Rst1(); }));
  click(BtL, &TFAritm::BtLClick);
  connect(Lexp, &QComboBox::currentIndexChanged, this, Guarded([this] { LexpChange(); }));
  enter(IdHex, &TFAritm::IdHexEnter);
  enter(IdOct, &TFAritm::IdOctEnter);
  enter(IdX, &TFAritm::IdXEnter);
  enter(IdBin, &TFAritm::IdBinEnter);
  enter(IdBX, &TFAritm::MostraBX);
  IdBin->installEventFilter(this);
  Lexp->installEventFilter(this);

  // Two integers.
  click(OkOps, &TFAritm::OkOpsClick);
  click(BtRnd, &TFAritm::BtRndClick);
  connect(IdA, &QComboBox::editTextChanged, this, Guarded([this] { Rst2(); }));
  connect(IdB, &QComboBox::editTextChanged, this, Guarded([this] { Rst2(); }));

  // The list.
  click(BtRndL, &TFAritm::BtRndLClick);
  click(BtUnSel, &TFAritm::BtUnSelClick);
  click(BtRstL, &TFAritm::BtRstLClick);
  click(BtBrrL, &TFAritm::EraseFocused);
  connect(LN, &QListWidget::itemSelectionChanged, this, Guarded([this] { LNClick(); }));
  connect(LN, &QListWidget::itemDoubleClicked, this, Guarded([this] { LNDblClick(); }));
  // A click on an item already selected changes no selection but still picks it.
  connect(LL, &QListWidget::itemSelectionChanged, this, Guarded([this] { LLClick(); }));
  connect(LL, &QListWidget::itemClicked, this, Guarded([this] { LLClick(); }));
  LN->installEventFilter(this);

  // Combined operation.
  click(OkOC, &TFAritm::OpsCmb);
  enter(IdOC, &TFAritm::OpsCmb);
  connect(IdOC, &QLineEdit::textChanged, this, Guarded([this] { IdOCChange(); }));

  // Problems: each button and its menu item run the same command.
  const std::tuple<QToolButton*, QAction*, int> commands[] = {
      {BtPrbl1, OpPr1, PrOne},
      {BtPrbl2, OpPr2, PrTwo},
      {BtPrblOC, OpPrCO, PrCombined},
      {BtPrblN, OpPrN, PrList},
  };
  for (const auto& [button, action, kind] : commands) {
    const int k = kind;
    connect(button, &QToolButton::clicked, this, Guarded([this, k] { ProblemCommand(k); }));
    connect(action, &QAction::triggered, this, Guarded([this, k] { ProblemCommand(k); }));
  }
  connect(OpPrAll, &QAction::triggered, this, Guarded([this] { ProblemCommand(PrAll); }));
}

void TFAritm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  IdN->setFocus();
}

void TFAritm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  // Closing only hides the window; the list starts empty in the next one.
  Shared().Nums.clear();
  for (TFAritm* w : Shared().windows) w->ShowSharedList();
}

bool TFAritm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == LN && key == Qt::Key_Delete) {
      RunGuarded([this] { EraseFocused(); });
      return true;
    }
    if (watched == Lexp && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      RunGuarded([this] { LexpChange(); });
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick && watched == IdBin) {
    RunGuarded([this] { IdBinDblClick(); });
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- Single integer ----

bool TFAritm::EsNValid(const QString& text) {
  IntegersState& s = Shared();
  s.NOk = false;
  if (text.isEmpty()) return false;
  if (!IsIntText(ToStd(text))) {
    ShowMessage(text + QStringLiteral(" isn't a valid integer"));
    IdN->setFocus();
    return false;
  }
  s.NOk = true;
  return true;
}

void TFAritm::AcceptN(bool addToList) {
  BtL->setEnabled(false);
  const QString text = IdN->text();
  if (!EsNValid(text)) return;
  IntegersState& s = Shared();
  s.N = IntOfText(ToStd(text));
  BtL->setEnabled(true);
  Ops1();
  if (addToList && s.NOk) AddN(s.N);
}

void TFAritm::Ops1() {
  const std::int32_t n = Shared().N;
  EtErr->clear();
  Bases(n);
  CalcPot();
  IdFctr->setText(FromStd(FactorialText(n)));
  IdDF->setText(FromStd(FactorText(n)));
  SetKind(FlagOne, true);
  ReevaluateAll();
}

void TFAritm::Bases(std::int32_t v) {
  Shared().N = v;
  // A different text runs Rst1, which clears the results of the former N.
  IdN->setText(QString::number(v));
  IdHex->setText(FromStd(HexText(v)));
  IdBin->setText(FromStd(BaseText(v, 2)));
  IdOct->setText(FromStd(BaseText(v, 8)));
  MostraBX();
}

bool TFAritm::NShown() const { return IdN->text() == QString::number(Shared().N); }

void TFAritm::MostraBX() {
  const std::string text = ToStd(IdBX->text());
  std::int32_t basis = 0;
  switch (ReadBasis(text, basis)) {
    case BasisCheck::Empty:
      break;
    case BasisCheck::Valid:
      // Only the N on display is written in the basis.
      if (NShown()) IdX->setText(FromStd(BaseText(Shared().N, basis)));
      break;
    case BasisCheck::Refused:
      EtErr->setText(FromStd(BasisRefusal(text)));
      break;
  }
}

void TFAritm::CalcPot() {
  IdPot->setText(FromStd(PowerText(Shared().N, IntOfText(ToStd(Lexp->currentText())))));
}

void TFAritm::LexpChange() {
  if (NShown()) CalcPot();
}

void TFAritm::Rst1() {
  IdBs->setText(QStringLiteral("N"));
  for (QLineEdit* field : {IdPot, IdDF, IdFctr, IdHex, IdBin, IdOct, IdX}) field->clear();
  SetKind(FlagOne, false);
}

void TFAritm::BtLClick() {
  IntegersState& s = Shared();
  s.N = IntOfText(ToStd(IdN->text()));
  AddN(s.N);
}

void TFAritm::IdHexEnter() { Bases(HexValue(ToStd(IdHex->text()))); }

void TFAritm::IdOctEnter() { Bases(BaseValue(ToStd(IdOct->text()), 8)); }

void TFAritm::IdXEnter() {
  const std::string text = ToStd(IdBX->text());
  std::int32_t basis = 0;
  if (ReadBasis(text, basis) == BasisCheck::Valid)
    Bases(BaseValue(ToStd(IdX->text()), basis));
  else
    EtErr->setText(FromStd(BasisRefusal(text)));
}

void TFAritm::IdBinEnter() {
  // Shown like the other bases, so N never changes out of sight.
  if (!IdBin->text().isEmpty()) Bases(BinValue(ToStd(IdBin->text())));
}

void TFAritm::IdBinDblClick() {
  if (!IdBin->text().isEmpty()) IdN->setText(QString::number(BinValue(ToStd(IdBin->text()))));
}

// ---- Two integers ----

void TFAritm::OkOpsClick() {
  IntegersState& s = Shared();
  s.n1 = IntOfText(ToStd(IdA->currentText()));
  s.n2 = IntOfText(ToStd(IdB->currentText()));
  const TwoIntTexts t = TwoIntResults(s.n1, s.n2, IntOfText(ToStd(Idpq->currentText())));
  IdS->setText(FromStd(t.Sum));
  IdRs->setText(FromStd(t.Diff));
  IdM->setText(FromStd(t.Prod));
  IdQ->setText(FromStd(t.Quot));
  IdR->setText(FromStd(t.Rem));
  IdD->setText(FromStd(t.FloatDiv));
  if (t.Divided) {
    IdDd->setText(IdA->currentText());
    IdDr->setText(IdB->currentText());
  }
  IdMCD->setText(FromStd(t.Hcd));
  IdMCM->setText(FromStd(t.Lcm));
  SetKind(FlagTwo, true);
  ReevaluateAll();
}

void TFAritm::BtRndClick() {
  IdA->setEditText(QString::number(DrawOperand()));
  IdB->setEditText(QString::number(DrawOperand()));
  OkOpsClick();
}

void TFAritm::Rst2() {
  for (QLineEdit* field : {IdS, IdRs, IdM, IdD, IdMCM, IdMCD, IdR, IdQ}) field->clear();
  SetKind(FlagTwo, false);
}

// ---- The list ----

void TFAritm::AddN(std::int32_t v) {
  IntegersState& s = Shared();
  if (std::find(s.Nums.begin(), s.Nums.end(), v) != s.Nums.end()) return;
  if (s.Nums.size() >= MaxListNumbers) {
    ShowMessage(QStringLiteral("List full (23 numbers)"), QStringLiteral("Wrong entry"));
    return;
  }
  s.Nums.push_back(v);
  for (TFAritm* w : s.windows) {
    const int c = w->LN->count();
    {
      const QSignalBlocker blockNumbers(w->LN);
      const QSignalBlocker blockLetters(w->LL);
      w->LN->addItem(FromStd(ListRowText(v)));
      w->LL->addItem(QString(QChar::fromLatin1(ItemLetters[c])));
    }
    for (QComboBox* combo : {w->IdA, w->IdB}) {
      combo->addItem(QString::number(v));
      if (combo->currentIndex() < 0) combo->setCurrentIndex(0);
    }
    w->BtRstL->setEnabled(true);
  }
}

void TFAritm::LlistaN() {
  const std::vector<std::int32_t>& nums = Shared().Nums;
  QStringList texts;
  for (std::int32_t v : nums) texts << QString::number(v);
  syncing_ = true;
  LN->clear();
  LL->clear();
  LN->addItems(texts);
  for (std::size_t i = 0; i < nums.size(); ++i)
    LL->addItem(QString(QChar::fromLatin1(ItemLetters[i])));
  syncing_ = false;
  FillCombo(IdA, texts);
  FillCombo(IdB, texts);
}

void TFAritm::ShowSharedList() {
  if (Shared().Nums.empty()) {
    syncing_ = true;
    LN->clear();
    LL->clear();
    syncing_ = false;
  } else {
    LlistaN();
  }
  BtRstL->setEnabled(!Shared().Nums.empty());
  BtBrrL->setEnabled(false);
  BtUnSel->setEnabled(false);
}

void TFAritm::BrrN(int k) {
  std::vector<std::int32_t>& nums = Shared().Nums;
  if (k < 1 || k > static_cast<int>(nums.size())) return;
  nums.erase(nums.begin() + (k - 1));
  for (TFAritm* w : Shared().windows) {
    w->LlistaN();
    w->BtUnSel->setEnabled(false);
  }
}

void TFAritm::EraseFocused() {
  const int row = LN->currentRow();
  if (row >= 0) BrrN(row + 1);
}

void TFAritm::BtRstLClick() {
  Shared().Nums.clear();
  for (TFAritm* w : Shared().windows) {
    w->ShowSharedList();
    w->SetKind(FlagList, false);
  }
}

void TFAritm::BtUnSelClick() {
  syncing_ = true;
  LN->clearSelection();
  LL->clearSelection();
  syncing_ = false;
  EtMCDn->clear();
  EtMCMn->clear();
  BtUnSel->setEnabled(false);
  BtBrrL->setEnabled(false);
  SetKind(FlagList, false);
}

void TFAritm::LNClick() {
  if (syncing_) return;
  syncing_ = true;
  LL->setCurrentRow(LN->currentRow(), QItemSelectionModel::NoUpdate);
  for (int i = 0; i < LN->count() && i < LL->count(); ++i)
    LL->item(i)->setSelected(LN->item(i)->isSelected());
  syncing_ = false;
  const auto selected = LN->selectedItems().size();
  BtBrrL->setEnabled(selected == 1);
  BtUnSel->setEnabled(selected >= 1);
  mcdMCM();
}

void TFAritm::LLClick() {
  if (syncing_) return;
  const int row = LL->currentRow();
  syncing_ = true;
  LN->setCurrentRow(row, QItemSelectionModel::NoUpdate);
  for (int i = 0; i < LN->count() && i < LL->count(); ++i)
    LN->item(i)->setSelected(LL->item(i)->isSelected());
  syncing_ = false;
  const std::vector<std::int32_t>& nums = Shared().Nums;
  if (row >= 0 && row < static_cast<int>(nums.size())) IdN->setText(QString::number(nums[row]));
  mcdMCM();
}

void TFAritm::LNDblClick() {
  const int row = LN->currentRow();
  const std::vector<std::int32_t>& nums = Shared().Nums;
  if (row < 0 || row >= static_cast<int>(nums.size())) return;
  IdN->setText(QString::number(nums[row]));
  AcceptN(false);
}

void TFAritm::mcdMCM() {
  EtMCDn->clear();
  EtMCMn->clear();
  SetKind(FlagList, false);
  IntegersState& s = Shared();
  std::vector<std::int32_t> selected;
  for (int i = 0; i < LN->count() && i < static_cast<int>(s.Nums.size()); ++i)
    if (LN->item(i)->isSelected()) selected.push_back(s.Nums[i]);
  if (selected.size() < 2) return;
  s.Sels = selected;
  const SelectionTexts t = SelectionResults(selected);
  EtMCDn->setText(FromStd(t.Hcd));
  EtMCMn->setText(FromStd(t.Lcm));
  SetKind(FlagList, true);
  ReevaluateAll();
}

void TFAritm::BtRndLClick() {
  const std::vector<std::int32_t>& nums = Shared().Nums;
  if (nums.size() >= MaxListNumbers) {
    ShowMessage(QStringLiteral("List full (23 numbers)"), QStringLiteral("Wrong entry"));
    return;
  }
  AddN(DrawListNumber(nums));
}

// ---- Combined operation ----

void TFAritm::OpsCmb() {
  const std::string expression = ToStd(IdOC->text());
  if (expression.empty()) return;
  IntegersState& s = Shared();
  const std::size_t c = std::min<std::size_t>(LN->count(), s.Nums.size());
  s.UsedLetters = std::string(ItemLetters.substr(0, c));
  s.UsedNums.assign(s.Nums.begin(), s.Nums.begin() + static_cast<std::ptrdiff_t>(c));
  const std::string replaced = CombinedText(expression, s.UsedNums);
  EtOC->setText(FromStd(replaced));
  const CombinedTexts r = CombinedResults(replaced, IntOfText(ToStd(Idp->currentText())));
  if (r.Ok) {
    IdROC1->setText(FromStd(r.Rational));
    IdROC2->setText(FromStd(r.Float));
    SetKind(FlagCombined, true);
  } else {
    IdROC1->setText(QStringLiteral("  ---"));
    IdROC2->setText(QStringLiteral("  ---"));
    ShowMessage(QStringLiteral("Division by 0 or >Long_Max in any step"),
                QStringLiteral("Not calculable"));
  }
}

void TFAritm::IdOCChange() {
  EtOC->clear();
  IdROC1->clear();
  IdROC2->clear();
  SetKind(FlagCombined, false);
}

// ---- Problems ----

void TFAritm::SetKind(int flag, bool available) {
  const std::pair<QToolButton*, QAction*> commands[] = {
      {BtPrbl1, OpPr1}, {BtPrbl2, OpPr2}, {BtPrblOC, OpPrCO}, {BtPrblN, OpPrN}};
  commands[flag].first->setEnabled(available);
  commands[flag].second->setEnabled(available);
  Shared().Tps[flag] = available;
}

void TFAritm::ReevaluateAll() { OpPrAll->setEnabled(TTps(Shared().Tps) > 1); }

void TFAritm::FesPrbl(int kind) {
  IntegersState& s = Shared();
  IntegerProblemInput in;
  in.IdN = ToStd(IdN->text());
  in.Lexp = ToStd(Lexp->currentText());
  in.IdBX = ToStd(IdBX->text());
  in.IdPot = ToStd(IdPot->text());
  in.IdDF = ToStd(IdDF->text());
  in.IdFctr = ToStd(IdFctr->text());
  in.IdHex = ToStd(IdHex->text());
  in.IdBin = ToStd(IdBin->text());
  in.IdOct = ToStd(IdOct->text());
  in.IdX = ToStd(IdX->text());
  in.IdA = ToStd(IdA->currentText());
  in.IdB = ToStd(IdB->currentText());
  in.IdM = ToStd(IdM->text());
  in.IdD = ToStd(IdD->text());
  in.IdQ = ToStd(IdQ->text());
  in.IdR = ToStd(IdR->text());
  in.IdMCD = ToStd(IdMCD->text());
  in.IdMCM = ToStd(IdMCM->text());
  in.IdOC = ToStd(IdOC->text());
  in.EtOC = ToStd(EtOC->text());
  in.IdROC1 = ToStd(IdROC1->text());
  in.IdROC2 = ToStd(IdROC2->text());
  in.EtMCDn = ToStd(EtMCDn->text());
  in.EtMCMn = ToStd(EtMCMn->text());
  in.Tps = s.Tps;
  in.UsedLetters = s.UsedLetters;
  in.Nums = s.UsedNums;
  in.Sels = s.Sels;
  s.Prbl = IntegerProblem(kind, in);
}

void TFAritm::ProblemCommand(int kind) {
  FesPrbl(kind);
  const TPrbl& p = Shared().Prbl;
  if (showProblem_) showProblem_({p, {}});
}

}  // namespace tessaro
