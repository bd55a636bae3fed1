#include "themes/integerswindow.h"

#include "ui/keyboard.h"
#include "ui/ui.h"
#include "ui/widgets.h"
#include "panels/failuretexts.h"
#include "panels/integerpanel.h"
#include "problems/workingtext.h"
#include "numbers/numbers.h"
#include "numbers/words.h"
#include "themes/themewords.h"

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
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tessaro {

// The list every Integers window shows, and the windows showing it.
struct IntegersRun {
  IntegerShared shared;
  std::vector<TFAritm*> windows;
};

std::shared_ptr<IntegersRun> NewIntegersRun() { return std::make_shared<IntegersRun>(); }

ListSession IntegersSession(const IntegersRun& run) { return run.shared.Session(); }

void RestoreIntegers(IntegersRun& run, const ListSession& session) {
  run.shared.Restore(session);
  for (TFAritm* w : run.windows) w->Show();
}

namespace {

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

QToolButton* ProblemButton(const char* name, const QString& hint) {
  QToolButton* button = PictureButton(name, "problem", hint, nullptr, 20);
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

// "(                decimals)" with the drop-down list of decimals standing on its run of
// blanks, wherever the language puts it.
class DecimalsBox : public QWidget {
 public:
  DecimalsBox(QComboBox* combo, const QString& caption) {
    auto* label = new QLabel(caption, this);
    // A screen reader on Linux takes a drop-down list's label from its buddy.
    label->setBuddy(combo);
    combo->setParent(this);
    // The text before the run of blanks, and the text up to its end.
    qsizetype start = caption.indexOf(QStringLiteral("  "));
    if (start < 0) start = 0;
    qsizetype end = start;
    while (end < caption.size() && caption[end] == u' ') ++end;
    const QString open = caption.left(start);
    const QString blanks = caption.left(std::max(end, start + 1));
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
  ListHeading(QToolButton* generate, const QString& hex, int hexColumn) : hexColumn_(hexColumn) {
    number_ = new QLabel(QStringLiteral("N "), this);
    hex_ = new QLabel(hex, this);
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

// Writers: a control gets the model's text only when it shows another one, so the cursor
// of a field the user types in stays where it is; no handler hears the program's writes.
void Put(QLineEdit* edit, const std::string& text) {
  const QString shown = FromStd(text);
  if (edit->text() == shown) return;
  const QSignalBlocker block(edit);
  edit->setText(shown);
}

void Put(QLabel* label, const std::string& text) {
  const QString shown = FromStd(text);
  if (label->text() != shown) label->setText(shown);
}

// An editable drop-down list: its items and the text in its field.
void Put(QComboBox* combo, const QStringList& items, const std::string& text) {
  const QSignalBlocker block(combo);
  QStringList now;
  for (int i = 0; i < combo->count(); ++i) now << combo->itemText(i);
  if (now != items) {
    combo->clear();
    combo->addItems(items);
  }
  const QString shown = FromStd(text);
  if (combo->currentText() == shown) return;
  // The item of that text, if there is one, so the drop-down marks it.
  combo->setCurrentIndex(combo->findText(shown));
  if (combo->currentText() != shown) combo->setEditText(shown);
}

void Put(QListWidget* list, const QStringList& rows) {
  QStringList now;
  for (int i = 0; i < list->count(); ++i) now << list->item(i)->text();
  if (now == rows) return;
  const QSignalBlocker block(list);
  list->clear();
  list->addItems(rows);
}

void PutSelection(QListWidget* list, const LetteredList<std::int32_t>& model) {
  const QSignalBlocker block(list);
  for (int i = 0; i < list->count(); ++i) {
    const bool on = model.IsSelected(static_cast<std::size_t>(i));
    if (list->item(i)->isSelected() != on) list->item(i)->setSelected(on);
  }
  const std::optional<std::size_t> current = model.Current();
  const int row = current ? static_cast<int>(*current) : -1;
  if (list->currentRow() != row) list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
}

// The selected rows of a list box and its focused one, as the user left them.
std::vector<std::size_t> SelectedRows(const QListWidget* list) {
  std::vector<std::size_t> rows;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->isSelected()) rows.push_back(static_cast<std::size_t>(i));
  return rows;
}

std::optional<std::size_t> CurrentRow(const QListWidget* list) {
  const int row = list->currentRow();
  return row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
}

std::int32_t Chosen(const QComboBox* combo) { return IntOfText(ToStd(combo->currentText())); }

// The problem params of the sections a command asks for: one kind, or every kind on offer.
std::vector<ProblemParams> Sections(const IntegerWindowState& s,
                                    std::optional<IntegerSection> kind) {
  std::vector<ProblemParams> sections;
  const auto wanted = [&](IntegerSection section) {
    return s.Offers(section) && (!kind || *kind == section);
  };
  if (wanted(IntegerSection::Single)) sections.emplace_back(*s.SingleSection());
  if (wanted(IntegerSection::Pair)) sections.emplace_back(*s.PairSection());
  if (wanted(IntegerSection::Combined)) sections.emplace_back(*s.CombinedSection());
  if (wanted(IntegerSection::List))
    sections.emplace_back(IntegerListParams{*s.Shared().ListSection()});
  return sections;
}

}  // namespace

TFAritm::TFAritm(ShowProblem showProblem, std::shared_ptr<IntegersRun> run,
                 ShowWorking showWorking, QWidget* parent)
    : QMainWindow(parent),
      showProblem_(std::move(showProblem)),
      working_(std::move(showWorking), this,
               [this](const QString& panel) { return PanelWorkingOf(panel); }),
      run_(run ? std::move(run) : NewIntegersRun()),
      state_(run_->shared) {
  setObjectName(QStringLiteral("FAritm"));
  setWindowTitle(tr("Arithmetic of integers"));
  setWindowIcon(Icon(QStringLiteral("integers")));
  Randomize();
  run_->windows.push_back(this);

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
  Show();
  for (QWidget* field :
       std::initializer_list<QWidget*>{IdN, IdHex, IdBin, IdOct, IdX, IdBX, IdA, IdB, IdOC})
    LimitEntry(field);

  // The designed size is the smallest the window gets.
  resize(sizeHint());
  setMinimumSize(size());
  CentreOnScreen(this);
}

TFAritm::~TFAritm() {
  std::vector<TFAritm*>& windows = run_->windows;
  windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

IntegerDecimals TFAritm::Decimals() const { return {Chosen(Idpq), Chosen(Idp)}; }

void TFAritm::UseDecimals(IntegerDecimals decimals) {
  decimals = FitDecimals(decimals);
  Idpq->setCurrentText(QString::number(decimals.pair));
  Idp->setCurrentText(QString::number(decimals.combined));
}

QGroupBox* TFAritm::BuildPN() {
  //: The title of the panels of one integer N and of two integers n1 and n2, whose fields
  //: follow the title.
  QGroupBox* PN = Panel("PN", tr("Operations with"));

  IdN = Field("IdN", 140);
  //: A screen reader's name of the field of the integer N; %1 is N.
  SpeakAs(IdN, tr("Integer %1").arg(QStringLiteral("N")));
  Ok1 = Button("Ok1", themewords::Ok());
  //: The hint of the button that puts N into the list; keep the blanks at its ends.
  BtL = PictureButton("BtL", "add-to-list", tr(" Add to list "), nullptr, 20);
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
  //: A screen reader's name of the drop-down list of the exponent: %1 is its name, k.
  SpeakAs(Lexp, tr("Exponent %1").arg(QStringLiteral("k")));
  //: A screen reader's name of the field of N^k: %1 is N, %2 is k.
  SpeakAs(IdPot, tr("%1 to the power %2").arg(QStringLiteral("N"), QStringLiteral("k")));
  //: A screen reader's name of the field of N!; %1 is N.
  SpeakAs(IdFctr, tr("Factorial of %1").arg(QStringLiteral("N")));
  BtWork1 = WorkingButton("BtWork1");
  BtPrbl1 = ProblemButton("BtPrbl1", ProblemHint());
  results->addWidget(power, 0, 0, 1, 4);
  results->addWidget(IdBs, 1, 0, Qt::AlignRight);
  results->addWidget(Lexp, 1, 1);
  results->addWidget(new QLabel(QStringLiteral("=     ")), 1, 2);
  results->addWidget(IdPot, 1, 3);
  QLabel* factorization = Label(tr("Factorization:"));
  factorization->setBuddy(IdDF);
  results->addWidget(factorization, 2, 0, 1, 4);
  results->addWidget(IdDF, 3, 0, 1, 4);
  results->addWidget(Heading(tr("Factorial")), 4, 0, 1, 4);
  auto* factorial = new QHBoxLayout;
  factorial->addWidget(new QLabel(QStringLiteral("N! =     ")));
  factorial->addWidget(IdFctr, 1);
  results->addLayout(factorial, 5, 0, 1, 4);
  results->addWidget(Beside(BtWork1, BtPrbl1), 6, 3, Qt::AlignRight);
  results->setColumnStretch(3, 1);
  results->setRowStretch(7, 1);

  //: The title of the panel of N written in other bases; the dots are the design's.
  QGroupBox* PB = Panel("PB", tr("In basis...."));
  IdHex = Field("IdHex", 250);
  IdBin = Field("IdBin", 250);
  IdOct = Field("IdOct", 250);
  IdX = Field("IdX", 250);
  IdBX = Field("IdBX", 40);
  IdBX->setMaximumWidth(48);
  IdBX->setText(QStringLiteral("12"));
  IdBX->setToolTip(tr("Put your basis here"));
  SpeakAs(IdHex, tr("Hexadecimal"));
  SpeakAs(IdBin, tr("Binary"));
  SpeakAs(IdOct, tr("Octal"));
  //: A screen reader's name of the field of the basis of your choice.
  SpeakAs(IdBX, tr("Basis"), IdBX->toolTip());
  //: A screen reader's name of the field of N in the basis of your choice; %1 is N.
  SpeakAs(IdX, tr("%1 in your basis").arg(QStringLiteral("N")));
  EtErr = Label(QString(), nullptr, "EtErr");
  EtErr->setMinimumHeight(EtErr->fontMetrics().height());
  auto* bases = new QGridLayout(PB);
  bases->addWidget(new QLabel(Hex()), 0, 0);
  bases->addWidget(IdHex, 0, 1);
  //: Short for binary, beside the field of N in base 2.
  bases->addWidget(new QLabel(tr("Bin")), 1, 0);
  bases->addWidget(IdBin, 1, 1);
  //: Short for octal, beside the field of N in base 8.
  bases->addWidget(new QLabel(tr("Oct")), 2, 0);
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
  QGroupBox* POps = Panel("POps", tr("Operations with"));

  auto* head = new QLabel(QStringLiteral("n1=                   n2=     "));
  IdA = Named(new QComboBox, "IdA");
  IdB = Named(new QComboBox, "IdB");
  for (QComboBox* combo : {IdA, IdB}) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is what is used: no number of the list completes it.
    combo->setCompleter(nullptr);
  }
  SpeakAs(IdA, QStringLiteral("n1"));
  SpeakAs(IdB, QStringLiteral("n2"));
  BtRnd = PictureButton("BtRnd", "generate", themewords::Generate(), nullptr, 20);
  OkOps = Button("OkOps", themewords::Ok());
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
  //: The hint of the field of hcd(n1,n2); the spelling is the design's.
  IdMCD->setToolTip(tr("Higuest Common Divisor"));
  IdMCM = Result("IdMCM", 110);
  IdMCM->setToolTip(tr("Lowest Common Multiple"));
  auto* plain = new QGridLayout;
  // Each result's notation names it for a screen reader; the caption adds " =" and blanks.
  const std::pair<QString, QLineEdit*> rows[] = {
      {QStringLiteral("n1+n2"), IdS},
      {QStringLiteral("n1-n2"), IdRs},
      {QString::fromUtf8("n1\xC2\xB7n2"), IdM},
      {FromStd(HcdName()) + QStringLiteral("(n1,n2)"), IdMCD},
      {FromStd(LcmName()) + QStringLiteral("(n1,n2)"), IdMCM},
  };
  int row = 0;
  for (const auto& [notation, field] : rows) {
    if (field == IdMCD) plain->setRowMinimumHeight(row++, 8);
    plain->addWidget(new QLabel(notation + QStringLiteral(" =     ")), row, 0);
    SpeakAs(field, notation, field->toolTip());
    plain->addWidget(field, row++, 1);
  }
  plain->setRowStretch(row, 1);

  IdD = Result("IdD", 110);
  Idpq = NumberChoice("Idpq", 1, 9, QStringLiteral("2"));
  SpeakAs(IdD, QStringLiteral("n1/n2"));
  //: A screen reader's name of the drop-down list of the decimals of %1, a result's name.
  SpeakAs(Idpq, tr("Decimals of %1").arg(QStringLiteral("n1/n2")));
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
  IdQ->setToolTip(tr("quotient"));
  IdR = Result("IdR", 80);
  IdR->setToolTip(tr("remainder"));
  SpeakAs(IdQ, tr("Quotient"));
  SpeakAs(IdR, tr("Remainder"));
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

  BtWork2 = WorkingButton("BtWork2");
  BtPrbl2 = ProblemButton("BtPrbl2", ProblemHint());
  auto* division = new QVBoxLayout;
  division->addWidget(Heading(tr("Float division")));
  division->addLayout(floatRow);
  division->addWidget(new DecimalsBox(Idpq, DecimalsCaption()), 0, Qt::AlignRight);
  division->addSpacing(4);
  division->addWidget(Heading(tr("Integer division")));
  division->addLayout(scheme);
  division->addStretch(1);
  division->addWidget(Beside(BtWork2, BtPrbl2), 0, Qt::AlignRight);

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

  SpeakAs(LL, themewords::LettersOfTheList());
  //: A screen reader's name of the list of numbers, each with its hexadecimal form.
  SpeakAs(LN, tr("Numbers of the list"));
  BtRndL = PictureButton("BtRndL", "generate", themewords::Generate(), nullptr, 20);
  BtRndL->setIconSize(QSize(16, 16));
  BtRndL->setAutoRaise(true);
  auto* heading = new ListHeading(BtRndL, Hex(), hexColumn);
  heading->SetIndent(LN->frameWidth() + 3);

  //: A short caption ("unselect") of a narrow button.
  BtUnSel = Button("BtUnSel", tr("uns."), tr("Unselect all"));
  BtRstL = Button("BtRstL", themewords::Reset(), themewords::ClearList());
  BtBrrL = Button("BtBrrL", QStringLiteral("x"), tr("erase item"));
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {BtUnSel, BtRstL, BtBrrL}) {
    b->setEnabled(false);
    b->setFixedWidth(44);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);

  //: How to select several numbers; Ctl is the Control key.
  auto* EtExpl = Label(tr("Multiple selection: Ctl-Click (mouse)"), nullptr, "EtExpl");
  EtExpl->setWordWrap(true);
  BreakAtMiddleBlank(EtExpl);

  EtMCDn = Result("EtMCDn", 80);
  //: The hint of the field of the hcd of the selection; the spelling is the design's.
  EtMCDn->setToolTip(tr("Higuest Common Divisor of selected numbers"));
  EtMCMn = Result("EtMCMn", 80);
  EtMCMn->setToolTip(tr("Lowest Common Multiple of selected numbers"));
  //: A screen reader's name of a result of the selection: %1 is "hcd" or "LCM".
  const QString ofSelection = tr("%1 of the selected numbers");
  SpeakAs(EtMCDn, ofSelection.arg(FromStd(HcdName())));
  SpeakAs(EtMCMn, ofSelection.arg(FromStd(LcmName())));
  auto* selection = new QGridLayout;
  selection->setHorizontalSpacing(6);
  selection->addWidget(new QLabel(FromStd(HcdName())), 0, 0);
  selection->addWidget(EtMCDn, 0, 1);
  selection->addWidget(new QLabel(FromStd(LcmName())), 1, 0);
  selection->addWidget(EtMCMn, 1, 1);
  BtWorkN = WorkingButton("BtWorkN");
  BtPrblN = ProblemButton("BtPrblN", ProblemHint());

  auto* layout = new QGridLayout(PL);
  layout->setHorizontalSpacing(4);
  layout->addWidget(heading, 0, 1);
  layout->addWidget(LL, 1, 0);
  layout->addWidget(LN, 1, 1);
  layout->addLayout(buttons, 1, 2);
  layout->addWidget(EtExpl, 2, 0, 1, 3);
  layout->addLayout(selection, 3, 0, 1, 3);
  layout->addWidget(Beside(BtWorkN, BtPrblN), 4, 0, 1, 3, Qt::AlignRight);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(1, 1);
  return PL;
}

QGroupBox* TFAritm::BuildPOC() {
  QGroupBox* POC = Panel("POC", themewords::CombinedOperation());

  IdOC = Field("IdOC", 200);
  //: %1 lists the operators, as they are typed.
  IdOC->setToolTip(tr("Operators: %1").arg(QStringLiteral("+ - * / ^ ())")));
  SpeakAs(IdOC, themewords::Expression(), IdOC->toolTip());
  OkOC = Button("OkOC", QStringLiteral("="));
  SpeakAs(OkOC, themewords::Calculate());
  OkOC->setFixedWidth(36);
  auto* expression = new QHBoxLayout;
  //: Beside the field of the combined operation: it uses the letters of the list; %1 is
  //: "a,b".
  expression->addWidget(new QLabel(tr("(with %1...)").arg(QStringLiteral("a,b"))));
  expression->addWidget(IdOC, 1);
  expression->addWidget(OkOC);

  EtOC = Label(QString(), nullptr, "EtOC");
  EtOC->setMinimumHeight(EtOC->fontMetrics().height() + 4);
  EtOC->setTextInteractionFlags(Qt::TextSelectableByMouse);
  themewords::ShowWithValues(EtOC, QString());

  IdROC1 = Result("IdROC1", 130);
  IdROC2 = Result("IdROC2", 130);
  Idp = NumberChoice("Idp", 1, 9, QStringLiteral("2"));
  BtWorkOC = WorkingButton("BtWorkOC");
  BtPrblOC = ProblemButton("BtPrblOC", ProblemHint());
  //: The result of the combined operation as a fraction; %1 is its name, N.
  QLabel* rational = Label(tr("rational %1").arg(QStringLiteral("N")));
  //: The result of the combined operation in decimals; %1 is its name, N.
  QLabel* decimal = Label(tr("float %1").arg(QStringLiteral("N")));
  rational->setBuddy(IdROC1);
  decimal->setBuddy(IdROC2);
  SpeakAs(Idp, tr("Decimals of %1").arg(decimal->text()));
  auto* results = new QGridLayout;
  results->addWidget(rational, 0, 0);
  results->addWidget(decimal, 0, 1);
  results->addWidget(IdROC1, 1, 0);
  results->addWidget(IdROC2, 1, 1);
  results->addWidget(new DecimalsBox(Idp, DecimalsCaption()), 1, 2);
  results->addWidget(Beside(BtWorkOC, BtPrblOC), 1, 4);
  results->setColumnStretch(3, 1);

  auto* layout = new QVBoxLayout(POC);
  layout->addLayout(expression);
  layout->addWidget(EtOC);
  layout->addLayout(results);
  return POC;
}

void TFAritm::BuildMenu() {
  OpsPrbl = Menu(menuBar(), "OpsPrbl", themewords::Problem());
  OpPr1 = MenuItem("OpPr1", SectionTitle(IntegerSection::Single), OpsPrbl);
  OpPr2 = MenuItem("OpPr2", SectionTitle(IntegerSection::Pair), OpsPrbl);
  OpPrCO = MenuItem("OpPrCO", SectionTitle(IntegerSection::Combined), OpsPrbl);
  OpPrN = MenuItem("OpPrN", SectionTitle(IntegerSection::List), OpsPrbl);
  OpPrAll = MenuItem("OpPrAll", themewords::All(), OpsPrbl);
  // The panels' buttons say which panel's working and problem they give.
  for (const auto& [button, action, kind] : KindControls())
    button->setAccessibleDescription(SectionTitle(kind));
  for (const auto& [button, kind, panel] : WorkingButtons())
    button->setAccessibleDescription(SectionTitle(kind));
  Disable({OpPr1, OpPr2, OpPrCO, OpPrN, OpPrAll});
  MenuKeys(menuBar());
}

void TFAritm::ConnectHandlers() {
  auto click = [this](QAbstractButton* button, auto handler) {
    connect(button, &QAbstractButton::clicked, this,
            Guarded([this, handler] { (this->*handler)(); }));
  };
  // Enter in a field runs a command of the model.
  auto enter = [this](QLineEdit* edit, void (IntegerWindowState::*command)()) {
    connect(edit, &QLineEdit::returnPressed, this, Guarded([this, command] { Apply(command); }));
  };
  // What the user types goes to the model as it is typed; the program's own writes are
  // not heard. Typing changes this window only, and the base fields nothing but their text.
  auto typed = [this](QLineEdit* edit, auto command, bool show = true) {
    connect(edit, &QLineEdit::textChanged, this, Guarded([this, edit, command, show] {
              command(ToStd(edit->text()));
              if (show) Show();
            }));
  };

  // Single integer.
  click(Ok1, &TFAritm::AcceptN);
  connect(IdN, &QLineEdit::returnPressed, this, Guarded([this] { AcceptN(); }));
  typed(IdN, [this](const std::string& t) { state_.EditN(t); });
  click(BtL, &TFAritm::BtLClick);
  connect(Lexp, &QComboBox::currentIndexChanged, this, Guarded([this] { LexpChange(); }));
  const std::pair<QLineEdit*, IntegerField> fields[] = {{IdHex, IntegerField::Hex},
                                                        {IdBin, IntegerField::Bin},
                                                        {IdOct, IntegerField::Oct},
                                                        {IdX, IntegerField::X},
                                                        {IdBX, IntegerField::Basis}};
  for (const auto& [edit, field] : fields) {
    const IntegerField f = field;
    typed(edit, [this, f](const std::string& t) { state_.Edit(f, t); }, false);
  }
  enter(IdHex, &IntegerWindowState::EnterHex);
  enter(IdOct, &IntegerWindowState::EnterOct);
  enter(IdX, &IntegerWindowState::EnterX);
  enter(IdBin, &IntegerWindowState::EnterBin);
  enter(IdBX, &IntegerWindowState::EnterBasis);
  IdBin->installEventFilter(this);
  Lexp->installEventFilter(this);

  // Two integers.
  click(OkOps, &TFAritm::OkOpsClick);
  click(BtRnd, &TFAritm::BtRndClick);
  for (QComboBox* combo : {IdA, IdB})
    connect(combo, &QComboBox::editTextChanged, this, Guarded([this] {
              state_.EditOperands(ToStd(IdA->currentText()), ToStd(IdB->currentText()));
              Show();
            }));

  // The list.
  click(BtRndL, &TFAritm::BtRndLClick);
  connect(BtUnSel, &QPushButton::clicked, this,
          Guarded([this] { Act([this] { run_->shared.Unselect(); }); }));
  connect(BtRstL, &QPushButton::clicked, this,
          Guarded([this] { Act([this] { run_->shared.Clear(); }); }));
  click(BtBrrL, &TFAritm::EraseFocused);
  // The focused item counts as picked, as a changed selection does.
  connect(LN, &QListWidget::itemSelectionChanged, this, Guarded([this] { LNClick(); }));
  connect(LN, &QListWidget::currentRowChanged, this, Guarded([this] { LNClick(); }));
  connect(LN, &QListWidget::itemDoubleClicked, this, Guarded([this] { LNDblClick(); }));
  // A click on an item already selected changes no selection but still picks it.
  connect(LL, &QListWidget::itemSelectionChanged, this, Guarded([this] { LLClick(); }));
  connect(LL, &QListWidget::itemClicked, this, Guarded([this] { LLClick(); }));
  LN->installEventFilter(this);

  // Combined operation.
  click(OkOC, &TFAritm::OpsCmb);
  connect(IdOC, &QLineEdit::returnPressed, this, Guarded([this] { OpsCmb(); }));
  typed(IdOC, [this](const std::string& t) { state_.EditExpression(t); });

  // Problems: each button and its menu item run the same command.
  for (const auto& [button, action, kind] : KindControls()) {
    const IntegerSection k = kind;
    connect(button, &QToolButton::clicked, this, Guarded([this, k] { ProblemCommand(k); }));
    connect(action, &QAction::triggered, this, Guarded([this, k] { ProblemCommand(k); }));
  }
  connect(OpPrAll, &QAction::triggered, this,
          Guarded([this] { ProblemCommand(std::nullopt); }));
  for (const auto& [button, kind, panel] : WorkingButtons())
    working_.Attach(button, QString::fromLatin1(panel));
}

void TFAritm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  IdN->setFocus();
}

void TFAritm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (!event->isAccepted()) return;
  // Closing only hides the window; the list starts empty in the next one.
  Act([this] { run_->shared.Empty(); });
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
    RunGuarded([this] { Apply(&IntegerWindowState::DoubleClickBin); });
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- Writing the models ----

void TFAritm::Act(const std::function<void()>& command) {
  const auto showAll = [this] {
    for (TFAritm* w : run_->windows) w->Show();
  };
  try {
    command();
  } catch (...) {
    showAll();
    throw;
  }
  showAll();
}

void TFAritm::Show() {
  ShowSingle();
  ShowPair();
  ShowCombined();
  ShowList();
  ShowKinds();
}

void TFAritm::ShowSingle() {
  const IntegerSingleShown& s = state_.Single();
  const std::pair<QLineEdit*, const std::string&> fields[] = {
      {IdN, s.n},     {IdPot, s.power}, {IdDF, s.factorization}, {IdFctr, s.factorial},
      {IdHex, s.hex}, {IdBin, s.bin},   {IdOct, s.oct},          {IdBX, s.basis},
      {IdX, s.x}};
  for (const auto& [edit, text] : fields) Put(edit, text);
  Put(EtErr, s.error);
  BtL->setEnabled(state_.CanAddN());
}

void TFAritm::ShowPair() {
  const IntegerPairShown& p = state_.Pair();
  QStringList choices;
  for (std::int32_t v : run_->shared.Choices()) choices << QString::number(v);
  Put(IdA, choices, p.a);
  Put(IdB, choices, p.b);
  const std::pair<QLineEdit*, const std::string&> fields[] = {
      {IdS, p.sum},      {IdRs, p.difference}, {IdM, p.product}, {IdD, p.floatQuotient},
      {IdQ, p.quotient}, {IdR, p.remainder},   {IdMCD, p.hcd},   {IdMCM, p.lcm}};
  for (const auto& [edit, text] : fields) Put(edit, text);
  Put(IdDd, p.dividend);
  Put(IdDr, p.divisor);
}

void TFAritm::ShowCombined() {
  const IntegerCombinedShown& c = state_.Combined();
  Put(IdOC, c.expression);
  themewords::ShowWithValues(EtOC, FromStd(c.replaced));
  Put(IdROC1, c.rational);
  Put(IdROC2, c.decimal);
}

void TFAritm::ShowList() {
  const IntegerShared& shared = run_->shared;
  const LetteredList<std::int32_t>& list = shared.List();
  QStringList rows;
  for (const std::string& row : state_.Rows()) rows << FromStd(row);
  QStringList letters;
  for (std::size_t i = 0; i < list.Size(); ++i)
    letters << QString(QChar::fromLatin1(list.Letter(i)));
  Put(LN, rows);
  Put(LL, letters);
  PutSelection(LN, list);
  PutSelection(LL, list);
  const std::size_t selected = list.SelectedIndices().size();
  BtRstL->setEnabled(!list.Empty());
  BtUnSel->setEnabled(selected >= 1);
  BtBrrL->setEnabled(selected == 1);
  Put(EtMCDn, shared.Hcd());
  Put(EtMCMn, shared.Lcm());
}

std::array<TFAritm::ProblemControls, IntegerSectionCount> TFAritm::KindControls() const {
  return {{{BtPrbl1, OpPr1, IntegerSection::Single},
           {BtPrbl2, OpPr2, IntegerSection::Pair},
           {BtPrblOC, OpPrCO, IntegerSection::Combined},
           {BtPrblN, OpPrN, IntegerSection::List}}};
}

void TFAritm::ShowKinds() {
  for (const auto& [button, action, kind] : KindControls()) {
    button->setEnabled(state_.Offers(kind));
    action->setEnabled(state_.Offers(kind));
  }
  OpPrAll->setEnabled(state_.OffersAll());
  for (const auto& [button, kind, panel] : WorkingButtons())
    button->setEnabled(state_.Offers(kind));
  working_.Follow();
}

std::array<TFAritm::WorkingControls, IntegerSectionCount> TFAritm::WorkingButtons() const {
  return {{{BtWork1, IntegerSection::Single, "1"},
           {BtWork2, IntegerSection::Pair, "2"},
           {BtWorkOC, IntegerSection::Combined, "OC"},
           {BtWorkN, IntegerSection::List, "N"}}};
}

QString TFAritm::SectionTitle(IntegerSection section) {
  switch (section) {
    case IntegerSection::Single:
      //: The problem of the panel of one integer; %1 is 1.
      return tr("With %1 integer").arg(1);
    case IntegerSection::Pair:
      //: The problem of the panel of two integers; %1 is 2.
      return tr("With %1 integers").arg(2);
    case IntegerSection::Combined:
      return tr("Combined operations");
    case IntegerSection::List:
      //: The problem of the list: %1 and %2 are "hcd" and "LCM", %3 the letter n.
      return tr("%1 and %2 of %3 integers")
          .arg(FromStd(HcdName()), FromStd(LcmName()), QStringLiteral("n"));
  }
  return {};
}

QString TFAritm::ProblemHint() {
  //: The hint of the button that makes the problem of a panel.
  return tr("Make problem");
}

QString TFAritm::Hex() {
  //: Short for hexadecimal, beside the field of N in base 16 and over the list's column.
  return tr("Hex");
}

QString TFAritm::DecimalsCaption() {
  //: A drop-down list of the number of decimals stands on the blanks: keep a run of blanks
  //: (about 16) where the number goes, and the brackets.
  return tr("(                decimals)");
}

// The working of what a panel shows now: empty while it shows no result.
std::pair<QString, Working> TFAritm::PanelWorkingOf(const QString& panel) const {
  for (const auto& [button, kind, name] : WorkingButtons()) {
    if (panel != QLatin1String(name)) continue;
    const std::vector<ProblemParams> sections = Sections(state_, kind);
    return {SectionTitle(kind), sections.empty() ? Working{} : WorkingOf(sections.front())};
  }
  return {};
}

// ---- Single integer ----

void TFAritm::AcceptN() {
  using NEntry = IntegerWindowState::NEntry;
  NEntry entry = NEntry::Empty;
  ListAdd added = ListAdd::Duplicate;
  Act([&] {
    entry = state_.AcceptN();
    if (entry == NEntry::Accepted) added = state_.AddN();
  });
  if (entry == NEntry::NotInteger) {
    //: %1 is the text typed for N.
    ShowMessage(tr("%1 isn't a valid integer").arg(FromStd(state_.Single().n)));
    IdN->setFocus();
  }
  Report(added);
}

void TFAritm::BtLClick() {
  ListAdd added = ListAdd::Duplicate;
  Act([&] { added = state_.TakeNIntoList(); });
  Report(added);
}

void TFAritm::Apply(void (IntegerWindowState::*command)()) {
  Act([&] { (state_.*command)(); });
}

void TFAritm::LexpChange() {
  Act([this] { state_.ChooseExponent(Chosen(Lexp)); });
}

// ---- Two integers ----

void TFAritm::OkOpsClick() {
  Act([this] { state_.ComputePair(Chosen(Idpq)); });
}

void TFAritm::BtRndClick() {
  Act([this] { state_.GeneratePair(Chosen(Idpq)); });
}

// ---- The list ----

void TFAritm::Report(ListAdd added) {
  if (added == ListAdd::Full)
    ShowMessage(FromStd(run_->shared.List().Rules().fullText), FromStd(WrongEntry()));
}

void TFAritm::BtRndLClick() {
  ListAdd added = ListAdd::Duplicate;
  Act([&] { added = run_->shared.Generate(); });
  Report(added);
}

void TFAritm::EraseFocused() {
  const std::optional<std::size_t> row = CurrentRow(LN);
  if (row) Act([&] { run_->shared.Erase(*row); });
}

void TFAritm::LNClick() {
  Act([this] { run_->shared.Pick(SelectedRows(LN), CurrentRow(LN)); });
}

void TFAritm::LLClick() {
  const std::optional<std::size_t> row = CurrentRow(LL);
  Act([&] {
    run_->shared.Pick(SelectedRows(LL), row);
    if (row) state_.ProposeListNumber(*row);
  });
}

void TFAritm::LNDblClick() {
  const std::optional<std::size_t> row = CurrentRow(LN);
  if (!row) return;
  // A list number is always an integer: nothing to refuse but a basis that is none.
  Act([&] { state_.AcceptListNumber(*row); });
}

// ---- Combined operation ----

void TFAritm::OpsCmb() {
  using Evaluation = IntegerWindowState::Evaluation;
  Evaluation done = Evaluation::Empty;
  Act([&] { done = state_.Evaluate(Chosen(Idp)); });
  if (done == Evaluation::NotCalculable)
    ShowMessage(FromStd(StepFailure()), FromStd(ShownFailure(NotCalculable)));
}

// ---- Problems ----

void TFAritm::ProblemCommand(std::optional<IntegerSection> kind) {
  const std::vector<ProblemParams> sections = Sections(state_, kind);
  // A command is enabled only while its sections are on offer.
  if (sections.empty()) return;
  const MadeShown made = MakeShownProblem(sections, !kind);
  if (!made.shown) {
    ShowMessage(FromStd(FieldRefusal(made.field, made.reason)), FromStd(ShownFailure(NotCalculable)));
    return;
  }
  if (showProblem_) showProblem_(*made.shown);
}

}  // namespace tessaro
