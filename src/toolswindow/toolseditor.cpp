#include "toolswindow/toolseditor.h"

#include "numbers/words.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, std::size_t longest) {
  QLineEdit* edit = Edit(name, parent);
  // No more than reads back from the file.
  edit->setMaxLength(static_cast<int>(longest));
  return edit;
}

QToolButton* MakeSmallButton(QWidget* parent, const char* name, const char* icon,
                             const QString& hint) {
  QToolButton* button = PictureButton(name, icon, hint, parent, 16);
  button->setFixedSize(26, 26);
  return button;
}

}  // namespace

TFTools::TFTools(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FTools"));
  setWindowTitle(tr("Tools edition"));
  setWindowIcon(Icon(QStringLiteral("tools")));

  EtLT = Heading(tr("Tools"), this, "EtLT");
  SetDesignColour(EtLT, QPalette::WindowText, QColor(0, 0, 128));
  LT = Named(new QListWidget(this), "LT");
  LT->setSelectionMode(QAbstractItemView::SingleSelection);
  EtLT->setBuddy(LT);
  // A list view takes no name from its buddy: it gets its label's words itself.
  LT->setAccessibleName(EtLT->text());
  LT->setAccessibleDescription(tr("The tools of the Tools menu, in its order"));

  PET = Named(new QFrame(this), "PET");
  PET->setFrameShape(QFrame::StyledPanel);
  SetDesignBackground(PET, QColor(218, 218, 218));
  EtPET = Heading(tr("Add/Edit Tool"), PET, "EtPET");
  QFont heading = EtPET->font();
  heading.setUnderline(true);
  EtPET->setFont(heading);
  SetDesignColour(EtPET, QPalette::WindowText, QColor(128, 0, 0));
  //: The name of a tool as its menu shows it.
  EtTit = Label(tr("Title"), PET, "EtTit");
  IdTit = MakeEdit(PET, "IdTit", TTool::TitRead);
  //: The command line that starts a tool.
  EtFtx = Label(tr("File"), PET, "EtFtx");
  IdFtx = MakeEdit(PET, "IdFtx", TTool::FtxRead);
  EtDir = Label(tr("Work directory"), PET, "EtDir");
  IdDir = MakeEdit(PET, "IdDir", TTool::DirRead);
  EtPars = Label(tr("Parameters"), PET, "EtPars");
  IdPars = MakeEdit(PET, "IdPars", TTool::ParsRead);
  IdTit->setAccessibleDescription(tr("The name of the tool in the Tools menu"));
  IdFtx->setAccessibleDescription(tr("The program the tool starts, with its arguments"));
  //: The hint of the button that puts the tool being edited into the list.
  BtInc = PictureButton("BtInc", "to-list", tr("To List"), PET);

  auto* panel = new QGridLayout(PET);
  panel->addWidget(EtPET, 0, 0, 1, 3);
  const std::pair<QLabel*, QLineEdit*> rows[] = {
      {EtTit, IdTit}, {EtFtx, IdFtx}, {EtDir, IdDir}, {EtPars, IdPars}};
  int row = 1;
  for (const auto& [label, edit] : rows) {
    label->setBuddy(edit);
    panel->addWidget(label, row, 0);
    panel->addWidget(edit, row, 1, 1, 2);
    ++row;
  }
  panel->addWidget(BtInc, row, 2, Qt::AlignRight);
  panel->setColumnStretch(1, 1);
  panel->setRowStretch(row + 1, 1);

  BtOK = Button("BtOK", tr("OK"), tr("Save and exit"), this);
  QFont okFont = BtOK->font();
  okFont.setBold(true);
  BtOK->setFont(okFont);
  SetDesignColour(BtOK, QPalette::ButtonText, Qt::blue);
  BtSurt = Button("BtSurt", tr("Cancel"), tr("Exit without save"), this);
  SetDesignColour(BtSurt, QPalette::ButtonText, Qt::blue);
  // Enter in an edit field presses nothing: OK would save half-typed work.
  for (QPushButton* b : {BtOK, BtSurt}) b->setAutoDefault(false);

  BtNou = MakeSmallButton(this, "BtNou", nullptr, tr("New Tool"));
  BtNou->setText(QStringLiteral("+"));
  QFont plus = BtNou->font();
  plus.setBold(true);
  BtNou->setFont(plus);
  SetDesignColour(BtNou, QPalette::ButtonText, Qt::black);
  //: The hint of the button that takes the chosen tool out of the list.
  BtBrr = MakeSmallButton(this, "BtBrr", nullptr, tr("Eliminate"));
  BtBrr->setText(QStringLiteral("X"));
  SetDesignColour(BtBrr, QPalette::ButtonText, Qt::red);
  BtUp = MakeSmallButton(this, "BtUp", "move-up", tr("Move up"));
  BtDwn = MakeSmallButton(this, "BtDwn", "move-down", tr("Move down"));
  BtUp->setEnabled(false);
  BtDwn->setEnabled(false);

  auto* small = new QVBoxLayout;
  for (QToolButton* b : {BtNou, BtBrr, BtUp, BtDwn}) small->addWidget(b);
  small->addStretch(1);
  auto* exits = new QHBoxLayout;
  exits->addStretch(1);
  exits->addWidget(BtOK);
  exits->addWidget(BtSurt);

  auto* layout = new QGridLayout(this);
  layout->addWidget(EtLT, 0, 0, Qt::AlignLeft);
  layout->addWidget(LT, 1, 0, 2, 1);
  layout->addLayout(small, 1, 1);
  layout->addWidget(PET, 1, 2);
  layout->addLayout(exits, 2, 2);
  layout->setColumnStretch(0, 2);
  layout->setColumnStretch(2, 3);
  layout->setRowStretch(1, 1);

  TabOrder({LT, IdTit, IdFtx, IdDir, IdPars, BtInc, BtOK, BtSurt, BtNou, BtBrr, BtUp, BtDwn});

  // A click, or a move by the keyboard, makes a line the current tool; choosing lines
  // from the code blocks the signal.
  connect(LT, &QListWidget::clicked, this, Guarded([this] { LTClick(); }));
  connect(LT, &QListWidget::currentRowChanged, this, Guarded([this] { LTClick(); }));
  connect(BtInc, &QToolButton::clicked, this, Guarded([this] { BtIncClick(); }));
  connect(BtNou, &QToolButton::clicked, this, Guarded([this] { BtNouClick(); }));
  connect(BtBrr, &QToolButton::clicked, this, Guarded([this] { BtBrrClick(); }));
  connect(BtUp, &QToolButton::clicked, this, Guarded([this] { BtUpClick(); }));
  connect(BtDwn, &QToolButton::clicked, this, Guarded([this] { BtDwnClick(); }));
  connect(BtOK, &QPushButton::clicked, this, Guarded([this] { BtOKClick(); }));
  connect(BtSurt, &QPushButton::clicked, this, Guarded([this] { BtSurtClick(); }));

  SetDesignedSize(this, {410, 280});
}

void TFTools::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) {
    shown_ = true;
    CentreOnScreen(this);
    RunGuarded([this] { FormShow(); });
  }
}

void TFTools::FormShow() {
  ReadTools(table_);
  LlistaTools();
}

void TFTools::LlistaTools() {
  const QSignalBlocker blocker(LT);
  LT->clear();
  for (int k = 1; k <= table_.n; ++k) LT->addItem(FromStd(table_.Tools[k].Tit));
  NouTool();
}

void TFTools::NouTool() {
  current_ = 0;
  SelectLine(-1);
  for (QLineEdit* edit : {IdTit, IdFtx, IdDir, IdPars}) edit->clear();
  Botons();
  if (isVisible()) IdTit->setFocus();
}

void TFTools::Botons() {
  const int c = current_;
  BtNou->setEnabled(c > 0);
  BtBrr->setEnabled(c > 0);
  BtUp->setEnabled(c > 1);
  BtDwn->setEnabled(c > 0 && c < table_.n);
}

void TFTools::ToolaEd() {
  const QListWidgetItem* line = LT->currentItem();
  current_ = line && line->isSelected() ? LT->currentRow() + 1 : 0;
  const TTool shown = current_ > 0 ? table_.Tools[current_] : TTool{};
  IdTit->setText(FromStd(shown.Tit));
  IdFtx->setText(FromStd(shown.Ftx));
  IdDir->setText(FromStd(shown.Dir));
  IdPars->setText(FromStd(shown.Pars));
  Botons();
}

void TFTools::AcceptaTool() {
  // A tool without a title would end the list when the file is read back.
  if (IdTit->text().isEmpty()) {
    ShowMessage(tr("A tool needs a title"), WrongEntry());
    IdTit->setFocus();
    return;
  }
  if (current_ == 0) {
    if (table_.n >= MaxTools) {
      //: %1 is the largest number of tools.
      ShowMessage(tr("The list holds at most %1 tools").arg(MaxTools), WrongEntry());
      return;
    }
    current_ = ++table_.n;
  }
  TTool& tool = table_.Tools[current_];
  CopyText(ToStd(IdTit->text()), tool.Tit, TTool::TitWidth);
  CopyText(ToStd(IdFtx->text()), tool.Ftx, TTool::FtxWidth);
  CopyText(ToStd(IdDir->text()), tool.Dir, TTool::DirWidth);
  CopyText(ToStd(IdPars->text()), tool.Pars, TTool::ParsWidth);
  LlistaTools();
}

bool TFTools::SaveTools() { return WriteTools(table_); }

void TFTools::LTClick() { ToolaEd(); }

void TFTools::BtIncClick() { AcceptaTool(); }

void TFTools::BtNouClick() { NouTool(); }

void TFTools::BtBrrClick() {
  if (current_ < 1 || current_ > table_.n) return;
  RemoveTool(table_, current_);
  LlistaTools();
}

void TFTools::BtUpClick() {
  if (current_ > 1) MoveCurrent(current_ - 1);
}

void TFTools::BtDwnClick() {
  if (current_ > 0 && current_ < table_.n) MoveCurrent(current_ + 1);
}

void TFTools::MoveCurrent(int to) {
  ExchangeTools(table_, current_, to);
  LlistaTools();
  current_ = to;
  SelectLine(to - 1);
  Botons();
}

void TFTools::SelectLine(int row) {
  const QSignalBlocker blocker(LT);
  LT->clearSelection();
  LT->setCurrentRow(row);
}

void TFTools::BtOKClick() {
  // A file that cannot be written keeps the editor open with the work in it.
  if (!SaveTools()) {
    ShowMessage(CannotCreateFile(QString::fromUtf8(ToolsFileName)));
    return;
  }
  accept();
}

void TFTools::BtSurtClick() { reject(); }

// The caption of the messages about a tool that cannot be added: every window's.
QString TFTools::WrongEntry() { return FromStd(tessaro::WrongEntry()); }

}  // namespace tessaro
