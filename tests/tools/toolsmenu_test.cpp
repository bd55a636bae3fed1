#include "harness/harness.h"

#include "harness/windows.h"

#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QtTest/QTest>

namespace tessaro::test {
namespace {

using ToolsMenuTest = AppTest;

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the Tools menu shows, the separator as "-".
QStringList MenuTexts() {
  QStringList texts;
  for (QAction* item : MainWin()->ToolsMenu()->actions())
    texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
  return texts;
}

TEST_F(ToolsMenuTest, ListsEditToolsTheSeparatorAndTheTitlesInOrder) {
  WriteFile("Tools.rel",
            "First\r\nsh first.sh\r\n\r\n\r\nSecond\r\nsh second.sh\r\n\r\n\r\n\r\nHidden\r\n");
  MainWin()->show();
  EXPECT_EQ(MenuTexts(), (QStringList{"Edit tools", "-", "First", "Second"}));
  EXPECT_EQ(MainWin()->ToolsMenu()->actions().first()->objectName(), "OpEdTools");
}

TEST_F(ToolsMenuTest, ChoosingATitleStartsOnlyItsCommandWithoutPars) {
  // Each script notes its arguments in a marker file of the working directory.
  WriteFile("first.sh", "echo \"$@\" > marker1\n");
  WriteFile("second.sh", "echo \"$@\" > marker2\n");
  WriteFile("Tools.rel",
            "First\r\nsh first.sh\r\n\r\nignored\r\n"
            "Second\r\nsh second.sh \"two words\" x\r\n/nowhere\r\nextra\r\n"
            "Empty\r\n");
  MainWin()->show();
  const QList<QAction*> items = MainWin()->ToolsMenu()->actions();
  ASSERT_EQ(items.size(), 5);
  Trigger(items[4]);  // no command: starts nothing, says nothing
  Trigger(items[3]);
  EXPECT_TRUE(QTest::qWaitFor([] { return ReadFile("marker2").endsWith('\n'); }, 10000));
  EXPECT_EQ(ReadFile("marker2"), "two words x\n");
  EXPECT_FALSE(QFile::exists("marker1"));
}

TEST_F(ToolsMenuTest, AToolThatCannotStartSaysSoWithItsCommandLine) {
  WriteFile("Tools.rel", "Missing\r\n./no-such-program --flag \"two words\"\r\n\r\n\r\n");
  MainWin()->show();
  const QList<QAction*> items = MainWin()->ToolsMenu()->actions();
  ASSERT_EQ(items.size(), 3);
  ExpectMessage("Cannot start ./no-such-program --flag \"two words\"");
  Trigger(items[2]);
}

TEST_F(ToolsMenuTest, EditorOkWritesTheFileAndTheMenuFollows) {
  WriteFile("Tools.rel", "Old\r\nsh old.sh\r\n\r\n\r\n");
  MainWin()->show();
  ExpectDialog("FTools", [](QDialog* d) {
    SetText(Find(d, "IdTit"), "New");
    SetText(Find(d, "IdFtx"), "sh new.sh");
    SetText(Find(d, "IdPars"), "p");
    Click(Find(d, "BtInc"));
    Click(Find(d, "BtOK"));
  });
  Trigger(FindAction(MainWin(), "OpEdTools"));
  EXPECT_EQ(ReadFile("Tools.rel"), "Old\r\nsh old.sh\r\n\r\n\r\nNew\r\nsh new.sh\r\n\r\np\r\n");
  EXPECT_EQ(MenuTexts(), (QStringList{"Edit tools", "-", "Old", "New"}));
}

TEST_F(ToolsMenuTest, EditorCancelLeavesTheFileAndTheMenu) {
  const QByteArray before = "Old\r\nsh old.sh\r\n\r\n\r\nTwo\r\nsh two.sh\r\n\r\n\r\n";
  WriteFile("Tools.rel", before);
  MainWin()->show();
  for (const char* way : {"BtSurt", "close box"}) {
    SCOPED_TRACE(way);
    ExpectDialog("FTools", [way](QDialog* d) {
      ClickRow(Find<QListWidget>(d, "LT"), 0);
      Click(Find(d, "BtBrr"));
      SetText(Find(d, "IdTit"), "Added");
      Click(Find(d, "BtInc"));
      if (QString(way) == "BtSurt")
        Click(Find(d, "BtSurt"));
      else
        d->close();
    });
    Trigger(FindAction(MainWin(), "OpEdTools"));
    EXPECT_EQ(ReadFile("Tools.rel"), before);
    EXPECT_EQ(MenuTexts(), (QStringList{"Edit tools", "-", "Old", "Two"}));
  }
}

TEST_F(ToolsMenuTest, RebuildMatchesTheFileAsItIsNow) {
  WriteFile("Tools.rel", "Old\r\nsh old.sh\r\n\r\n\r\n");
  MainWin()->show();
  // Changed by another program while the menu was shown: the editor's Cancel reads it.
  WriteFile("Tools.rel", "A\r\n\r\n\r\n\r\nB\r\n\r\n\r\n\r\nC\r\n\r\n\r\n\r\n");
  ExpectDialog("FTools", [](QDialog* d) { Click(Find(d, "BtSurt")); });
  Trigger(FindAction(MainWin(), "OpEdTools"));
  EXPECT_EQ(MenuTexts(), (QStringList{"Edit tools", "-", "A", "B", "C"}));
  QFile::remove("Tools.rel");
  ExpectDialog("FTools", [](QDialog* d) { Click(Find(d, "BtSurt")); });
  Trigger(FindAction(MainWin(), "OpEdTools"));
  EXPECT_EQ(MenuTexts(), (QStringList{"Edit tools", "-"}));
}

}  // namespace
}  // namespace tessaro::test
