#include "themes/fractionswindow.h"

#include "ui/keyboard.h"
#include "ui/ui.h"
#include "ui/widgets.h"
#include "panels/fractionpanel.h"
#include "numbers/letters.h"

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
  combo->setMinimumContentsLength(11);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return combo;
}

}  // namespace

TFFracc::TFFracc(ShowProblem showProblem, QWidget* parent)
    : QMainWindow(parent), showProblem_(std::move(showProblem)) {
  setObjectName(QStringLiteral("FFracc"));
  setWindowTitle(QStringLiteral("Fractions"));
  setWindowIcon(Icon(QStringLiteral("fractions")));
  Randomize();

  auto* central = Named(new QWidget(this), "Client");
  auto* PData = Panel("PData", {}, central);
  auto* PUN = Panel("PUN", {}, central);
  auto* PLF = Panel("PLF", {}, central);
  auto* PBin = Panel("PBin", {}, central);
  auto* POC = Panel("POC", {}, central);
  BuildDataPanel(PData);
  BuildUnitPanel(PUN);
  BuildListPanel(PLF);
  BuildBinaryPanel(PBin);
  BuildCombinedPanel(POC);

  auto* layout = new QGridLayout(central);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(PData, 0, 0);
  layout->addWidget(PUN, 0, 1);
  layout->addWidget(PBin, 1, 0, 1, 2);
  layout->addWidget(POC, 2, 0, 1, 2);
  layout->addWidget(PLF, 0, 2, 3, 1);
  setCentralWidget(central);
  // The controls keep their places and sizes: the window is as large as its panels need.
  QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The panels on the left from top to bottom, then the list.
  TabOrder({IdN, IdD, BtOk, BtRnd, Id1, IdS, OpS, LA, LB, Ok2, BtPr2, TOpsBin, IdOC, OkOC, IdROC,
            BtPrC, LF, BtBrr, BtRst});

  BuildProblemMenu();
  EtsBin(QStringLiteral("f1"), QStringLiteral("f2"));
  Connect();
  for (QWidget* field : std::initializer_list<QWidget*>{IdN, IdD, LA, LB, IdOC}) LimitEntry(field);
}

void TFFracc::BuildDataPanel(QWidget* PData) {
  auto* EtEn = Heading(QStringLiteral("Entry / generate"), PData, "EtEn");
  IdN = CentredEdit("IdN", PData, 90);
  IdD = CentredEdit("IdD", PData, 90);
  IdD->setToolTip(QStringLiteral("Empty or 1 for integer"));
  // The fraction bar: a real line between the numerator and the denominator.
  Shape1 = Named(new QFrame(PData), "Shape1");
  Shape1->setFrameShape(QFrame::HLine);
  Shape1->setFrameShadow(QFrame::Plain);
  Shape1->setLineWidth(2);
  Shape1->setFixedSize(90, 6);
  BtOk = Button("BtOk", QStringLiteral("Ok"), QStringLiteral("Accept"), PData);
  BtRnd = Picture("BtRnd", "generate", QStringLiteral("Generate"), PData);

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
  auto* Label2 = Label(QStringLiteral("a/b  as it"), PUN, "Label2");
  auto* Label3 = Label(QStringLiteral("a/b  simpl."), PUN, "Label3");
  Id1 = CentredEdit("Id1", PUN, 130, true);
  IdS = CentredEdit("IdS", PUN, 130, true);
  auto* EtEq = Label(QStringLiteral("\u2261"), PUN, "EtEq", Qt::AlignCenter);
  QFont big = EtEq->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  EtEq->setFont(big);
  OpS = Named(new QCheckBox(QStringLiteral("Simplify always"), PUN), "OpS");
  OpS->setToolTip(QStringLiteral("Pass the simplified form to list"));
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
  BtBrr = Button("BtBrr", QStringLiteral("x"), QStringLiteral("Erase item"), PLF);
  BtRst = Button("BtRst", QStringLiteral("rst"), QStringLiteral("Clear list"), PLF);

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
  auto* Label1 = Heading(QStringLiteral("Binary operations"), PBin, "Label1");
  EtF1 = Label(QString(), PBin, "EtF1");
  EtF2 = Label(QString(), PBin, "EtF2");
  LA = Operand("LA", PBin);
  LB = Operand("LB", PBin);
  Ok2 = Button("Ok2", QStringLiteral("ok"), QString(), PBin);
  BtPr2 = Picture("BtPr2", "problem", QStringLiteral("Problem"), PBin);
  BtPr2->setEnabled(false);

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

  auto* operands = new QHBoxLayout();
  operands->addWidget(EtF1);
  operands->addWidget(LA);
  operands->addSpacing(12);
  operands->addWidget(EtF2);
  operands->addWidget(LB);
  operands->addSpacing(12);
  operands->addWidget(Ok2);
  operands->addStretch(1);
  operands->addWidget(BtPr2);
  auto* box = new QVBoxLayout(PBin);
  box->addWidget(Label1);
  box->addLayout(operands);
  box->addWidget(TOpsBin);
}

void TFFracc::BuildCombinedPanel(QWidget* POC) {
  auto* EtPOC = Heading(QStringLiteral("Combined operation"), POC, "EtPOC");
  IdOC = Edit("IdOC", POC);
  IdOC->setMinimumWidth(260);
  OkOC = Button("OkOC", QStringLiteral("="), QString(), POC);
  OkOC->setFixedWidth(36);
  IdROC = CentredEdit("IdROC", POC, 170, true);
  EtOC = Label(QString(), POC, "EtOC");
  // A long replaced expression is cut at the panel's edge rather than widening the window.
  EtOC->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  EtOC->setTextInteractionFlags(Qt::TextSelectableByMouse);
  BtPrC = Picture("BtPrC", "problem", QStringLiteral("Problem"), POC);
  BtPrC->setEnabled(false);

  auto* row = new QHBoxLayout();
  row->addWidget(IdOC, 1);
  row->addWidget(OkOC);
  row->addWidget(IdROC);
  row->addSpacing(12);
  row->addWidget(BtPrC);
  auto* box = new QVBoxLayout(POC);
  box->addWidget(EtPOC);
  box->addLayout(row);
  box->addWidget(EtOC);
}

void TFFracc::BuildProblemMenu() {
  Problem1 = Menu(menuBar(), "Problem1", QStringLiteral("Problem"));
  OpBin = MenuItem("OpBin", QStringLiteral("Binary operations"), Problem1);
  OpCmb = MenuItem("OpCmb", QStringLiteral("Combined operation"), Problem1);
  OpAll = MenuItem("OpAll", QStringLiteral("All"), Problem1);
  Disable({OpBin, OpCmb, OpAll});
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
  connect(BtBrr, &QPushButton::clicked, this, Guarded([this] {
            if (Sel >= 0) BrrFr(Sel);
          }));
  connect(BtRst, &QPushButton::clicked, this, Guarded([this] { BtRstClick(); }));
  connect(Ok2, &QPushButton::clicked, this, Guarded([this] { OpsBin(); }));
  connect(OkOC, &QPushButton::clicked, this, Guarded([this] { OpsCmb(); }));
  connect(IdOC, &QLineEdit::returnPressed, this, Guarded([this] { OpsCmb(); }));
  connect(IdOC, &QLineEdit::textChanged, this, Guarded([this] {
            EtOC->clear();
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
}

void TFFracc::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  IdN->setFocus();
}

bool TFFracc::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LF && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    RunGuarded([this] {
      if (Sel >= 0) BrrFr(Sel);
    });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFFracc::OkF() {
  const EnteredFraction entry =
      EnterFraction(Frs, ToStd(IdN->text()), ToStd(IdD->text()), OpS->isChecked());
  switch (entry.Outcome) {
    case FractionEntry::ZeroDenominator:
      ShowMessage(QStringLiteral("Denominator can't be zero"), QStringLiteral("Wrong entry"));
      return;
    case FractionEntry::ListFull:
      ShowMessage(QStringLiteral("List full (%1 fractions)").arg(MaxFractions),
                  QStringLiteral("Wrong entry"));
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

void TFFracc::LlistaFrs() {
  LF->clear();
  LL->clear();
  LA->clear();
  LB->clear();
  LA->clearEditText();
  LB->clearEditText();
  const std::vector<std::string> texts = FractionListTexts(Frs);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const QString text = FromStd(texts[i]);
    LF->addItem(text);
    auto* letter = new QListWidgetItem(QString(QChar(ItemLetters[i])), LL);
    letter->setTextAlignment(Qt::AlignCenter);
    LA->addItem(text);
    LB->addItem(text);
  }
  if (!texts.empty()) {
    LA->setCurrentIndex(0);
    LB->setCurrentIndex(0);
  }
  Sel = -1;
}

void TFFracc::BrrFr(int i) {
  if (i < 0 || i >= static_cast<int>(Frs.size())) return;
  Frs.erase(Frs.begin() + i);
  Sel = -1;
  LlistaFrs();
}

void TFFracc::SelectRow(QListWidget* clicked, QListWidget* other) {
  const QList<QListWidgetItem*> selected = clicked->selectedItems();
  Sel = selected.isEmpty() ? -1 : clicked->row(selected.first());
  const QList<QListWidgetItem*> shown = other->selectedItems();
  const int otherRow = shown.isEmpty() ? -1 : other->row(shown.first());
  if (otherRow == Sel) return;
  if (Sel < 0)
    other->clearSelection();
  else
    other->setCurrentRow(Sel);
}

void TFFracc::BtRstClick() {
  if (Frs.empty()) return;
  Frs.clear();
  LlistaFrs();
}

void TFFracc::OpsBin() {
  const BinaryResults results = BinaryOperations(ToStd(LA->currentText()), ToStd(LB->currentText()));
  switch (results.Outcome) {
    case BinaryOutcome::NotFractions:
      return;
    case BinaryOutcome::ZeroDenominator:
      ShowMessage(QStringLiteral("Denominator can't be zero"), QStringLiteral("Wrong entry"));
      return;
    case BinaryOutcome::Done:
      break;
  }
  for (int c = 0; c < 4; ++c) TOpsBin->item(1, c)->setText(FromStd(results.Cells[c]));
  BtPr2->setEnabled(true);
  OpBin->setEnabled(true);
  if (OpCmb->isEnabled()) OpAll->setEnabled(true);
}

void TFFracc::OpsCmb() {
  const QString typed = IdOC->text();
  if (typed.isEmpty()) return;
  TxtOC = ToStd(typed);
  const std::string replaced = ReplaceLetters(TxtOC, ShownList());
  EtOC->setText(FromStd(replaced));
  const std::optional<std::string> value = CombinedValue(replaced);
  if (!value) {
    ShowMessage(QStringLiteral("Wrong entry"), QStringLiteral("Error"));
    return;
  }
  IdROC->setText(FromStd(*value));
  BtPrC->setEnabled(true);
  OpCmb->setEnabled(true);
  if (OpBin->isEnabled()) OpAll->setEnabled(true);
}

void TFFracc::EtsBin(const QString& first, const QString& second) {
  EtF1->setText(first);
  EtF2->setText(second);
  const std::array<std::string, 4> labels = BinaryLabels(ToStd(first), ToStd(second));
  for (int c = 0; c < 4; ++c) TOpsBin->item(0, c)->setText(FromStd(labels[c]));
}

// The list's texts exactly as LF shows them.
std::vector<std::string> TFFracc::ShownList() const {
  std::vector<std::string> texts;
  for (int i = 0; i < LF->count(); ++i) texts.push_back(ToStd(LF->item(i)->text()));
  return texts;
}

FractionTexts TFFracc::ShownTexts() const {
  FractionTexts t;
  t.F1 = ToStd(LA->currentText());
  t.F2 = ToStd(LB->currentText());
  for (int c = 0; c < 4; ++c) {
    t.Labels[c] = ToStd(TOpsBin->item(0, c)->text());
    t.Results[c] = ToStd(TOpsBin->item(1, c)->text());
  }
  t.List = ShownList();
  t.TxtOC = TxtOC;
  t.EtOC = ToStd(EtOC->text());
  t.IdROC = ToStd(IdROC->text());
  return t;
}

void TFFracc::FesPrbl(FractionProblemMode mode) { Prbl_ = FractionProblem(ShownTexts(), mode); }

void TFFracc::ProblemCommand(FractionProblemMode mode) {
  FesPrbl(mode);
  if (showProblem_) showProblem_({Prbl_, {}});
}

}  // namespace tessaro
