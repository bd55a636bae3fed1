#include "harness/harness.h"

#include "harness/windows.h"
#include "problems/testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>

#include <optional>

namespace tessaro::test {
namespace {

using ProblemWindowTest = AppTest;

QString PrblsFile(const QString& name) {
  return QDir::current().absoluteFilePath(QStringLiteral("Prbls/") + name);
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The save dialog answers with `typed` as the file name.
void ExpectSaveDialog(const QString& typed) {
  ExpectDialog("DlgGrd", [typed](QDialog* d) {
    auto* dialog = qobject_cast<QFileDialog*>(d);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(typed);
    d->accept();
  });
}

// "File already exists" answers with the button named `button`.
void ExpectChoice(const QString& button, const QString& fileName) {
  ExpectDialog("FOps", [button, fileName](QDialog* d) {
    EXPECT_EQ(TextOf(d, "EtF"), fileName);
    Click(Find(d, button));
  });
}

void Save() { Click(Find(ProblemWin(), "BtGrd")); }

const QByteArray Block =
    "Question:\r\nIf a= 7  b= 2 calculate:\r\na+b\r\n\r\nAnswer:\r\na+b= 9\r\n";
const QByteArray Separator = "\r\n----------------------------\r\n\r\n";

TEST_F(ProblemWindowTest, ShowsBothTextsWholeWithTheirLines) {
  const QString longLine(3000, QChar(u'7'));
  ProblemWin()->MostraPrbl(longLine + "\r\nsecond\r\n", "a\r\n\r\nb");
  EXPECT_TRUE(ProblemWin()->isVisible());
  EXPECT_EQ(TextOf(ProblemWin(), "IdE"), longLine + "\nsecond\n");
  EXPECT_EQ(TextOf(ProblemWin(), "IdR"), "a\n\nb");

  ProblemWin()->MostraPrbl("new", "");
  EXPECT_EQ(TextOf(ProblemWin(), "IdE"), "new");
  EXPECT_EQ(TextOf(ProblemWin(), "IdR"), "");
}

TEST_F(ProblemWindowTest, AreasShareTheGrowthOfTheWindow) {
  ProblemWin()->MostraPrbl("q", "a");
  QWidget* question = Find(ProblemWin(), "IdE");
  QWidget* answer = Find(ProblemWin(), "IdR");
  const QSize before = ProblemWin()->size();
  const QSize q0 = question->size(), a0 = answer->size();
  ProblemWin()->resize(before + QSize(100, 200));
  QApplication::processEvents();
  EXPECT_EQ(question->width(), q0.width() + 100);
  EXPECT_EQ(answer->width(), a0.width() + 100);
  EXPECT_NEAR(question->height(), q0.height() + 100, 1);
  EXPECT_NEAR(answer->height(), a0.height() + 100, 1);
}

TEST_F(ProblemWindowTest, SavesNewThenAddsTwiceThenOverwrites) {
  ProblemWin()->MostraPrbl("If a= 7  b= 2 calculate:\r\na+b", "a+b= 9\r\n");
  const QString p1 = PrblsFile("p1.txt");

  ExpectSaveDialog("p1");
  Save();
  EXPECT_EQ(Bytes(p1), Block) << "Prbls is made and the name gets .txt";

  for (int adds = 1; adds <= 2; ++adds) {
    // The dialog offers the last file again.
    ExpectDialog("DlgGrd", [p1](QDialog* d) {
      auto* dialog = qobject_cast<QFileDialog*>(d);
      EXPECT_EQ(dialog->selectedFiles().value(0), p1);
      d->accept();
    });
    ExpectChoice("BtAdd", p1);
    Save();
  }
  EXPECT_EQ(Bytes(p1), Block + Separator + Block + Separator + Block);

  ExpectSaveDialog("p1.txt");
  ExpectChoice("BtMtx", p1);
  Save();
  EXPECT_EQ(Bytes(p1), Block);
}

TEST_F(ProblemWindowTest, SavesWhatTheUserTypedIntoTheAreas) {
  ProblemWin()->MostraPrbl("q", "a");
  Type(Find(ProblemWin(), "IdE"), "Find x");
  Press(Find(ProblemWin(), "IdE"), Qt::Key_Return);
  Type(Find(ProblemWin(), "IdR"), "x = 3");
  Press(Find(ProblemWin(), "IdR"), Qt::Key_Return);
  ExpectSaveDialog("edited");
  Save();
  EXPECT_EQ(Bytes(PrblsFile("edited.txt")), "Question:\r\nFind x\r\n\r\nAnswer:\r\nx = 3\r\n");
}

TEST_F(ProblemWindowTest, CancelEnterEscapeAndTheCloseBoxWriteNothing) {
  ProblemWin()->MostraPrbl("If a= 7  b= 2 calculate:\r\na+b", "a+b= 9");
  const QString p1 = PrblsFile("p1.txt");
  ExpectSaveDialog("p1");
  Save();
  // An earlier run chose "Add to it"; closing the window now must not add again.
  ExpectSaveDialog("p1");
  ExpectChoice("BtAdd", p1);
  Save();
  const QByteArray saved = Bytes(p1);

  const std::vector<std::pair<const char*, std::function<void(QDialog*)>>> ways = {
      {"Cancel", [](QDialog* d) { Click(Find(d, "BtEsc")); }},
      {"Enter", [](QDialog* d) { Press(d, Qt::Key_Return); }},
      {"Escape", [](QDialog* d) { Press(d, Qt::Key_Escape); }},
      {"close box", [](QDialog* d) { d->close(); }},
  };
  for (const auto& [way, answer] : ways) {
    SCOPED_TRACE(way);
    ExpectSaveDialog("p1");
    ExpectDialog("FOps", answer);
    Save();
    EXPECT_EQ(FileExistsWin()->ModeGrd, GrdEsc);
    EXPECT_EQ(Bytes(p1), saved);
  }
  EXPECT_EQ(TextOf(ProblemWin(), "IdE"), "If a= 7  b= 2 calculate:\na+b") << "the problem stays";
}

TEST_F(ProblemWindowTest, FailedSaveShowsTheMessageAndKeepsTheOldFile) {
  ProblemWin()->MostraPrbl(QString(500, QChar(u'q')), "a");
  const QString p1 = PrblsFile("p1.txt");
  QDir().mkpath(PrblsFile(""));
  const QByteArray old = "Question:\r\nold\r\n\r\nAnswer:\r\nkept\r\n";
  WriteBytes(p1.toStdString(), old.toStdString());

  std::optional<FileSizeLimit> full;
  ExpectSaveDialog("p1");
  ExpectDialog("FOps", [&full](QDialog* d) {
    full.emplace(100);  // the disk fills while the new text is written
    Click(Find(d, "BtMtx"));
  });
  ExpectMessage("Cannot create file " + p1);
  Save();
  full.reset();
  EXPECT_EQ(Bytes(p1), old);
  EXPECT_EQ(QDir(PrblsFile("")).entryList(QDir::Files | QDir::Hidden).size(), 1);

  const QString missing = PrblsFile("gone.txt");
  ExpectMessage("Cannot open file " + missing);
  ProblemWin()->GrdPrbl(missing, GrdAdd);
  EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(ProblemWindowTest, FileFaultsShowTheirMessageAndKeepEveryFile) {
  const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner;
  const QFile::Permissions folderReadOnly = QFile::ReadOwner | QFile::ExeOwner;
  const QFile::Permissions folderAll = folderReadOnly | QFile::WriteOwner;
  const struct {
    const char* name;       // typed in the save dialog
    const char* choice;     // the button of "File already exists", if it asks
    QFile::Permissions folder, file;
    const char* message;
    const char* why;
  } cases[] = {
      {"new", nullptr, folderReadOnly, readWrite, "Cannot create file ",
       "a folder without write permission"},
      {"p1", "BtMtx", folderAll, QFile::ReadOwner, "Cannot create file ", "a read-only file"},
      {"p1", "BtAdd", folderAll, QFile::WriteOwner, "Cannot open file ",
       "adding to a file that cannot be read"},
  };
  ProblemWin()->MostraPrbl("q", "a");
  QDir().mkpath(PrblsFile(""));
  const QByteArray old = "Question:\r\nold\r\n\r\nAnswer:\r\nkept\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    WriteBytes(PrblsFile("p1.txt").toStdString(), old.toStdString());
    WriteBytes(PrblsFile("other.txt").toStdString(), "other\r\n");
    QFile::setPermissions(PrblsFile("p1.txt"), c.file);
    QFile::setPermissions(PrblsFile(""), c.folder);
    const QString target = PrblsFile(QString(c.name) + ".txt");
    {
      PermissionsBind bind;
      if (!bind.Holds()) GTEST_SKIP() << "cannot make permissions bind root here";
      ExpectSaveDialog(c.name);
      if (c.choice) ExpectChoice(c.choice, target);
      ExpectMessage(c.message + target);
      Save();
    }
    QFile::setPermissions(PrblsFile(""), folderAll);
    QFile::setPermissions(PrblsFile("p1.txt"), readWrite);
    EXPECT_EQ(Bytes(PrblsFile("p1.txt")), old);
    EXPECT_EQ(Bytes(PrblsFile("other.txt")), "other\r\n");
    EXPECT_EQ(QDir(PrblsFile("")).entryList(QDir::Files | QDir::Hidden).size(), 2);
  }
}

TEST_F(ProblemWindowTest, FileExistsWindowOffersCancelFirst) {
  auto* cancel = Find<QPushButton>(FileExistsWin(), "BtEsc");
  EXPECT_TRUE(cancel->isDefault());
  EXPECT_EQ(cancel->nextInFocusChain(), Find(FileExistsWin(), "BtMtx"));
  EXPECT_EQ(Find(FileExistsWin(), "BtMtx")->nextInFocusChain(), Find(FileExistsWin(), "BtAdd"));
}

}  // namespace
}  // namespace tessaro::test

namespace tessaro::test {
namespace {

// With working ends the answer with the working of each section, for this problem and the
// next; an answer the user edited stays as it is; the sheet gets the choice.
TEST(ProblemWindowWorking, WithWorkingEndsTheAnswerWithTheStepsAndTheSheetKeepsTheChoice) {
  TFPrbl window;
  std::vector<SheetProblem> added;
  window.UseWorksheet([&added](const std::vector<SheetProblem>& p) { added = p; });
  const ProblemParams params = FractionPairParams{"1/6", "1/10"};
  const TPrbl texts = *MakeProblem(params).texts;
  window.Show({texts, {{params, texts}}});
  auto* answer = Find(&window, "IdR");
  EXPECT_EQ(Text(answer), FromStd(texts.Resp));

  Click(Find(&window, "CbWorking"));
  EXPECT_TRUE(Text(answer).contains("\nWorking:\n1/6 + 1/10 = 5/30 + 3/30 = 8/30 = 4/15"))
      << Text(answer).toStdString();
  Click(Find(&window, "BtAddSheet"));
  ASSERT_EQ(added.size(), 1u);
  EXPECT_TRUE(added[0].working);
  EXPECT_EQ(added[0].texts.Resp, texts.Resp) << "the sheet's key adds the working itself";

  const ProblemParams next = FractionPairParams{"1/2", "1/3"};
  const TPrbl nextTexts = *MakeProblem(next).texts;
  window.Show({nextTexts, {{next, nextTexts}}});
  EXPECT_TRUE(Text(answer).contains("Working:")) << "the choice holds for the next problem";

  SetText(answer, "my own answer");
  Click(Find(&window, "CbWorking"));
  EXPECT_EQ(Text(answer), "my own answer") << "an edit is never replaced";
  Click(Find(&window, "BtAddSheet"));
  ASSERT_EQ(added.size(), 1u);
  EXPECT_FALSE(added[0].working);
  EXPECT_EQ(added[0].texts.Resp, "my own answer");
}

}  // namespace
}  // namespace tessaro::test
