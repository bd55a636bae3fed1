#include "problems/problemfile.h"

#include "problems/testfiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

TEST(TextLines, SplitsTheWayAListOfLinesDoes) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
    const char* why;
  } cases[] = {
      {"", {}, "no text is no line"},
      {"a", {"a"}, "a last line without its end"},
      {"a\r\nb\r\n", {"a", "b"}, "a final line end adds no empty line"},
      {"a\r\n\r\nb", {"a", "", "b"}, "an empty line in between stays"},
      {"\r\n", {""}, "one empty line"},
      {"a\nb\n", {"a", "b"}, "the text areas end lines with LF"},
      {"a\rb", {"a", "b"}, "a lone CR ends a line too"},
      {"a\n\nb", {"a", "", "b"}, "LF LF is an empty line"},
  };
  for (const auto& c : cases) EXPECT_EQ(TextLines(c.text), c.lines) << c.why;
}

std::string Block(const std::string& questionLines, const std::string& answerLines) {
  return "Question:\r\n" + questionLines + "\r\nAnswer:\r\n" + answerLines;
}

const std::string Separator = "\r\n----------------------------\r\n\r\n";

struct Save {
  SaveMode mode;
  std::string question;
  std::string answer;
};

TEST(SaveProblem, WritesTheExactBytesOfEachMode) {
  const std::string q = "If a= 7  b= 2 calculate:\r\na+b a-b";
  const std::string a = "a+b= 9\r\na-b= 5\r\n";
  const std::string block = Block("If a= 7  b= 2 calculate:\r\na+b a-b\r\n", "a+b= 9\r\na-b= 5\r\n");
  const struct {
    std::optional<std::string> before;  // the file before the saves, when it exists
    std::vector<Save> saves;
    std::string after;
    const char* why;
  } cases[] = {
      {std::nullopt, {{GrdMtx, q, a}}, block, "a new file holds one block"},
      {"old text\r\n", {{GrdMtx, q, a}}, block, "overwrite leaves only the new block"},
      {std::nullopt,
       {{GrdMtx, q, a}, {GrdAdd, "x", "y"}, {GrdAdd, q, a}},
       block + Separator + Block("x\r\n", "y\r\n") + Separator + block,
       "each add puts an empty line, the hyphens and an empty line before its block"},
      {std::nullopt, {{GrdMtx, "", "9"}}, "Question:\r\n\r\nAnswer:\r\n9\r\n",
       "an empty question: the empty line follows Question: at once"},
      {std::nullopt, {{GrdMtx, "q", ""}}, "Question:\r\nq\r\n\r\nAnswer:\r\n",
       "an empty answer: Answer: is the last line"},
      {std::nullopt, {{GrdMtx, "q\r\n\r\n", "a"}}, "Question:\r\nq\r\n\r\n\r\nAnswer:\r\na\r\n",
       "a question ending in an empty line keeps that one line"},
      {"notes", {{GrdAdd, "q", "a"}}, "notes\r\n" + Separator + Block("q\r\n", "a\r\n"),
       "a last line without its end gets one before the separator"},
      {"one\ntwo\n", {{GrdAdd, "q", "a"}}, "one\ntwo\n" + Separator + Block("q\r\n", "a\r\n"),
       "the old text stays byte for byte"},
      {"", {{GrdAdd, "q", "a"}}, Separator + Block("q\r\n", "a\r\n"), "adding to an empty file"},
      {"keep", {{GrdEsc, "q", "a"}}, "keep", "cancel writes nothing"},
      {std::nullopt, {{GrdMtx, "3\xC2\xB7" "4 = 12", "\xC3\xA9"}},
       Block("3\xC2\xB7" "4 = 12\r\n", "\xC3\xA9\r\n"), "UTF-8 text as it is"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    const std::string path = folder.File("p1.txt");
    if (c.before) WriteBytes(path, *c.before);
    for (const Save& s : c.saves)
      ASSERT_EQ(SaveProblem(path, s.mode, s.question, s.answer), SaveResult::Saved);
    EXPECT_EQ(FileBytes(path), c.after);
    EXPECT_EQ(folder.Entries(), 1) << "nothing left beside the file";
  }
}

TEST(SaveProblem, FailureLeavesTheOldFileByteForByte) {
  const std::string old = Block("old\r\n", "kept\r\n");
  {
    SCOPED_TRACE("the disk fills while writing");
    TempFolder folder;
    const std::string path = folder.File("p1.txt");
    WriteBytes(path, old);
    for (SaveMode mode : {GrdMtx, GrdAdd}) {
      FileSizeLimit limit(old.size() + 4);
      EXPECT_EQ(SaveProblem(path, mode, std::string(200, 'q'), "a"), SaveResult::CannotCreate);
    }
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(folder.Entries(), 1) << "the half-written file is gone";
  }
  {
    SCOPED_TRACE("the folder is a regular file");
    TempFolder folder;
    WriteBytes(folder.File("plain"), "x");
    EXPECT_EQ(SaveProblem(folder.File("plain") + "/p1.txt", GrdMtx, "q", "a"),
              SaveResult::CannotCreate);
    EXPECT_EQ(FileBytes(folder.File("plain")), "x");
  }
  {
    SCOPED_TRACE("adding to a file that cannot be read");
    TempFolder folder;
    EXPECT_EQ(SaveProblem(folder.File("missing.txt"), GrdAdd, "q", "a"), SaveResult::CannotOpen);
    EXPECT_EQ(folder.Entries(), 0) << "nothing created";
  }
}

TEST(SaveProblem, PermissionFaultsKeepEveryFileByteForByte) {
  using P = fs::perms;
  const P readOnly = P::owner_read | P::owner_exec;  // a folder that takes no new name
  const struct {
    const char* target;
    SaveMode mode;
    P folder, file;
    SaveResult result;
    const char* why;
  } cases[] = {
      {"new.txt", GrdMtx, readOnly, P::owner_read | P::owner_write, SaveResult::CannotCreate,
       "a new file in a folder without write permission"},
      {"p1.txt", GrdMtx, readOnly, P::owner_read | P::owner_write, SaveResult::CannotCreate,
       "overwrite in a folder without write permission"},
      {"p1.txt", GrdAdd, readOnly, P::owner_read | P::owner_write, SaveResult::CannotCreate,
       "add in a folder without write permission"},
      {"p1.txt", GrdMtx, P::owner_all, P::owner_read, SaveResult::CannotCreate,
       "overwrite a read-only file"},
      {"p1.txt", GrdAdd, P::owner_all, P::owner_read, SaveResult::CannotCreate,
       "add to a read-only file"},
      {"p1.txt", GrdAdd, P::owner_all, P::owner_write, SaveResult::CannotOpen,
       "add to a file that cannot be read"},
  };
  const std::string old = Block("old\r\n", "kept\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    WriteBytes(folder.File("p1.txt"), old);
    WriteBytes(folder.File("other.txt"), "other\r\n");
    const fs::path home = fs::path(folder.File("p1.txt")).parent_path();
    fs::permissions(folder.File("p1.txt"), c.file);
    fs::permissions(home, c.folder);
    SaveResult result = SaveResult::Saved;
    {
      PermissionsBind bind;
      if (!bind.Holds()) GTEST_SKIP() << "cannot make permissions bind root here";
      result = SaveProblem(folder.File(c.target), c.mode, "q", "a");
    }
    fs::permissions(home, P::owner_all);
    fs::permissions(folder.File("p1.txt"), P::owner_read | P::owner_write);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(FileBytes(folder.File("p1.txt")), old);
    EXPECT_EQ(FileBytes(folder.File("other.txt")), "other\r\n");
    EXPECT_EQ(folder.Entries(), 2) << "nothing made or left beside the files";
  }
}

TEST(SaveProblem, ReplacementKeepsTheFilePermissions) {
  TempFolder folder;
  const std::string path = folder.File("p1.txt");
  WriteBytes(path, "old\r\n");
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(path, mode);
  ASSERT_EQ(SaveProblem(path, GrdAdd, "q", "a"), SaveResult::Saved);
  EXPECT_EQ(fs::status(path).permissions(), mode);
}

}  // namespace
}  // namespace tessaro::test
