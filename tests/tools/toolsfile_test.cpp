#include "tools/toolsfile.h"

#include "problems/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace tessaro::test {
namespace {

std::vector<TTool> Listed(const TToolTable& table) {
  return {table.Tools.begin() + 1, table.Tools.begin() + 1 + table.n};
}

std::string Repeat(const std::string& s, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

TEST(ReadTools, FollowsTheReaderRule) {
  const std::string title38(38, 'T');
  const std::string e38 = Repeat("\xC3\xA9", 38);  // 38 two-byte characters
  const struct {
    std::string file;
    std::vector<TTool> tools;
    const char* why;
  } cases[] = {
      {"", {}, "an empty file lists nothing"},
      {"\r\nA\r\nsh a\r\n\r\n\r\n", {}, "an empty first line ends the list at once"},
      {"Editor\r\n", {{"Editor", "", "", ""}}, "a file ending after a title: empty fields"},
      {"Editor", {{"Editor", "", "", ""}}, "the last line needs no line end"},
      {"One\r\nsh one.sh\r\n/tmp\r\n-x\r\nTwo\r\nsh two.sh\r\n\r\n\r\n",
       {{"One", "sh one.sh", "/tmp", "-x"}, {"Two", "sh two.sh", "", ""}}, "two tools, CR LF"},
      {"One\nsh one.sh\n/tmp\n-x\nTwo\nsh two.sh\n\n\n",
       {{"One", "sh one.sh", "/tmp", "-x"}, {"Two", "sh two.sh", "", ""}}, "two tools, LF"},
      {"One\r\na\r\n\r\n\r\n\r\nb\r\n\r\n\r\nThree\r\nc\r\n\r\n\r\n",
       {{"One", "a", "", ""}}, "an empty title ends the list"},
      {title38 + "XYZ\r\nf\r\nd\r\np\r\nNext\r\n\r\n\r\n\r\n",
       {{title38, "f", "d", "p"}, {"Next", "", "", ""}},
       "a long title is cut at 38 and the rest skipped, no field shifts"},
      {"T\r\n" + std::string(60, 'f') + "\r\n" + std::string(200, 'd') + "\r\n" +
           std::string(40, 'p') + "\r\nNext\r\n",
       {{"T", std::string(46, 'f'), std::string(126, 'd'), std::string(30, 'p')},
        {"Next", "", "", ""}},
       "the other lines are cut at 46, 126 and 30"},
      {e38 + "\xC3\xA9\xC3\xA9\r\n", {{e38, "", "", ""}}, "cut at a character, not a byte"},
      {"Caf\xE9\r\nsh caf\xE9\r\n\r\n\r\n", {{"Caf\xC3\xA9", "sh caf\xC3\xA9", "", ""}},
       "a line that is not UTF-8 is Latin-1"},
      {"\xC3\xA9t\xC3\xA9\r\n\xE9\r\n", {{"\xC3\xA9t\xC3\xA9", "\xC3\xA9", "", ""}},
       "each line is judged by itself"},
      {"Stray\rCR\r\n", {{"Stray\rCR", "", "", ""}}, "only the CR before the LF goes"},
      {Repeat("T\r\nf\r\n\r\n\r\n", 12),
       std::vector<TTool>(11, TTool{"T", "f", "", ""}), "a twelfth tool is not loaded"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    WriteBytes(folder.File("Tools.rel"), c.file);
    TToolTable table;
    EXPECT_EQ(ReadTools(table, folder.File("Tools.rel")), static_cast<int>(c.tools.size()));
    EXPECT_EQ(Listed(table), c.tools);
  }
}

TEST(ReadTools, MissingFileGivesNoToolsAndKeepsTheRecords) {
  TempFolder folder;
  TToolTable table;
  table.Tools[1] = {"Kept", "k", "", ""};
  EXPECT_EQ(ReadTools(table, folder.File("Tools.rel")), 0);
  EXPECT_EQ(table.n, 0);
  EXPECT_EQ(table.Tools[1].Tit, "Kept");
}

TEST(ReadTools, ALaterReadingLeavesNothingOfAnEarlierOne) {
  TempFolder folder;
  TToolTable table;
  WriteBytes(folder.File("Tools.rel"), "A\r\na\r\nda\r\npa\r\nB\r\nb\r\ndb\r\npb\r\n");
  ASSERT_EQ(ReadTools(table, folder.File("Tools.rel")), 2);
  WriteBytes(folder.File("Tools.rel"), "C\r\n");
  ASSERT_EQ(ReadTools(table, folder.File("Tools.rel")), 1);
  EXPECT_EQ(table.Tools[1], (TTool{"C", "", "", ""}));
  EXPECT_EQ(table.Tools[2], TTool{});
}

TEST(WriteTools, WritesFourCrLfLinesPerToolAndReadsBack) {
  TempFolder folder;
  const std::string path = folder.File("Tools.rel");
  TToolTable table;
  table.n = 2;
  table.Tools[1] = {"Calc", "gnome-calculator", "/home", "-s"};
  table.Tools[2] = {"Caf\xC3\xA9", "sh c.sh", "", ""};
  ASSERT_TRUE(WriteTools(table, path));
  EXPECT_EQ(FileBytes(path), "Calc\r\ngnome-calculator\r\n/home\r\n-s\r\nCaf\xC3\xA9\r\nsh c.sh\r\n\r\n\r\n");
  TToolTable back;
  EXPECT_EQ(ReadTools(back, path), 2);
  EXPECT_EQ(Listed(back), Listed(table));

  ASSERT_TRUE(WriteTools(TToolTable{}, path));
  EXPECT_EQ(FileBytes(path), "") << "no tools, an empty file";
}

TEST(WriteTools, FailureLeavesTheOldFile) {
  TempFolder folder;
  const std::string path = folder.File("Tools.rel");
  WriteBytes(path, "Old\r\nold\r\n\r\n\r\n");
  TToolTable table;
  table.n = 1;
  table.Tools[1] = {std::string(38, 'N'), std::string(46, 'n'), "", ""};
  {
    FileSizeLimit full(8);
    EXPECT_FALSE(WriteTools(table, path));
  }
  EXPECT_EQ(FileBytes(path), "Old\r\nold\r\n\r\n\r\n");
  EXPECT_EQ(folder.Entries(), 1);
}

// Found while testing file faults: the new text took the place of a read-only file.
TEST(WriteTools, LeavesAReadOnlyFileAsItIs) {
  TempFolder folder;
  const std::string path = folder.File("Tools.rel");
  WriteBytes(path, "Old\r\nold\r\n\r\n\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  TToolTable table;
  table.n = 1;
  table.Tools[1] = {"New", "new", "", ""};
  {
    PermissionsBind bind;
    if (!bind.Holds()) GTEST_SKIP() << "cannot make permissions bind root here";
    EXPECT_FALSE(WriteTools(table, path));
  }
  EXPECT_EQ(FileBytes(path), "Old\r\nold\r\n\r\n\r\n");
  EXPECT_EQ(folder.Entries(), 1);
}

// Any bytes at all: a mebibyte of noise, with line ends often enough to make many tools.
TEST(ReadTools, RandomMebibyteGivesAtMostElevenToolsThatReadBack) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::string bytes(1 << 20, '\0');
    for (char& b : bytes) {
      const unsigned v = random();
      b = v % 16 == 0 ? '\n' : v % 16 == 1 ? '\r' : static_cast<char>(v >> 8);
    }
    TempFolder folder;
    WriteBytes(folder.File("Tools.rel"), bytes);
    TToolTable table;
    const int n = ReadTools(table, folder.File("Tools.rel"));
    EXPECT_GE(n, 1);
    EXPECT_LE(n, MaxTools);
    for (int k = 1; k <= n; ++k) {
      const TTool& t = table.Tools[k];
      EXPECT_FALSE(t.Tit.empty());
      // What the editor shows is what the file gets back.
      TToolTable one;
      one.n = 1;
      one.Tools[1] = t;
      ASSERT_TRUE(WriteTools(one, folder.File("back.rel")));
      TToolTable back;
      ASSERT_EQ(ReadTools(back, folder.File("back.rel")), 1);
      EXPECT_EQ(back.Tools[1], t);
    }
  }
}

TEST(CopyText, KeepsWithinTheFieldAndOnOneLine) {
  const struct {
    std::string text;
    std::size_t width;
    std::string field;
    const char* why;
  } cases[] = {
      {"", TTool::TitWidth, "", "an empty text, an empty field"},
      {"abc", 4, "abc", "width less the terminator fits"},
      {"abcd", 4, "abc", "one more is cut"},
      {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 4, "\xC3\xA9\xC3\xA9\xC3\xA9", "cut by characters"},
      {"a\r\nb", 10, "a  b", "a line end would split the field in the file"},
  };
  for (const auto& c : cases) {
    std::string field = "old";
    CopyText(c.text, field, c.width);
    EXPECT_EQ(field, c.field) << c.why;
  }
}

}  // namespace
}  // namespace tessaro::test
