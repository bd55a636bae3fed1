#include "harness/harness.h"

#include "problems/testfiles.h"
#include "toolswindow/toolseditor.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include <memory>

namespace tessaro::test {
namespace {

class ToolsEditorTest : public AppTest {
 protected:
  // An editor shown over a Tools.rel holding `file`.
  TFTools* Open(const QByteArray& file) {
    if (!file.isNull()) {
      QFile out("Tools.rel");
      EXPECT_TRUE(out.open(QIODevice::WriteOnly));
      out.write(file);
    }
    editor_ = std::make_unique<TFTools>();
    editor_->show();
    return editor_.get();
  }
  QListWidget* List() { return Find<QListWidget>(editor_.get(), "LT"); }
  QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < List()->count(); ++i) lines << List()->item(i)->text();
    return lines;
  }
  int SelectedRow() {
    const QList<QListWidgetItem*> selected = List()->selectedItems();
    return selected.isEmpty() ? -1 : List()->row(selected.first());
  }
  QString Field(const char* name) { return TextOf(editor_.get(), name); }
  // Enabled state of "+", "X", up and down.
  std::array<bool, 4> Buttons() {
    std::array<bool, 4> on{};
    int i = 0;
    for (const char* name : {"BtNou", "BtBrr", "BtUp", "BtDwn"})
      on[i++] = Find(editor_.get(), name)->isEnabled();
    return on;
  }
  void Press(const char* button) { Click(Find(editor_.get(), button)); }

  std::unique_ptr<TFTools> editor_;
};

const QByteArray Three =
    "One\r\nsh one.sh\r\n/d1\r\np1\r\nTwo\r\nsh two.sh\r\n/d2\r\np2\r\nThree\r\nsh three.sh\r\n\r\n\r\n";
constexpr std::array<bool, 4> AllOff = {false, false, false, false};

TEST_F(ToolsEditorTest, EmptyListComposesANewToolAndToListAddsIt) {
  TFTools* editor = Open(QByteArray());
  EXPECT_EQ(List()->count(), 0);
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(Buttons(), AllOff);
  Type(Find(editor, "IdTit"), "Calculator");
  Type(Find(editor, "IdFtx"), "gnome-calculator");
  Press("BtInc");
  EXPECT_EQ(Lines(), QStringList{"Calculator"});
  for (const char* name : {"IdTit", "IdFtx", "IdDir", "IdPars"}) EXPECT_EQ(Field(name), "") << name;
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(Buttons(), AllOff);
}

TEST_F(ToolsEditorTest, ClickedToolFillsTheFieldsAndSetsTheButtons) {
  Open(Three);
  const struct {
    int row;
    std::array<bool, 4> buttons;  // +, X, up, down
    const char* title;
    const char* dir;
    const char* why;
  } cases[] = {
      {1, {true, true, true, true}, "Two", "/d2", "a middle tool moves both ways"},
      {2, {true, true, true, false}, "Three", "", "the last cannot go down"},
      {0, {true, true, false, true}, "One", "/d1", "the first cannot go up"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ClickRow(List(), c.row);
    EXPECT_EQ(Buttons(), c.buttons);
    EXPECT_EQ(Field("IdTit"), c.title);
    EXPECT_EQ(Field("IdDir"), c.dir);
  }
  Press("BtNou");
  EXPECT_EQ(Buttons(), AllOff) << "+ starts a new tool";
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(Field("IdTit"), "");
}

TEST_F(ToolsEditorTest, ToListReplacesTheSelectedToolInPlace) {
  TFTools* editor = Open(Three);
  ClickRow(List(), 1);
  Type(Find(editor, "IdTit"), "Deux");
  Press("BtInc");
  EXPECT_EQ(Lines(), (QStringList{"One", "Deux", "Three"}));
  ClickRow(List(), 1);
  EXPECT_EQ(Field("IdFtx"), "sh two.sh");
  EXPECT_EQ(Field("IdPars"), "p2");
}

TEST_F(ToolsEditorTest, RemovingTheSecondKeepsTheOthersInOrderWithNothingSelected) {
  Open(Three);
  ClickRow(List(), 1);
  Press("BtBrr");
  EXPECT_EQ(Lines(), (QStringList{"One", "Three"}));
  EXPECT_EQ(SelectedRow(), -1);
  EXPECT_EQ(Buttons(), AllOff);
  ClickRow(List(), 1);
  EXPECT_EQ(Field("IdFtx"), "sh three.sh");
}

TEST_F(ToolsEditorTest, MovedToolStaysSelectedAtItsNewPlace) {
  Open(Three);
  const struct {
    int click;
    const char* button;
    QStringList lines;
    int selected;
    std::array<bool, 4> buttons;
    const char* why;
  } cases[] = {
      {0, "BtDwn", {"Two", "One", "Three"}, 1, {true, true, true, true}, "first down"},
      {-1, "BtDwn", {"Two", "Three", "One"}, 2, {true, true, true, false}, "down again to the end"},
      {-1, "BtUp", {"Two", "One", "Three"}, 1, {true, true, true, true}, "and back up"},
      {1, "BtUp", {"One", "Two", "Three"}, 0, {true, true, false, true}, "up to the top"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    if (c.click >= 0) ClickRow(List(), c.click);
    Press(c.button);
    EXPECT_EQ(Lines(), c.lines);
    EXPECT_EQ(SelectedRow(), c.selected);
    EXPECT_EQ(Buttons(), c.buttons);
    EXPECT_EQ(Field("IdTit"), "") << "the fields are emptied";
  }
  ClickRow(List(), 0);
  EXPECT_EQ(Field("IdDir"), "/d1") << "each tool moved whole";
}

TEST_F(ToolsEditorTest, RefusesAnEmptyTitleAndATwelfthTool) {
  TFTools* editor = Open(QByteArray());
  Type(Find(editor, "IdFtx"), "sh x.sh");
  ExpectMessage("A tool needs a title", "Wrong entry");
  Press("BtInc");
  EXPECT_EQ(List()->count(), 0);
  EXPECT_EQ(Field("IdFtx"), "sh x.sh") << "the typing is kept";

  for (int k = 1; k <= 11; ++k) {
    SetText(Find(editor, "IdTit"), QString("Tool %1").arg(k));
    Press("BtInc");
  }
  ASSERT_EQ(List()->count(), 11);
  SetText(Find(editor, "IdTit"), "Tool 12");
  ExpectMessage("The list holds at most 11 tools", "Wrong entry");
  Press("BtInc");
  EXPECT_EQ(List()->count(), 11);

  ClickRow(List(), 3);
  SetText(Find(editor, "IdTit"), "");
  ExpectMessage("A tool needs a title", "Wrong entry");
  Press("BtInc");
  EXPECT_EQ(Lines()[3], "Tool 4") << "an edited tool keeps its title too";
}

TEST_F(ToolsEditorTest, OkThatCannotWriteKeepsTheEditorOpen) {
  Open(Three);
  ClickRow(List(), 0);
  Press("BtBrr");
  ExpectMessage("Cannot create file Tools.rel");
  {
    FileSizeLimit full(4);
    Press("BtOK");
  }
  EXPECT_TRUE(editor_->isVisible());
  EXPECT_EQ(Lines(), (QStringList{"Two", "Three"}));
  QFile file("Tools.rel");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), Three);
}

TEST_F(ToolsEditorTest, FieldsTakeWhatReadsBackAndTabFollowsTheDesign) {
  TFTools* editor = Open(QByteArray());
  // The edit fields take no more than reads back from the file.
  const std::pair<const char*, int> limits[] = {
      {"IdTit", 38}, {"IdFtx", 46}, {"IdDir", 126}, {"IdPars", 30}};
  for (const auto& [name, limit] : limits)
    EXPECT_EQ(Find<QLineEdit>(editor, name)->maxLength(), limit) << name;

  const QStringList order = {"LT",   "IdTit",  "IdFtx", "IdDir", "IdPars", "BtInc",
                             "BtOK", "BtSurt", "BtNou", "BtBrr", "BtUp",   "BtDwn"};
  QWidget* w = Find(editor, "LT");
  QStringList seen = {w->objectName()};
  for (int i = 1; i < order.size(); ++i) {
    do w = w->nextInFocusChain();
    while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty());
    seen << w->objectName();
  }
  EXPECT_EQ(seen, order);
}

}  // namespace
}  // namespace tessaro::test
