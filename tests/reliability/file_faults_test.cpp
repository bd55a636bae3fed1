// The program among files it cannot trust: a tools file of noise, and a working directory
// it may not write to.

#include "harness/harness.h"

#include "harness/windows.h"
#include "problems/problemfile.h"
#include "problems/testfiles.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>

#include <random>

namespace tessaro::test {
namespace {

using FileFaults = AppTest;

TEST_F(FileFaults, MainWindowStartsWithAMebibyteOfNoiseAsToolsFile) {
  std::mt19937 random(9);
  QByteArray noise(1 << 20, '\0');
  for (char& b : noise) {
    const unsigned v = random();
    b = v % 16 == 0 ? '\n' : static_cast<char>(v >> 8);
  }
  QFile file("Tools.rel");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(noise);
  file.close();

  MainWin()->show();  // reads Tools.rel; any message box would fail the test
  const QList<QAction*> items = MainWin()->ToolsMenu()->actions();
  ASSERT_GE(items.size(), 2);
  EXPECT_EQ(items[0]->objectName(), "OpEdTools");
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_GE(items.size() - 2, 1) << "some noise reads as tools";
  EXPECT_LE(items.size() - 2, 11);
  for (int i = 2; i < items.size(); ++i) EXPECT_FALSE(items[i]->text().isEmpty());
}

TEST_F(FileFaults, ProgramStartsAndWorksInAFolderItMayNotWrite) {
  ShutDown();
  QFile::setPermissions(WorkDir(), QFile::ReadOwner | QFile::ExeOwner);
  {
    PermissionsBind bind;
    if (!bind.Holds()) {
      QFile::setPermissions(WorkDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      StartUp();
      GTEST_SKIP() << "cannot make permissions bind root here";
    }
    StartUp();
    MainWin()->show();
    EXPECT_EQ(MainWin()->ToolsMenu()->actions().size(), 2) << "no Tools.rel: Edit tools alone";

    Click(Find(MainWin(), "BtFrac"));
    QWidget* fractions = FindWindow("FFracc");
    SetText(Find(fractions, "IdOC"), "1/2+1/3");
    Click(Find(fractions, "OkOC"));
    EXPECT_EQ(TextOf(fractions, "IdROC"), "5/6");

    // Saving is the one thing that needs the folder, and it says so.
    ProblemWin()->MostraPrbl("q", "a");
    const QString path = QDir(WorkDir()).absoluteFilePath("p.txt");
    ExpectMessage("Cannot create file " + path);
    ProblemWin()->GrdPrbl(path, GrdMtx);
  }
  QFile::setPermissions(WorkDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_TRUE(QDir(WorkDir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

}  // namespace
}  // namespace tessaro::test
