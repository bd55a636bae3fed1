#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// How a problem is saved: the choice made for an existing file.
enum SaveMode {
  GrdEsc = 0,  // cancel: write nothing
  GrdMtx = 1,  // a new file, or overwrite the existing one
  GrdAdd = 2,  // keep the existing file's text and add the problem after it
};

enum class SaveResult {
  Saved,
  CannotOpen,    // the existing file could not be read for GrdAdd
  CannotCreate,  // the file could not be written
};

// The line between two problems of one file: 28 hyphens.
inline constexpr std::string_view ProblemSeparator = "----------------------------";

// The lines of a text as a list of lines has them: CR LF, LF or CR ends a line, and a
// final line end adds no empty line ("a\r\nb\r\n" is a, b; "" is no line at all).
std::vector<std::string> TextLines(std::string_view text);

// The text of a problem file after saving this problem in `mode` over `existing`
// (used by GrdAdd only): every line, the last included, ends with CR LF.
std::string ProblemFileText(SaveMode mode, std::string_view existing, std::string_view question,
                            std::string_view answer);

// Saves the problem to the file at `path` (UTF-8 name). The file is replaced in one step,
// so on failure it keeps its old content. GrdEsc writes nothing.
SaveResult SaveProblem(const std::string& path, SaveMode mode, std::string_view question,
                       std::string_view answer);

}  // namespace tessaro
