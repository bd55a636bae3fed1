#include "sheetwindow/sheetwindow.h"

#include "renewal/stream.h"
#include "sheetwindow/rangesdialog.h"
#include "sheetwindow/sheetexport.h"
#include "sheetwindow/sheetpages.h"
#include "problems/problemfile.h"
#include "textfile/textfile.h"
#include "ui/ui.h"
#include "ui/widgets.h"
#include "worksheets/renewsheet.h"
#include "worksheets/sheetfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <variant>

namespace tessaro {

namespace {

constexpr int MaxRecent = 8;

// The row of a problem in the list: its number and the first line of its question.
QString RowText(int number, const SheetProblem& problem) {
  QString first;
  for (const std::string& line : TextLines(problem.texts.Enun))
    if (line.find_first_not_of(' ') != std::string::npos) {
      first = FromStd(line).trimmed();
      break;
    }
  if (first.size() > 90) first = first.left(90) + QStringLiteral("\u2026");
  return QString::number(number) + QStringLiteral(". ") + first;
}

QString RecentFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
         QStringLiteral("/recent-sheets.txt");
}

void PrepareForSheet(QPrinter* printer, const Worksheet& sheet) {
  printer->setPageSize(QPageSize(PaperOf(sheet.page)));
  // The document keeps its own margins of 2 cm.
  printer->setPageMargins(QMarginsF(0, 0, 0, 0));
  printer->setDocName(FromStd(sheet.title));
}

}  // namespace

TFSheet::TFSheet(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FSheet"));
  setWindowTitle(tr("Worksheet"));
  setWindowIcon(AppIcon());

  IdTitle = Named(new QLineEdit(this), "IdTitle");
  IdInstr = TextArea("IdInstr", this);
  IdInstr->setMaximumHeight(70);
  LProblems = Named(new QListWidget(this), "LProblems");
  LProblems->setSelectionMode(QAbstractItemView::ExtendedSelection);
  BtUp = Button("BtUp", tr("Up"), tr("Move the problem up"), this);
  BtDown = Button("BtDown", tr("Down"), tr("Move the problem down"), this);
  BtRemove = Button("BtRemove", tr("Remove"), tr("Remove the problem"), this);
  BtNewNums = Button("BtNewNums", tr("New numbers"),
                     tr("The selected problems again with other numbers, drawn within their ranges"),
                     this);
  BtRanges = Button("BtRanges", tr("Ranges…"),
                    tr("The ranges the problem's new numbers are drawn within"), this);
  // Made in the order Tab goes through them: as they stand, top to bottom.
  IdQuestion = TextArea("IdQuestion", this);
  IdAnswer = TextArea("IdAnswer", this);
  //: Whether the key shows the working of the problem's answer.
  CbProblemWorking = Named(new QCheckBox(tr("With working"), this), "CbProblemWorking");
  CbProblemWorking->setToolTip(tr("The key shows the working of the answer under it"));
  BtVersions = Button("BtVersions", tr("Make versions…"),
                      //: %1 is "A, B, ...": the versions' codes.
                      tr("Versions %1 of the whole sheet, each with its own numbers and key")
                          .arg(QStringLiteral("A, B, ...")),
                      this);
  BtNoVersions = Button("BtNoVersions", tr("Remove versions"),
                        tr("Print the problems as they are, without versions"), this);
  LVersions = Label({}, this, "LVersions");
  CbColumns = Named(new QComboBox(this), "CbColumns");
  CbColumns->addItems({QStringLiteral("1"), QStringLiteral("2")});
  CbKey = Named(new QComboBox(this), "CbKey");
  // In the order of KeyPlacement.
  //: Where the answer key prints: on a page of its own, under each question, or not at all.
  CbKey->addItems({tr("On its own page"), tr("Under each question"), tr("None")});
  CbPage = Named(new QComboBox(this), "CbPage");
  //: The paper sizes: A4 is a name, Letter the paper of the United States.
  CbPage->addItems({QStringLiteral("A4"), tr("Letter")});
  SpeakAs(LProblems, tr("Problems"));
  IdInstr->setAccessibleDescription(tr("The instructions print under the title"));
  LProblems->setAccessibleDescription(
      tr("The problems in the order they print; the selected ones get new numbers"));

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {BtUp, BtDown, BtRemove, BtNewNums, BtRanges}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* versions = new QHBoxLayout;
  versions->addWidget(BtVersions);
  versions->addWidget(BtNoVersions);
  versions->addWidget(LVersions, 1);
  // Each field is named by its label, for a screen reader too.
  const auto labelled = [this](const QString& text, QWidget* field) {
    QLabel* label = Label(text, this);
    label->setBuddy(field);
    SpeakAs(field, text);
    return label;
  };
  auto* options = new QGridLayout;
  //: The number of columns the problems print in.
  options->addWidget(labelled(tr("Columns"), CbColumns), 0, 0);
  options->addWidget(CbColumns, 0, 1);
  options->addWidget(labelled(FromStd(AnswerKeyTitle()), CbKey), 1, 0);
  options->addWidget(CbKey, 1, 1);
  options->addWidget(labelled(tr("Paper"), CbPage), 2, 0);
  options->addWidget(CbPage, 2, 1);
  options->setColumnStretch(2, 1);

  auto* left = new QVBoxLayout;
  //: The title of the worksheet.
  left->addWidget(labelled(tr("Title"), IdTitle));
  left->addWidget(IdTitle);
  left->addWidget(labelled(tr("Instructions"), IdInstr));
  left->addWidget(IdInstr);
  left->addWidget(labelled(LProblems->accessibleName(), LProblems));
  left->addWidget(LProblems, 2);
  left->addLayout(buttons);
  left->addWidget(labelled(tr("Question"), IdQuestion));
  left->addWidget(IdQuestion, 1);
  left->addWidget(labelled(tr("Answer"), IdAnswer));
  left->addWidget(IdAnswer, 1);
  left->addWidget(CbProblemWorking, 0, Qt::AlignLeft);
  left->addLayout(versions);
  left->addLayout(options);

  previewPlace_ = new QWidget(this);
  auto* previewLayout = new QVBoxLayout(previewPlace_);
  previewLayout->setContentsMargins(0, 0, 0, 0);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 2);
  layout->addWidget(previewPlace_, 3);

  previewTimer_ = new QTimer(this);
  previewTimer_->setSingleShot(true);
  previewTimer_->setInterval(250);
  connect(previewTimer_, &QTimer::timeout, this, Guarded([this] {
            if (!PvSheet) return;
            PrepareForSheet(printer_.get(), sheet_);
            PvSheet->updatePreview();
          }));

  connect(IdTitle, &QLineEdit::textEdited, this, Guarded([this] {
            sheet_.title = ToStd(IdTitle->text());
            WriteCaption();
            Changed();
          }));
  connect(IdInstr, &QPlainTextEdit::textChanged, this, Guarded([this] {
            if (writing_) return;
            sheet_.instructions = CrLfLines(ToStd(AreaText(IdInstr)));
            Changed();
          }));
  connect(LProblems, &QListWidget::currentRowChanged, this, Guarded([this] {
            if (writing_) return;
            selected_ = LProblems->currentRow();
            WriteSelected();
          }));
  connect(LProblems, &QListWidget::itemSelectionChanged, this, Guarded([this] { UserChose(); }));
  connect(IdQuestion, &QPlainTextEdit::textChanged, this, Guarded([this] { UserEditedQuestion(); }));
  connect(IdAnswer, &QPlainTextEdit::textChanged, this, Guarded([this] { UserEditedAnswer(); }));
  connect(BtUp, &QPushButton::clicked, this, Guarded([this] { Move(-1); }));
  connect(BtDown, &QPushButton::clicked, this, Guarded([this] { Move(1); }));
  connect(BtRemove, &QPushButton::clicked, this, Guarded([this] { Remove(); }));
  connect(BtNewNums, &QPushButton::clicked, this, Guarded([this] { NewNumbers(); }));
  connect(BtRanges, &QPushButton::clicked, this, Guarded([this] { EditRanges(); }));
  connect(BtVersions, &QPushButton::clicked, this, Guarded([this] { AskVersions(); }));
  connect(BtNoVersions, &QPushButton::clicked, this, Guarded([this] { RemoveVersions(); }));
  // clicked, not toggled: only the user's click is a change of the sheet.
  connect(CbProblemWorking, &QCheckBox::clicked, this, Guarded([this] {
            if (!SelectedIsValid()) return;
            sheet_.problems[selected_].working = CbProblemWorking->isChecked();
            Changed();
          }));
  connect(CbColumns, &QComboBox::activated, this, Guarded([this] {
            sheet_.columns = CbColumns->currentIndex() + 1;
            Changed();
          }));
  connect(CbKey, &QComboBox::activated, this, Guarded([this] {
            sheet_.key = static_cast<KeyPlacement>(CbKey->currentIndex());
            Changed();
          }));
  connect(CbPage, &QComboBox::activated, this, Guarded([this] {
            sheet_.page = CbPage->currentIndex() == 0 ? PageSize::A4 : PageSize::Letter;
            Changed();
          }));
  connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
          Guarded([this] { Save(); }));

  SetDesignedSize(this, {760, 560});
  WriteAll();
}

TFSheet::~TFSheet() = default;

void TFSheet::EnsurePreview() {
  // Made when first shown: a printer and its preview are heavy, and most runs print nothing.
  if (PvSheet) return;
  printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
  PrepareForSheet(printer_.get(), sheet_);
  PvSheet = Named(new QPrintPreviewWidget(printer_.get(), previewPlace_), "PvSheet");
  PvSheet->setZoomMode(QPrintPreviewWidget::FitToWidth);
  // The preview's view and its pages take the focus: a screen reader names them too.
  SpeakAs(PvSheet, tr("Preview of the printed sheet"));
  for (QWidget* part : PvSheet->findChildren<QWidget*>())
    if (part->focusPolicy() != Qt::NoFocus) SpeakAs(part, PvSheet->accessibleName());
  previewPlace_->layout()->addWidget(PvSheet);
  connect(PvSheet, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* p) { PaintTo(p); });
}

void TFSheet::StartSheet(Worksheet sheet, const QString& path) {
  sheet_ = std::move(sheet);
  path_ = path;
  open_ = true;
  modified_ = false;
  selected_ = sheet_.problems.empty() ? -1 : 0;
  chosen_ = sheet_.problems.empty() ? std::vector<int>{} : std::vector<int>{0};
  WriteAll();
  EnsurePreview();
  previewTimer_->start();
  ShowInFront(this);
  emit OpenChanged(true);
}

void TFSheet::CloseSheet() {
  sheet_ = Worksheet{};
  path_.clear();
  open_ = false;
  modified_ = false;
  selected_ = -1;
  chosen_.clear();
  WriteAll();
  emit OpenChanged(false);
}

void TFSheet::Changed() {
  modified_ = true;
  setWindowModified(true);
  previewTimer_->start();
}

void TFSheet::WriteAll() {
  writing_ = true;
  IdTitle->setText(FromStd(sheet_.title));
  IdInstr->setPlainText(FromStd(sheet_.instructions));
  CbColumns->setCurrentIndex(sheet_.columns == 2 ? 1 : 0);
  CbKey->setCurrentIndex(static_cast<int>(sheet_.key));
  CbPage->setCurrentIndex(PaperOf(sheet_.page) == QPageSize::Letter ? 1 : 0);
  writing_ = false;
  WriteProblemList();
  WriteCaption();
}

void TFSheet::WriteProblemList() {
  writing_ = true;
  LProblems->clear();
  int number = 0;
  for (const SheetProblem& p : sheet_.problems) LProblems->addItem(RowText(++number, p));
  // The current row need not be selected (a Ctrl+click leaves it so): the selection is chosen_.
  LProblems->setCurrentRow(selected_, QItemSelectionModel::NoUpdate);
  for (int row : chosen_)
    if (QListWidgetItem* item = LProblems->item(row)) item->setSelected(true);
  writing_ = false;
  WriteSelected();
  WriteCommands();
}

bool TFSheet::SelectedIsValid() const {
  return selected_ >= 0 && selected_ < static_cast<int>(sheet_.problems.size());
}

void TFSheet::WriteSelected() {
  const bool any = SelectedIsValid();
  const bool drawn = any && !std::holds_alternative<TextParams>(sheet_.problems[selected_].params);
  writing_ = true;
  IdQuestion->setPlainText(any ? FromStd(sheet_.problems[selected_].texts.Enun) : QString());
  IdAnswer->setPlainText(any ? FromStd(sheet_.problems[selected_].texts.Resp) : QString());
  CbProblemWorking->setChecked(any && sheet_.problems[selected_].working);
  writing_ = false;
  for (QWidget* w : std::initializer_list<QWidget*>{IdQuestion, IdAnswer, BtRemove})
    w->setEnabled(any);
  // A text problem has no numbers: nothing to draw, no working to show.
  for (QWidget* w : std::initializer_list<QWidget*>{BtRanges, CbProblemWorking}) w->setEnabled(drawn);
  BtUp->setEnabled(any && selected_ > 0);
  BtDown->setEnabled(any && selected_ + 1 < static_cast<int>(sheet_.problems.size()));
}

void TFSheet::WriteCommands() {
  BtNewNums->setEnabled(!chosen_.empty());
  BtVersions->setEnabled(open_ && !sheet_.problems.empty());
  BtNoVersions->setEnabled(!sheet_.versions.empty());
  //: %1 names the versions: "A to C".
  LVersions->setText(sheet_.versions.empty()
                         ? QString()
                         : tr("Versions %1 print in place of the problems, each with its own key")
                               .arg(FromStd(VersionSpan(sheet_.versions))));
}

void TFSheet::UserChose() {
  if (writing_) return;
  chosen_.clear();
  for (int row = 0; row < LProblems->count(); ++row)
    if (LProblems->item(row)->isSelected()) chosen_.push_back(row);
  WriteCommands();
}

void TFSheet::WriteCaption() {
  if (!open_) {
    setWindowTitle(tr("Worksheet"));
    return;
  }
  //: The name of a worksheet not saved yet.
  const QString name = path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
  // "[*]" marks where Qt shows that the sheet has unsaved changes.
  //: The window's title with the sheet's file name %1.
  setWindowTitle(tr("Worksheet - %1").arg(name) + QStringLiteral("[*]"));
  setWindowModified(modified_);
}

void TFSheet::Move(int by) {
  const int to = selected_ + by;
  if (selected_ < 0 || to < 0 || to >= static_cast<int>(sheet_.problems.size())) return;
  std::swap(sheet_.problems[selected_], sheet_.problems[to]);
  selected_ = to;
  chosen_ = {to};
  WriteProblemList();
  Changed();
}

void TFSheet::Remove() {
  if (selected_ < 0 || selected_ >= static_cast<int>(sheet_.problems.size())) return;
  sheet_.problems.erase(sheet_.problems.begin() + selected_);
  selected_ = std::min(selected_, static_cast<int>(sheet_.problems.size()) - 1);
  chosen_ = selected_ < 0 ? std::vector<int>{} : std::vector<int>{selected_};
  WriteProblemList();
  Changed();
}

void TFSheet::UserEditedQuestion() {
  if (writing_ || selected_ < 0 || selected_ >= static_cast<int>(sheet_.problems.size())) return;
  sheet_.problems[selected_].texts.Enun = CrLfLines(ToStd(AreaText(IdQuestion)));
  LProblems->item(selected_)->setText(RowText(selected_ + 1, sheet_.problems[selected_]));
  Changed();
}

void TFSheet::UserEditedAnswer() {
  if (writing_ || selected_ < 0 || selected_ >= static_cast<int>(sheet_.problems.size())) return;
  sheet_.problems[selected_].texts.Resp = CrLfLines(ToStd(AreaText(IdAnswer)));
  Changed();
}

void TFSheet::NewNumbers() {
  std::vector<int> rows;
  for (int row : chosen_)
    if (row >= 0 && row < static_cast<int>(sheet_.problems.size())) rows.push_back(row);
  if (rows.empty()) return;
  const std::uint64_t seed = NextSeed(sheet_.seed);
  std::vector<std::pair<int, Renewal>> drawn;
  std::vector<int> edited;
  QStringList refused;
  for (int row : rows) {
    Renewal r = RenewProblem(sheet_, static_cast<std::size_t>(row), seed);
    if (r.outcome == RenewOutcome::Refused) refused << FromStd(ProblemRefusal(row + 1, r.message));
    if (r.outcome != RenewOutcome::Renewed) continue;
    if (TextsEdited(sheet_.problems[row])) edited.push_back(row);
    drawn.emplace_back(row, std::move(r));
  }
  if (drawn.empty() && refused.isEmpty()) {
    ShowMessage(tr("A text problem has no numbers to draw again."));
    return;
  }
  bool replaceEdits = true;
  if (!edited.empty()) {
    //: %1 is "Problem 2"; No is the question's button.
    const QString one = tr("%1 was edited. Replace its question and answer with new numbers?\n"
                           "(No keeps it as it is and gives the others new numbers.)");
    //: %1 is "Problems 2 and 5"; No is the question's button.
    const QString many = tr("%1 were edited. Replace their questions and answers with new "
                            "numbers?\n(No keeps them as they are and gives the others new numbers.)");
    const QMessageBox::StandardButton answer =
        Ask((edited.size() == 1 ? one : many).arg(ProblemNumbers(edited)),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Yes && answer != QMessageBox::No) return;
    replaceEdits = answer == QMessageBox::Yes;
  }
  bool changed = false;
  for (const auto& [row, renewal] : drawn) {
    if (!replaceEdits && std::find(edited.begin(), edited.end(), row) != edited.end()) continue;
    sheet_.problems[row] = Renewed(sheet_.problems[row], renewal);
    changed = true;
  }
  if (changed) {
    // The file keeps the seed its newest numbers came from.
    sheet_.seed = seed;
    WriteProblemList();
    Changed();
  }
  if (!refused.isEmpty()) ShowMessage(refused.join(QStringLiteral("\n")));
}

void TFSheet::EditRanges() {
  if (!SelectedIsValid() || std::holds_alternative<TextParams>(sheet_.problems[selected_].params))
    return;
  SheetProblem& problem = sheet_.problems[selected_];
  TDlgRanges dialog(problem.params, problem.ranges, selected_ + 1, this);
  if (dialog.exec() != QDialog::Accepted || dialog.Result() == problem.ranges) return;
  problem.ranges = dialog.Result();
  Changed();
}

void TFSheet::AskVersions() {
  if (!open_ || sheet_.problems.empty()) return;
  //: %1 names the versions: "A to C".
  const QString replace = tr("Replace versions %1 with new ones?");
  if (!sheet_.versions.empty() &&
      Ask(replace.arg(FromStd(VersionSpan(sheet_.versions))), QMessageBox::Yes | QMessageBox::No,
          QMessageBox::No) != QMessageBox::Yes)
    return;
  std::vector<int> edited;
  for (std::size_t i = 0; i < sheet_.problems.size(); ++i)
    if (TextsEdited(sheet_.problems[i])) edited.push_back(static_cast<int>(i));
  // The versions print instead of the problems: an edit of the problems does not go with them.
  //: %1 is "Problem 2".
  const QString one = tr("%1 was edited; the versions show the texts the program makes for their "
                         "own numbers. Make the versions?");
  //: %1 is "Problems 2 and 5".
  const QString many = tr("%1 were edited; the versions show the texts the program makes for "
                          "their own numbers. Make the versions?");
  if (!edited.empty() &&
      Ask((edited.size() == 1 ? one : many).arg(ProblemNumbers(edited)),
          QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return;
  QInputDialog count(this);
  count.setObjectName(QStringLiteral("DlgVersions"));
  count.setWindowTitle(tr("Make versions"));
  count.setInputMode(QInputDialog::IntInput);
  //: %1 is "A, B, ...", the versions' codes; %2 and %3 the fewest and the most versions.
  count.setLabelText(tr("Versions of the sheet (%1), %2 to %3:")
                         .arg(QStringLiteral("A, B, ..."))
                         .arg(MinVersions)
                         .arg(MaxVersions));
  if (auto* number = count.findChild<QSpinBox*>()) SpeakAs(number, tr("Versions of the sheet"));
  count.setIntRange(MinVersions, MaxVersions);
  count.setIntValue(sheet_.versions.empty() ? 3 : static_cast<int>(sheet_.versions.size()));
  if (count.exec() != QDialog::Accepted) return;
  SheetDraw made = WithVersions(sheet_, count.intValue(), NextSeed(sheet_.seed));
  if (!made.sheet) {
    ShowMessage(FromStd(made.refusal));
    return;
  }
  sheet_ = std::move(*made.sheet);
  WriteCommands();
  Changed();
}

void TFSheet::RemoveVersions() {
  //: %1 names the versions: "A to C".
  const QString remove = tr("Remove versions %1? The sheet then prints its problems as they are.");
  if (sheet_.versions.empty() ||
      Ask(remove.arg(FromStd(VersionSpan(sheet_.versions))), QMessageBox::Yes | QMessageBox::No,
          QMessageBox::No) != QMessageBox::Yes)
    return;
  sheet_.versions.clear();
  WriteCommands();
  Changed();
}

void TFSheet::AddProblems(const std::vector<SheetProblem>& problems) {
  if (!open_) StartSheet(Worksheet{}, {});
  const int first = static_cast<int>(sheet_.problems.size());
  sheet_.problems.insert(sheet_.problems.end(), problems.begin(), problems.end());
  selected_ = problems.empty() ? selected_ : first;
  if (!problems.empty()) chosen_ = {first};
  WriteProblemList();
  Changed();
  ShowInFront(this);
}

bool TFSheet::ConfirmClose() {
  return !IsModified() ||
         MayLoseChanges(tr("Save changes to the worksheet?"), [this] { return Save(); });
}

void TFSheet::closeEvent(QCloseEvent* event) {
  bool close = false;
  RunGuarded([&] { close = ConfirmClose(); });
  if (!close) {
    event->ignore();
    return;
  }
  CloseSheet();
  event->accept();
}

void TFSheet::New() {
  if (!ConfirmClose()) return;
  StartSheet(Worksheet{}, {});
}

QFileDialog* TFSheet::FileDialog(const char* name, const QString& title, bool save) {
  QFileDialog* dialog = tessaro::FileDialog(this, name, title, save);
  dialog->setDirectory(path_.isEmpty() ? QDir::currentPath() : QFileInfo(path_).absolutePath());
  return dialog;
}

void TFSheet::Open() {
  if (!ConfirmClose()) return;
  std::unique_ptr<QFileDialog> dialog(FileDialog("DlgSheetOpen", tr("Open worksheet"), false));
  dialog->setNameFilters({SheetFilter(), AnyFileFilter()});
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
  OpenFile(dialog->selectedFiles().first());
}

bool TFSheet::OpenFile(const QString& path) {
  SheetRead read = ReadSheet(ToStd(path));
  if (!read.sheet) {
    // The sheet open before stays as it was.
    ShowMessage(FromStd(read.error));
    return false;
  }
  StartSheet(std::move(*read.sheet), QFileInfo(path).absoluteFilePath());
  Remember(path_);
  return true;
}

bool TFSheet::Save() {
  if (!open_) return false;
  if (path_.isEmpty()) return SaveAs();
  return SaveTo(path_);
}

bool TFSheet::SaveAs() {
  if (!open_) return false;
  std::unique_ptr<QFileDialog> dialog(FileDialog("DlgSheetSave", tr("Save worksheet"), true));
  dialog->setNameFilters({SheetFilter(), AnyFileFilter()});
  dialog->setDefaultSuffix(QStringLiteral("tsheet"));
  if (!path_.isEmpty()) dialog->selectFile(path_);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return false;
  return SaveTo(dialog->selectedFiles().first());
}

bool TFSheet::SaveTo(const QString& path) {
  if (!WriteSheet(ToStd(path), sheet_)) {
    ShowMessage(CannotCreateFile(QDir::toNativeSeparators(path)));
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  modified_ = false;
  WriteCaption();
  Remember(path_);
  return true;
}

void TFSheet::Export() {
  if (!open_) return;
  std::unique_ptr<QFileDialog> dialog(FileDialog("DlgSheetExport", tr("Export worksheet"), true));
  QStringList filters;
  for (const ExportFormatInfo& info : ExportFormats) filters << ExportFilter(info);
  dialog->setNameFilters(filters);
  dialog->setDefaultSuffix(QStringLiteral("pdf"));
  connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(), [d = dialog.get(), filters](const QString& f) {
    d->setDefaultSuffix(FromStd(std::string(ExportFormats[filters.indexOf(f)].name)));
  });
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
  const qsizetype chosen = std::max<qsizetype>(0, filters.indexOf(dialog->selectedNameFilter()));
  const QString failed = ExportSheet(sheet_, {}, ExportFormats[chosen].format,
                                     dialog->selectedFiles().first());
  if (!failed.isEmpty()) ShowMessage(failed);
}

void TFSheet::PrintPreview() {
  if (!open_) return;
  QPrinter printer(QPrinter::ScreenResolution);
  PrepareForSheet(&printer, sheet_);
  QPrintPreviewDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("DlgPreview"));
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PaintTo(p); });
  dialog.exec();
}

void TFSheet::Print() {
  if (!open_) return;
  QPrinter printer(QPrinter::ScreenResolution);
  PrepareForSheet(&printer, sheet_);
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("DlgPrint"));
  if (dialog.exec() == QDialog::Accepted) PaintTo(&printer);
}

void TFSheet::PaintTo(QPrinter* printer) {
  RunGuarded([&] {
    if (const std::optional<Printout> printout = PrintoutOf(sheet_)) PaintSheet(*printout, printer);
  });
}

// "Problem 2" or "Problems 2, 5 and 7", numbered from 1.
QString TFSheet::ProblemNumbers(const std::vector<int>& rows) {
  QStringList numbers;
  for (int row : rows) numbers << QString::number(row + 1);
  //: %1 is the number of a problem of the sheet.
  if (numbers.size() == 1) return tr("Problem %1").arg(numbers.front());
  const QString last = numbers.takeLast();
  //: A list of problem numbers: %1 is "2, 5", %2 the last number, 7.
  const QString list = tr("%1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
  //: %1 lists the numbers of problems of the sheet: "2, 5 and 7".
  return tr("Problems %1").arg(list);
}

QString TFSheet::SheetFilter() {
  //: A filter of a file dialog; keep the pattern in brackets as it is.
  return tr("Worksheets (%1)").arg(QStringLiteral("*.tsheet"));
}

QStringList TFSheet::RecentSheets() const {
  QStringList list;
  if (const std::optional<std::string> text = ReadWholeFile(ToStd(RecentFile())))
    for (const std::string& line : TextLines(*text))
      if (!line.empty() && list.size() < MaxRecent) list << FromStd(line);
  return list;
}

void TFSheet::Remember(const QString& path) {
  QStringList list = RecentSheets();
  list.removeAll(path);
  list.prepend(path);
  std::string text;
  for (const QString& p : list.mid(0, MaxRecent)) text += ToStd(p) + "\r\n";
  QDir().mkpath(QFileInfo(RecentFile()).absolutePath());
  // The list is a convenience: a failure to keep it is no reason to bother the user.
  ReplaceFile(ToStd(RecentFile()), text);
}

}  // namespace tessaro
