#pragma once

// What a printed or exported sheet holds, in order: every writer (text, GIFT, LaTeX, and
// the page renderer of PDF, ODT and print) lays out the same texts from here.

#include "worksheets/worksheet.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The words a printed sheet adds, in the program's language: "Name: ____  Date: ____" under
// the instructions, "Answer key" over the key, "Answer:" over an answer under its question.
std::string NameDateLine();
std::string AnswerKeyTitle();
std::string EmbeddedAnswerLine();

struct ExportOptions {
  std::optional<KeyPlacement> key;  // none: the sheet's own
  std::string version;              // one version's code; empty: every version in turn
};

struct PrintedProblem {
  int number = 0;
  std::string_view kind;  // KindName of its params
  std::vector<std::string> question;
  std::vector<std::string> answer;  // KeyLines
  int room = 0;                     // empty lines left to answer in
};

// One copy of the sheet: its questions and its key under their headings.
struct PrintedCopy {
  std::string heading;  // the title, with the version's code
  std::vector<std::string> instructions;
  std::vector<PrintedProblem> problems;
  std::string keyHeading;  // "Answer key", with the version's code
};

struct Printout {
  std::string title;
  KeyPlacement key = KeyPlacement::Separate;
  int columns = 1;
  PageSize page = PageSize::FromLocale;
  std::vector<PrintedCopy> copies;
};

// The lines the key gives for a problem: its answer, and (when the problem asks for it)
// the working of the answer under it.
std::vector<std::string> KeyLines(const SheetProblem& problem);

// The empty lines a printed sheet leaves under a question: about as many as its answer
// needs, at least 2 and at most 10.
int RoomLines(const SheetProblem& problem);

// The sheet as it prints: its problems, or each version in turn (only the version
// `options.version` names, when it names one). None when the sheet has no such version.
std::optional<Printout> PrintoutOf(const Worksheet& sheet, const ExportOptions& options = {});

}  // namespace tessaro
