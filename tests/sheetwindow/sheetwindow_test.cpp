#include "harness/harness.h"

#include "harness/windows.h"
#include "worksheets/sheetfile.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>

namespace tessaro::test {
namespace {

using WorksheetTest = AppTest;

ShownProblem Shown(const std::vector<ProblemParams>& sections) {
  return *MakeShownProblem(sections, sections.size() > 1).shown;
}

void AddShown() { Click(Find(ProblemWin(), "BtAddSheet")); }

// Types a file name into a file dialog as the user does (selectFile leaves a name field that
// has the focus as it is) and accepts it.
void ChooseFile(QDialog* d, const QString& name) {
  auto* field = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(field, nullptr);
  field->setText(name);
  d->accept();
}

// A file dialog answers with `name` in the working directory.
void ExpectFileDialog(const QString& object, const QString& name) {
  ExpectDialog(object, [name](QDialog* d) { ChooseFile(d, QDir::current().absoluteFilePath(name)); });
}

TEST_F(WorksheetTest, AddToWorksheetTakesEachSectionOfAnAllProblemWithItsParams) {
  const std::vector<ProblemParams> sections = {IntegerSingleParams{12, 2, 12},
                                               IntegerPairParams{7, 2, 2}};
  ProblemWin()->Show(Shown(sections));
  EXPECT_FALSE(SheetWin()->isVisible());
  AddShown();
  ASSERT_TRUE(SheetWin()->IsOpen()) << "a new sheet when none is open";
  EXPECT_TRUE(SheetWin()->isVisible());
  ASSERT_EQ(SheetWin()->Sheet().problems.size(), 2u);
  EXPECT_EQ(SheetWin()->Sheet().problems[0].params, sections[0]);
  EXPECT_EQ(SheetWin()->Sheet().problems[1].params, sections[1]);
  auto* list = Find<QListWidget>(SheetWin(), "LProblems");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "2. If a= 7  b= 2 calculate:");

  // A second problem, edited by the user, goes to the end of the same sheet with the edit.
  ProblemWin()->Show(Shown({FractionPairParams{"1/2", "3/4"}}));
  Type(Find(ProblemWin(), "IdR"), "five quarters");
  AddShown();
  ASSERT_EQ(SheetWin()->Sheet().problems.size(), 3u);
  const SheetProblem& edited = SheetWin()->Sheet().problems[2];
  EXPECT_EQ(edited.params, (ProblemParams{FractionPairParams{"1/2", "3/4"}}));
  EXPECT_EQ(edited.texts.Resp, "five quarters");
  EXPECT_TRUE(SheetWin()->IsModified());
  EXPECT_FALSE(ProblemWin()->HasUnsavedEdit()) << "the edit lives on in the sheet";
}

TEST_F(WorksheetTest, TheWindowEditsMovesAndRemovesTheSelectedProblem) {
  ProblemWin()->MostraPrbl("first", "1");
  AddShown();
  ProblemWin()->MostraPrbl("second", "2");
  AddShown();
  auto* list = Find<QListWidget>(SheetWin(), "LProblems");
  ClickRow(list, 1);
  EXPECT_EQ(TextOf(SheetWin(), "IdQuestion"), "second");
  Type(Find(SheetWin(), "IdQuestion"), "Second, edited");
  Type(Find(SheetWin(), "IdAnswer"), "two");
  Click(Find(SheetWin(), "BtUp"));
  ASSERT_EQ(SheetWin()->Sheet().problems.size(), 2u);
  EXPECT_EQ(SheetWin()->Sheet().problems[0].texts, (TPrbl{"Second, edited", "two"}));
  EXPECT_EQ(list->item(0)->text(), "1. Second, edited");
  EXPECT_EQ(list->currentRow(), 0) << "the moved problem stays selected";
  Click(Find(SheetWin(), "BtRemove"));
  ASSERT_EQ(SheetWin()->Sheet().problems.size(), 1u);
  EXPECT_EQ(SheetWin()->Sheet().problems[0].texts.Enun, "first");

  Type(Find(SheetWin(), "IdTitle"), "Week 3");
  EXPECT_EQ(SheetWin()->Sheet().title, "Week 3");
}

// A no-break space keeps "3 kg" on one line of a printed sheet: an edit keeps it.
TEST_F(WorksheetTest, AnEditKeepsTheNoBreakSpacesOfTheTexts) {
  ProblemWin()->MostraPrbl("3\u00A0kg?", "1");
  AddShown();
  Type(Find(SheetWin(), "IdQuestion"), QString::fromUtf8("5\u00A0kg and 2\u00A0kg?"));
  Type(Find(SheetWin(), "IdAnswer"), QString::fromUtf8("7\u00A0kg"));
  ASSERT_EQ(SheetWin()->Sheet().problems.size(), 1u);
  EXPECT_EQ(SheetWin()->Sheet().problems[0].texts,
            (TPrbl{"5\u00A0kg and 2\u00A0kg?", "7\u00A0kg"}));
}

TEST_F(WorksheetTest, TheMenuSavesOpensAndRemembersASheet) {
  MainWin()->show();
  const QStringList names = {"OpSheetNew",    "OpSheetOpen",    "OpSheetSave",  "OpSheetSaveAs",
                             "OpSheetExport", "OpSheetPreview", "OpSheetPrint"};
  for (const QString& name : names) ASSERT_NE(FindAction(MainWin(), name), nullptr);
  EXPECT_EQ(FindAction(MainWin(), "OpSheetOpen")->text(), QStringLiteral("Open\u2026"));
  EXPECT_FALSE(FindAction(MainWin(), "OpSheetSave")->isEnabled()) << "no sheet open";

  Trigger(FindAction(MainWin(), "OpSheetNew"));
  ASSERT_TRUE(SheetWin()->isVisible());
  EXPECT_TRUE(FindAction(MainWin(), "OpSheetSave")->isEnabled());
  ProblemWin()->MostraPrbl("Find x.", "x = 3");
  AddShown();
  ExpectFileDialog("DlgSheetSave", "week");
  Trigger(FindAction(MainWin(), "OpSheetSave"));
  const QString saved = QDir::current().absoluteFilePath("week.tsheet");
  EXPECT_EQ(SheetWin()->FileName(), saved) << "the suffix added";
  EXPECT_FALSE(SheetWin()->IsModified());
  const SheetRead read = ReadSheet(saved.toStdString());
  ASSERT_TRUE(read.sheet) << read.error;
  EXPECT_EQ(*read.sheet, SheetWin()->Sheet());

  // Closing the window closes the sheet; Open brings it back.
  SheetWin()->close();
  EXPECT_FALSE(SheetWin()->IsOpen());
  EXPECT_FALSE(FindAction(MainWin(), "OpSheetSave")->isEnabled());
  ExpectFileDialog("DlgSheetOpen", "week.tsheet");
  Trigger(FindAction(MainWin(), "OpSheetOpen"));
  ASSERT_TRUE(SheetWin()->IsOpen());
  EXPECT_EQ(SheetWin()->Sheet(), *read.sheet);

  QMenu* sheetMenu = Find<QMenu>(MainWin(), "MnuSheet");
  emit sheetMenu->aboutToShow();
  QAction* recent = FindAction(MainWin(), "OpRecent1");
  ASSERT_NE(recent, nullptr);
  EXPECT_EQ(recent->text(), "1 " + QDir::toNativeSeparators(saved));
  SheetWin()->close();
  Trigger(recent);
  EXPECT_TRUE(SheetWin()->IsOpen());
}

TEST_F(WorksheetTest, AFileTheProgramRefusesLeavesTheOpenSheetAsItWas) {
  ProblemWin()->MostraPrbl("kept", "");
  AddShown();
  QFile bad(QDir::current().absoluteFilePath("bad.tsheet"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write(R"({"format": "tessaro-worksheet", "version": 1, "problems": [{"kind": "x"}]})");
  bad.close();
  ExpectMessage(bad.fileName() + ": problem 1, field \"kind\": \"x\" is not a kind of problem");
  EXPECT_FALSE(SheetWin()->OpenFile(bad.fileName()));
  ASSERT_EQ(SheetWin()->Sheet().problems.size(), 1u);
  EXPECT_EQ(SheetWin()->Sheet().problems[0].texts.Enun, "kept");
  EXPECT_TRUE(SheetWin()->IsModified());
}

TEST_F(WorksheetTest, UnsavedChangesAreAskedAboutOnNewOpenAndClose) {
  ProblemWin()->MostraPrbl("unsaved", "");
  AddShown();
  const std::string question = "Save changes to the worksheet?";

  ExpectMessage(QString::fromStdString(question), AppTitle, QMessageBox::Cancel);
  Trigger(FindAction(MainWin(), "OpSheetNew"));
  EXPECT_EQ(SheetWin()->Sheet().problems.size(), 1u) << "Cancel on New keeps the sheet";

  ExpectMessage(QString::fromStdString(question), AppTitle, QMessageBox::Cancel);
  Trigger(FindAction(MainWin(), "OpSheetOpen"));
  EXPECT_EQ(SheetWin()->Sheet().problems.size(), 1u) << "Cancel on Open asks for no file";

  ExpectMessage(QString::fromStdString(question), AppTitle, QMessageBox::Cancel);
  SheetWin()->close();
  EXPECT_TRUE(SheetWin()->isVisible()) << "Cancel on close keeps the window";

  ExpectMessage(QString::fromStdString(question), AppTitle, QMessageBox::Save);
  ExpectFileDialog("DlgSheetSave", "kept.tsheet");
  SheetWin()->close();
  EXPECT_FALSE(SheetWin()->isVisible());
  EXPECT_TRUE(QFile::exists("kept.tsheet")) << "Save on close saves first";

  ProblemWin()->MostraPrbl("again", "");
  AddShown();
  ExpectMessage(QString::fromStdString(question), AppTitle, QMessageBox::Discard);
  Trigger(FindAction(MainWin(), "OpSheetNew"));
  EXPECT_TRUE(SheetWin()->Sheet().problems.empty()) << "Discard on New starts afresh";
}

TEST_F(WorksheetTest, QuittingAsksAboutAnEditedProblemAndCancelKeepsTheProgramRunning) {
  MainWin()->show();
  ProblemWin()->MostraPrbl("If a= 7", "a= 7");
  EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }), 0) << "nothing edited: no question";

  StartUp();
  MainWin()->show();
  ProblemWin()->MostraPrbl("If a= 7", "a= 7");
  Type(Find(ProblemWin(), "IdE"), "If a= 8");
  ExpectMessage("Save changes to the problem?", AppTitle, QMessageBox::Cancel);
  EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }, 1500), -1) << "still running";
  EXPECT_TRUE(MainWin()->isVisible());

  ExpectMessage("Save changes to the problem?", AppTitle, QMessageBox::Save);
  ExpectDialog("DlgGrd", [](QDialog* d) { ChooseFile(d, "edited"); });
  EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }), 0) << "saved, then ended";
  EXPECT_TRUE(QFile::exists("Prbls/edited.txt"));
}

TEST_F(WorksheetTest, QuittingAsksAboutAnUnsavedSheetToo) {
  MainWin()->show();
  ProblemWin()->MostraPrbl("q", "a");
  AddShown();
  ExpectMessage("Save changes to the worksheet?", AppTitle, QMessageBox::Cancel);
  EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }, 1500), -1);
  EXPECT_TRUE(SheetWin()->IsOpen());
  ExpectMessage("Save changes to the worksheet?", AppTitle, QMessageBox::Discard);
  EXPECT_EQ(RunEventLoop([] { MainWin()->close(); }), 0);
}

// The save dialog of the Problem window opens in Prbls and lists its files, every time,
// also after a file was saved elsewhere.
TEST_F(WorksheetTest, TheProblemSaveDialogOpensInPrblsListingItsFilesEveryTime) {
  QDir().mkpath("Prbls");
  QFile old("Prbls/old.txt");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.close();
  const QString prbls = QDir::current().absoluteFilePath("Prbls");
  ProblemWin()->MostraPrbl("q", "a");
  for (const QString& elsewhere : {QDir::current().absoluteFilePath("away.txt"), QString()}) {
    ExpectDialog("DlgGrd", [&](QDialog* d) {
      auto* dialog = qobject_cast<QFileDialog*>(d);
      EXPECT_EQ(dialog->directory().absolutePath(), prbls);
      auto* model = dialog->findChild<QFileSystemModel*>();
      ASSERT_NE(model, nullptr);
      if (model->rowCount(model->index(prbls)) == 0) {
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        loaded.wait(3000);
      }
      auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
      ASSERT_NE(view, nullptr);
      EXPECT_EQ(view->rootIndex(), model->index(prbls));
      EXPECT_EQ(model->rowCount(view->rootIndex()), 1) << "old.txt listed";
      if (elsewhere.isEmpty())
        d->reject();
      else
        ChooseFile(d, elsewhere);
    });
    Click(Find(ProblemWin(), "BtGrd"));
  }
}

}  // namespace
}  // namespace tessaro::test
