#include "problemwindow/problemwindow.h"

#include "problems/workingtext.h"
#include "problemwindow/fileexistsdialog.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

QPlainTextEdit* MakeArea(QWidget* parent, const char* name) {
  QPlainTextEdit* area = TextArea(name, parent);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return area;
}

QString AreaLines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

}  // namespace

TFPrbl::TFPrbl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FPrbl"));
  setWindowTitle(tr("Problem"));
  setWindowIcon(Icon(QStringLiteral("problem")));

  EtEn = Label(tr("Question"), this, "EtEn");
  IdE = MakeArea(this, "IdE");
  EtR = Label(tr("Answer"), this, "EtR");
  IdR = MakeArea(this, "IdR");
  // The labels name the areas for a screen reader.
  EtEn->setBuddy(IdE);
  EtR->setBuddy(IdR);
  IdE->setAccessibleDescription(tr("The question of the problem; it may be edited before saving"));
  IdR->setAccessibleDescription(tr("The answer of the problem; it may be edited before saving"));

  //: The hint of the Save button, which shows a picture.
  BtGrd = PictureButton("BtGrd", "save", tr("Save"), this);
  BtGrd->setAutoRaise(true);
  BtAddSheet = Button("BtAddSheet", tr("Add to worksheet"), tr("Add the problem to the worksheet"),
                      this);
  CbWorking = Named(new QCheckBox(tr("With working"), this), "CbWorking");
  CbWorking->setToolTip(tr("End the answer with the working of each result"));

  // The two areas share the window's growth: each takes the whole width and half the height.
  auto* top = new QHBoxLayout;
  top->addWidget(EtEn, 0, Qt::AlignBottom);
  top->addStretch(1);
  top->addWidget(CbWorking);
  top->addWidget(BtAddSheet);
  top->addWidget(BtGrd);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(IdE, 1);
  layout->addWidget(EtR);
  layout->addWidget(IdR, 1);

  connect(BtGrd, &QToolButton::clicked, this, Guarded([this] { BtGrdClick(); }));
  connect(BtAddSheet, &QPushButton::clicked, this, Guarded([this] { BtAddSheetClick(); }));
  connect(CbWorking, &QCheckBox::toggled, this,
          [this](bool on) { RunGuarded([this, on] { CbWorkingClick(on); }); });
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          Guarded([this] { BtGrdClick(); }));

  SetDesignedSize(this, {320, 260});
  resize(480, 400);
}

void TFPrbl::MostraPrbl(const QString& question, const QString& answer) {
  Put(question, answer);
  shown_ = {{ToStd(question), ToStd(answer)}, {}};
}

void TFPrbl::Show(const ShownProblem& problem) {
  shown_ = problem;
  Display();
}

void TFPrbl::Display() {
  const std::string answer = withWorking_ ? AnswerWithWorking(shown_.texts.Resp, shown_.parts)
                                          : shown_.texts.Resp;
  Put(FromStd(shown_.texts.Enun), FromStd(answer));
}

void TFPrbl::Put(const QString& question, const QString& answer) {
  ShowInFront(this);
  IdE->setPlainText(AreaLines(question));
  IdR->setPlainText(AreaLines(answer));
  kept_ = AreaTexts();
}

void TFPrbl::CbWorkingClick(bool on) {
  withWorking_ = on;
  // An edit stays as the user left it; the choice then holds for the next problem.
  if (!HasUnsavedEdit() && !shown_.parts.empty()) Display();
}

TPrbl TFPrbl::AreaTexts() const {
  return {CrLfLines(ToStd(AreaText(IdE))), CrLfLines(ToStd(AreaText(IdR)))};
}

bool TFPrbl::HasUnsavedEdit() const { return AreaTexts() != kept_; }

void TFPrbl::BtAddSheetClick() {
  if (!addToSheet_) return;
  const TPrbl now = AreaTexts();
  // Unedited, the problem goes as the theme made it, the sheet's key adding the working
  // when it was asked for; an edit goes as it stands, any working lines in it included.
  const bool edited = now != kept_;
  std::vector<SheetProblem> problems = ProblemsFromShown(shown_, edited ? now : shown_.texts);
  if (!edited)
    for (SheetProblem& p : problems) p.working = withWorking_;
  addToSheet_(problems);
  // The edit lives on in the sheet, which asks about itself before it is lost.
  kept_ = now;
}

bool TFPrbl::ConfirmClose() {
  return !HasUnsavedEdit() ||
         MayLoseChanges(tr("Save changes to the problem?"), [this] { return SaveFlow(); });
}

QFileDialog* TFPrbl::SaveDialog() {
  // Made at the first Save: a file dialog is heavy, and most runs never save.
  if (DlgGrd) return DlgGrd;
  //: The title of the file dialog that saves the problem.
  DlgGrd = FileDialog(this, "DlgGrd", tr("Save"), true);
  // The "File already exists" window asks instead.
  DlgGrd->setOption(QFileDialog::DontConfirmOverwrite);
  DlgGrd->setDefaultSuffix(QStringLiteral("txt"));
  DlgGrd->setNameFilters({
      //: Keep the patterns in brackets as they are.
      tr("Text files (%1)").arg(QStringLiteral("*.txt *.TXT")), AnyFileFilter()});
  return DlgGrd;
}

void TFPrbl::BtGrdClick() { SaveFlow(); }

bool TFPrbl::SaveFlow() {
  SaveMode mode = GrdMtx;
  QFileDialog* dialog = SaveDialog();
  // Every time in Prbls, listing its files; the last name chosen is offered again.
  const QString folder = QDir::current().absoluteFilePath(QStringLiteral("Prbls"));
  QDir().mkpath(folder);
  dialog->setDirectory(folder);
  dialog->selectFile(lastFile_.isEmpty() ? QString() : QFileInfo(lastFile_).fileName());
  if (dialog->exec() != QDialog::Accepted) return false;
  const QString fileName = dialog->selectedFiles().value(0);
  if (fileName.isEmpty()) return false;
  lastFile_ = fileName;
  if (QFileInfo::exists(fileName)) {
    mode = fileExists_ ? fileExists_->OpsGrd(fileName) : GrdEsc;
    if (mode == GrdEsc) return false;
  }
  const TPrbl now = AreaTexts();
  if (!GrdPrbl(fileName, mode)) return false;
  kept_ = now;
  return true;
}

bool TFPrbl::GrdPrbl(const QString& fileName, SaveMode mode) {
  const SaveResult result =
      SaveProblem(ToStd(fileName), mode, ToStd(AreaText(IdE)), ToStd(AreaText(IdR)));
  const QString shown = QDir::toNativeSeparators(fileName);
  if (result == SaveResult::CannotOpen) ShowMessage(CannotOpenFile(shown));
  if (result == SaveResult::CannotCreate) ShowMessage(CannotCreateFile(shown));
  return result == SaveResult::Saved;
}

}  // namespace tessaro
