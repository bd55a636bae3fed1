#include "themes/fractionswindow.h"

#include "numbers/words.h"
#include "problems/workingtext.h"
#include "themes/themewords.h"
#include "ui/keyboard.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
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
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

// The fraction fields: a fixed width, the text centred.
QLineEdit* CentredEdit(const char* name, QWidget* parent, int width, bool readOnly = false) {
  QLineEdit* edit = readOnly ? ResultEdit(name, parent) : Edit(name, parent);
  edit->setFixedWidth(width);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

QToolButton* Picture(const char* name, const char* icon, const QString& hint, QWidget* parent) {
  QToolButton* button = PictureButton(name, icon, hint, parent);
  button->setAutoRaise(true);
  return button;
}

QComboBox* Operand(const char* name, QWidget* parent) {
  auto* combo = Named(new QComboBox(parent), name);
  combo->setEditable(true);
  // Typed operands are used as they are, not added to the list.
  combo->setInsertPolicy(QComboBox::NoInsert);
  // No completion from the list: what is typed is what is used (2 stays 2 with 2147483647
  // listed). The drop-down still offers every item.
  combo->setCompleter(nullptr);
  combo->setMinimumContentsLength(11);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return combo;
}

}  // namespace

TFFracc::TFFracc(ShowProblem showProblem, ShowWorking showWorking, QWidget* parent)
    : QMainWindow(parent),
      showProblem_(std::move(showProblem)),
      working_(std::move(showWorking), this,
               [this](const QString& panel) { return PanelWorkingOf(panel); }) {
  setObjectName(QStringLiteral("FFracc"));
  setWindowTitle(tr("Fractions"));
  setWindowIcon(Icon(QStringLiteral("fractions")));
  Randomize();

  auto* central = Named(new QWidget(this), "Client");
  // The panels sit in a block of their own size at the top left; a larger window only adds
  // room around them, so the controls keep their places and sizes.
  auto* panels = Named(new QWidget(central), "Panels");
  auto* PData = Panel("PData", {}, panels);
  auto* PUN = Panel("PUN", {}, panels);
  auto* PLF = Panel("PLF", {}, panels);
  auto* PBin = Panel("PBin", {}, panels);
  auto* POC = Panel("POC", {}, panels);
  BuildDataPanel(PData);
  BuildUnitPanel(PUN);
  BuildListPanel(PLF);
  BuildBinaryPanel(PBin);
  BuildCombinedPanel(POC);

  auto* layout = new QGridLayout(panels);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(PData, 0, 0);
  layout->addWidget(PUN, 0, 1);
  layout->addWidget(PBin, 1, 0, 1, 2);
  layout->addWidget(POC, 2, 0, 1, 2);
  layout->addWidget(PLF, 0, 2, 3, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* room = new QVBoxLayout(central);
  room->setContentsMargins(0, 0, 0, 0);
  room->addWidget(panels, 0, Qt::AlignLeft | Qt::AlignTop);
  setCentralWidget(central);
  // The panels on the left from top to bottom, then the list.
  TabOrder({IdN, IdD, BtOk, BtRnd, Id1, IdS, OpS, LA, LB, Ok2, BtWork2, BtPr2, TOpsBin, IdOC,
            OkOC, IdROC, BtWorkC, BtPrC, LF, BtBrr, BtRst});

  BuildProblemMenu();
  EnableProblems();
  EtsBin(QStringLiteral("f1"), QStringLiteral("f2"));
  Connect();
  for (QWidget* field : std::initializer_list<QWidget*>{IdN, IdD, LA, LB, IdOC}) LimitEntry(field);
}

void TFFracc::BuildDataPanel(QWidget* PData) {
  auto* EtEn = Heading(tr("Entry / generate"), PData, "EtEn");
  IdN = CentredEdit("IdN", PData, 90);
  IdD = CentredEdit("IdD", PData, 90);
  //: The hint of the denominator's field: %1 is 1.
  IdD->setToolTip(tr("Empty or %1 for integer").arg(1));
  SpeakAs(IdN, tr("Numerator"));
  SpeakAs(IdD, tr("Denominator"), IdD->toolTip());
  // The fraction bar: a real line between the numerator and the denominator.
  Shape1 = Named(new QFrame(PData), "Shape1");
  Shape1->setFrameShape(QFrame::HLine);
  Shape1->setFrameShadow(QFrame::Plain);
  Shape1->setLineWidth(2);
  Shape1->setFixedSize(90, 6);
  //: The caption of the button that takes the fraction typed.
  BtOk = Button("BtOk", tr("Ok"), tr("Accept"), PData);
  BtRnd = Picture("BtRnd", "generate", themewords::Generate(), PData);

  auto* grid = new QGridLayout(PData);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(10);
  grid->addWidget(EtEn, 0, 0, 1, 2);
  grid->setRowMinimumHeight(1, 4);
  grid->addWidget(IdN, 2, 0);
  grid->addWidget(Shape1, 3, 0, Qt::AlignCenter);
  grid->addWidget(IdD, 4, 0);
  grid->addWidget(BtOk, 2, 1);
  grid->addWidget(BtRnd, 4, 1, Qt::AlignCenter);
  grid->setRowStretch(5, 1);
  grid->setColumnStretch(2, 1);
}

void TFFracc::BuildUnitPanel(QWidget* PUN) {
  const QString fraction = QStringLiteral("a/b");
  //: Over the fraction as it was typed; %1 is the fraction's notation a/b. The double blank is
  //: the design's.
  auto* Label2 = Label(tr("%1  as it").arg(fraction), PUN, "Label2");
  //: Over the fraction simplified ("simpl."); %1 is the fraction's notation a/b. The double
  //: blank is the design's.
  auto* Label3 = Label(tr("%1  simpl.").arg(fraction), PUN, "Label3");
  Id1 = CentredEdit("Id1", PUN, 130, true);
  IdS = CentredEdit("IdS", PUN, 130, true);
  SpeakAs(Id1, tr("The fraction as typed"));
  SpeakAs(IdS, tr("The fraction simplified"));
  auto* EtEq = Label(QStringLiteral("\u2261"), PUN, "EtEq", Qt::AlignCenter);
  QFont big = EtEq->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  EtEq->setFont(big);
  OpS = Named(new QCheckBox(tr("Simplify always"), PUN), "OpS");
  OpS->setToolTip(tr("Pass the simplified form to list"));
  OpS->setChecked(true);

  auto* grid = new QGridLayout(PUN);
  grid->setVerticalSpacing(4);
  grid->addWidget(Label2, 0, 0, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addWidget(Label3, 0, 2, Qt::AlignHCenter | Qt::AlignBottom);
  grid->addWidget(Id1, 1, 0);
  grid->addWidget(EtEq, 1, 1);
  grid->addWidget(IdS, 1, 2);
  grid->setRowMinimumHeight(2, 6);
  grid->addWidget(OpS, 3, 0, 1, 3, Qt::AlignLeft);
  grid->setRowStretch(4, 1);
}

void TFFracc::BuildListPanel(QWidget* PLF) {
  LL = Named(new QListWidget(PLF), "LL");
  LF = Named(new QListWidget(PLF), "LF");
  // Two lists that read as one: the letters beside the fractions, row for row, scrolled by
  // the fractions' bar alone.
  for (QListWidget* list : {LL, LF}) {
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  LL->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LL->setFixedWidth(30);
  LL->setFocusPolicy(Qt::ClickFocus);
  LF->setFixedWidth(170);
  LF->installEventFilter(this);
  SpeakAs(LL, themewords::LettersOfTheList());
  SpeakAs(LF, tr("Fractions of the list"));
  BtBrr = Button("BtBrr", QStringLiteral("x"), tr("Erase item"), PLF);
  BtRst = Button("BtRst", themewords::Reset(), themewords::ClearList(), PLF);

  auto* lists = new QHBoxLayout();
  lists->setSpacing(0);
  lists->addWidget(LL);
  lists->addWidget(LF);
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(BtBrr);
  buttons->addWidget(BtRst);
  auto* box = new QVBoxLayout(PLF);
  box->addLayout(lists, 1);
  box->addLayout(buttons);
}

void TFFracc::BuildBinaryPanel(QWidget* PBin) {
  auto* Label1 = Heading(themewords::BinaryOperations(), PBin, "Label1");
  EtF1 = Label(QString(), PBin, "EtF1");
  EtF2 = Label(QString(), PBin, "EtF2");
  LA = Operand("LA", PBin);
  LB = Operand("LB", PBin);
  //: The caption of the button that calculates the four operations.
  Ok2 = Button("Ok2", tr("ok"), QString(), PBin);
  BtWork2 = WorkingButton("BtWork2", PBin);
  BtPr2 = Picture("BtPr2", "problem", themewords::Problem(), PBin);
  for (QWidget* button : {static_cast<QWidget*>(BtWork2), static_cast<QWidget*>(BtPr2)})
    button->setAccessibleDescription(themewords::BinaryOperations());

  TOpsBin = Named(new QTableWidget(2, 4, PBin), "TOpsBin");
  TOpsBin->horizontalHeader()->hide();
  TOpsBin->verticalHeader()->hide();
  TOpsBin->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TOpsBin->setSelectionMode(QAbstractItemView::SingleSelection);
  TOpsBin->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TOpsBin->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TOpsBin->horizontalHeader()->setMinimumSectionSize(140);
  TOpsBin->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (int c = 0; c < 4; ++c) {
    // Row 0 is the fixed row of labels: drawn like a header, never selected.
    auto* label = new QTableWidgetItem();
    label->setFlags(Qt::ItemIsEnabled);
    label->setTextAlignment(Qt::AlignCenter);
    label->setBackground(TOpsBin->palette().brush(QPalette::Button));
    TOpsBin->setItem(0, c, label);
    auto* result = new QTableWidgetItem();
    result->setTextAlignment(Qt::AlignCenter);
    TOpsBin->setItem(1, c, result);
  }
  const int rows = TOpsBin->rowHeight(0) + TOpsBin->rowHeight(1);
  TOpsBin->setFixedHeight(rows + 2 * TOpsBin->frameWidth());
  TOpsBin->setMinimumWidth(4 * 140 + 2 * TOpsBin->frameWidth());
  // A view takes no name from a label: the heading's words are its own.
  SpeakAs(TOpsBin, themewords::BinaryOperations());

  auto* operands = new QHBoxLayout();
  operands->addWidget(EtF1);
  operands->addWidget(LA);
  operands->addSpacing(12);
  operands->addWidget(EtF2);
  operands->addWidget(LB);
  operands->addSpacing(12);
  operands->addWidget(Ok2);
  operands->addStretch(1);
  operands->addWidget(BtWork2);
  operands->addWidget(BtPr2);
  auto* box = new QVBoxLayout(PBin);
  box->addWidget(Label1);
  box->addLayout(operands);
  box->addWidget(TOpsBin);
}

void TFFracc::BuildCombinedPanel(QWidget* POC) {
  auto* EtPOC = Heading(themewords::CombinedOperation(), POC, "EtPOC");
  IdOC = Edit("IdOC", POC);
  IdOC->setMinimumWidth(260);
  OkOC = Button("OkOC", QStringLiteral("="), QString(), POC);
  OkOC->setFixedWidth(36);
  IdROC = CentredEdit("IdROC", POC, 170, true);
  SpeakAs(IdOC, themewords::Expression());
  SpeakAs(OkOC, themewords::Calculate());
  SpeakAs(IdROC, themewords::Value());
  EtOC = Label(QString(), POC, "EtOC");
  // A long replaced expression is cut at the panel's edge rather than widening the window.
  EtOC->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  EtOC->setTextInteractionFlags(Qt::TextSelectableByMouse);
  themewords::ShowWithValues(EtOC, QString());
  BtWorkC = WorkingButton("BtWorkC", POC);
  BtPrC = Picture("BtPrC", "problem", themewords::Problem(), POC);
  for (QWidget* button : {static_cast<QWidget*>(BtWorkC), static_cast<QWidget*>(BtPrC)})
    button->setAccessibleDescription(themewords::CombinedOperation());

  auto* row = new QHBoxLayout();
  row->addWidget(IdOC, 1);
  row->addWidget(OkOC);
  row->addWidget(IdROC);
  row->addSpacing(12);
  row->addWidget(BtWorkC);
  row->addWidget(BtPrC);
  auto* box = new QVBoxLayout(POC);
  box->addWidget(EtPOC);
  box->addLayout(row);
  box->addWidget(EtOC);
}

void TFFracc::BuildProblemMenu() {
  Problem1 = Menu(menuBar(), "Problem1", themewords::Problem());
  OpBin = MenuItem("OpBin", themewords::BinaryOperations(), Problem1);
  OpCmb = MenuItem("OpCmb", themewords::CombinedOperation(), Problem1);
  OpAll = MenuItem("OpAll", themewords::All(), Problem1);
  MenuKeys(menuBar());
}

void TFFracc::Connect() {
  connect(BtOk, &QPushButton::clicked, this, Guarded([this] { OkF(); }));
  connect(BtRnd, &QToolButton::clicked, this, Guarded([this] { BtRndClick(); }));
  connect(LF, &QListWidget::itemSelectionChanged, this, Guarded([this] { SelectRow(LF, LL); }));
  connect(LL, &QListWidget::itemSelectionChanged, this, Guarded([this] { SelectRow(LL, LF); }));
  connect(LF->verticalScrollBar(), &QScrollBar::valueChanged, LL->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(LL->verticalScrollBar(), &QScrollBar::valueChanged, LF->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(BtBrr, &QPushButton::clicked, this, Guarded([this] { BrrSelected(); }));
  connect(BtRst, &QPushButton::clicked, this, Guarded([this] { BtRstClick(); }));
  connect(Ok2, &QPushButton::clicked, this, Guarded([this] { OpsBin(); }));
  connect(OkOC, &QPushButton::clicked, this, Guarded([this] { OpsCmb(); }));
  connect(IdOC, &QLineEdit::returnPressed, this, Guarded([this] { OpsCmb(); }));
  connect(IdOC, &QLineEdit::textChanged, this, Guarded([this] {
            themewords::ShowWithValues(EtOC, QString());
            IdROC->clear();
          }));
  const auto binary = Guarded([this] { ProblemCommand(FractionProblemMode::Binary); });
  const auto combined = Guarded([this] { ProblemCommand(FractionProblemMode::Combined); });
  connect(BtPr2, &QToolButton::clicked, this, binary);
  connect(OpBin, &QAction::triggered, this, binary);
  connect(BtPrC, &QToolButton::clicked, this, combined);
  connect(OpCmb, &QAction::triggered, this, combined);
  connect(OpAll, &QAction::triggered, this,
          Guarded([this] { ProblemCommand(FractionProblemMode::All); }));
  working_.Attach(BtWork2, QStringLiteral("2"));
  working_.Attach(BtWorkC, QStringLiteral("C"));
}

void TFFracc::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  IdN->setFocus();
}

bool TFFracc::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LF && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RunGuarded([this] { BrrSelected(); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFFracc::OkF() {
  const EnteredFraction entry =
      state_.Enter(ToStd(IdN->text()), ToStd(IdD->text()), OpS->isChecked());
  switch (entry.Outcome) {
    case FractionEntry::ZeroDenominator:
      ShowMessage(ZeroDenominator(), FromStd(WrongEntry()));
      return;
    case FractionEntry::DoesNotFit:
      ShowMessage(FromStd(WrongEntry()), ErrorCaption());
      return;
    case FractionEntry::ListFull:
      ShowMessage(FromStd(state_.List().Rules().fullText), FromStd(WrongEntry()));
      return;
    case FractionEntry::AlreadyListed:
      return;
    case FractionEntry::Added:
      break;
  }
  Id1->setText(FromStd(entry.AsTyped));
  IdS->setText(FromStd(entry.Simplified));
  LlistaFrs();
}

void TFFracc::BtRndClick() {
  Rational r;
  RatRandom(r);
  IdN->setText(QString::number(r.Num));
  IdD->setText(QString::number(r.Den));
}

// Writes the list to LF, LL and the operand boxes; no row stays selected.
void TFFracc::LlistaFrs() {
  LF->clear();
  LL->clear();
  LA->clear();
  LB->clear();
  LA->clearEditText();
  LB->clearEditText();
  const std::vector<std::string> texts = state_.ListTexts();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const QString text = FromStd(texts[i]);
    LF->addItem(text);
    auto* letter = new QListWidgetItem(QString(QChar(state_.List().Letter(i))), LL);
    letter->setTextAlignment(Qt::AlignCenter);
    LA->addItem(text);
    LB->addItem(text);
  }
  if (!texts.empty()) {
    LA->setCurrentIndex(0);
    LB->setCurrentIndex(0);
  }
  state_.Select(std::nullopt);
}

void TFFracc::Restore(const ListSession& session) {
  state_.Restore(session);
  const std::optional<std::size_t> selected = state_.Selected();
  LlistaFrs();
  // Picked as a click picks it: the list's handler selects the item in the model again.
  if (selected) LF->setCurrentRow(static_cast<int>(*selected));
}

void TFFracc::BrrFr(std::size_t i) {
  if (state_.Erase(i)) LlistaFrs();
}

void TFFracc::BrrSelected() {
  if (const std::optional<std::size_t> selected = state_.Selected()) BrrFr(*selected);
}

// Takes the row the user picked in one list into the state and shows it in the other.
void TFFracc::SelectRow(QListWidget* clicked, QListWidget* other) {
  const QList<QListWidgetItem*> picked = clicked->selectedItems();
  state_.Select(picked.isEmpty() ? std::nullopt
                                 : std::optional<std::size_t>(clicked->row(picked.first())));
  const std::optional<std::size_t> selected = state_.Selected();
  const QList<QListWidgetItem*> shown = other->selectedItems();
  const std::optional<std::size_t> otherRow =
      shown.isEmpty() ? std::nullopt : std::optional<std::size_t>(other->row(shown.first()));
  if (otherRow == selected) return;
  if (selected)
    other->setCurrentRow(static_cast<int>(*selected));
  else
    other->clearSelection();
}

void TFFracc::BtRstClick() {
  if (state_.Clear()) LlistaFrs();
}

void TFFracc::OpsBin() {
  const BinaryResults results = state_.Binary(ToStd(LA->currentText()), ToStd(LB->currentText()));
  switch (results.Outcome) {
    case BinaryOutcome::NotFractions:
      return;
    case BinaryOutcome::ZeroDenominator:
      ShowMessage(ZeroDenominator(), FromStd(WrongEntry()));
      return;
    case BinaryOutcome::Done:
      break;
  }
  for (int c = 0; c < 4; ++c) {
    TOpsBin->item(1, c)->setText(FromStd(results.Cells[c]));
    ReportCellChange(TOpsBin, 1, c);
  }
  EnableProblems();
}

void TFFracc::OpsCmb() {
  const std::string typed = ToStd(IdOC->text());
  if (typed.empty()) return;
  // Shown before the evaluation, which may end the handler with the conversion message.
  themewords::ShowWithValues(EtOC, FromStd(state_.Replaced(typed)));
  const std::optional<std::string> value = state_.Combined(typed);
  if (!value) {
    ShowMessage(FromStd(WrongEntry()), ErrorCaption());
    return;
  }
  IdROC->setText(FromStd(*value));
  EnableProblems();
}

void TFFracc::EtsBin(const QString& first, const QString& second) {
  EtF1->setText(first);
  EtF2->setText(second);
  SpeakAs(LA, first);
  SpeakAs(LB, second);
  const std::array<std::string, 4> labels = BinaryLabels(ToStd(first), ToStd(second));
  for (int c = 0; c < 4; ++c) {
    TOpsBin->item(0, c)->setText(FromStd(labels[c]));
    ReportCellChange(TOpsBin, 0, c);
  }
}

QString TFFracc::ZeroDenominator() { return tr("Denominator can't be zero"); }

QString TFFracc::ErrorCaption() {
  //: The caption of the message of a fraction beyond what the program holds.
  return tr("Error");
}

// A problem command is enabled once its section has succeeded, and stays enabled: it repeats
// the last success whatever was typed, refused or erased since.
void TFFracc::EnableProblems() {
  const bool pair = state_.LastPair().has_value();
  const bool combined = state_.LastCombined().has_value();
  BtPr2->setEnabled(pair);
  OpBin->setEnabled(pair);
  BtPrC->setEnabled(combined);
  OpCmb->setEnabled(combined);
  OpAll->setEnabled(pair && combined);
  BtWork2->setEnabled(pair);
  BtWorkC->setEnabled(combined);
  working_.Follow();
}

std::pair<QString, Working> TFFracc::PanelWorkingOf(const QString& panel) const {
  const bool binary = panel == QLatin1String("2");
  const std::vector<ProblemParams> sections =
      Sections(binary ? FractionProblemMode::Binary : FractionProblemMode::Combined);
  return {binary ? themewords::BinaryOperations() : themewords::CombinedOperation(),
          sections.empty() ? Working{} : WorkingOf(sections.front())};
}

// The params of the sections a problem of `mode` holds, from the last successes.
std::vector<ProblemParams> TFFracc::Sections(FractionProblemMode mode) const {
  std::vector<ProblemParams> sections;
  const std::optional<FractionPairShown>& pair = state_.LastPair();
  const std::optional<FractionCombinedShown>& combined = state_.LastCombined();
  if (mode != FractionProblemMode::Combined && pair)
    sections.push_back(FractionPairParams{pair->f1, pair->f2});
  if (mode != FractionProblemMode::Binary && combined)
    sections.push_back(FractionCombinedParams{combined->expression, combined->fractions});
  return sections;
}

// The problem of `mode` with each of its sections; none while a section has not succeeded.
std::optional<ShownProblem> TFFracc::FesPrbl(FractionProblemMode mode) const {
  const std::vector<ProblemParams> sections = Sections(mode);
  if (sections.size() != (mode == FractionProblemMode::All ? 2u : 1u)) return std::nullopt;
  return MakeShownProblem(sections, mode == FractionProblemMode::All).shown;
}

void TFFracc::ProblemCommand(FractionProblemMode mode) {
  const std::optional<ShownProblem> problem = FesPrbl(mode);
  if (!problem) return;
  Prbl_ = problem->texts;
  if (showProblem_) showProblem_(*problem);
}

}  // namespace tessaro
