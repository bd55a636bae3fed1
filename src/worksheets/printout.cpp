#include "worksheets/printout.h"

#include "numbers/words.h"
#include "problems/problemfile.h"
#include "problems/workingtext.h"

#include <algorithm>

namespace tessaro {

namespace {

PrintedCopy CopyOf(const Worksheet& sheet, const std::vector<SheetProblem>& problems,
                   const std::string& code) {
  //: The heading of one version of a sheet: %1 is its code, a capital letter.
  const std::string version = code.empty() ? "" : Fill(translate("Worksheets", "Version %1"), {code});
  // "Week 3 - Version B"; an untitled sheet's heading is the version alone.
  const auto headed = [&version](const std::string& heading) {
    return version.empty() ? heading : heading.empty() ? version : heading + " - " + version;
  };
  PrintedCopy copy;
  copy.heading = headed(sheet.title);
  copy.instructions = TextLines(sheet.instructions);
  copy.keyHeading = headed(AnswerKeyTitle());
  int number = 0;
  for (const SheetProblem& p : problems)
    copy.problems.push_back({++number, KindName(p.params), TextLines(p.texts.Enun), KeyLines(p),
                             RoomLines(p)});
  return copy;
}

}  // namespace

std::string NameDateLine() {
  //: The line where a student writes a name and the date; the underscores are the room to
  //: write in.
  return translate("Worksheets", "Name: ____  Date: ____");
}

std::string AnswerKeyTitle() { return translate("Worksheets", "Answer key"); }

// The word a problem file puts over its answer.
std::string EmbeddedAnswerLine() { return translate("Problems", "Answer:"); }

std::vector<std::string> KeyLines(const SheetProblem& problem) {
  if (!problem.working) return TextLines(problem.texts.Resp);
  // The answer, then "Working:" and the steps of each result, as the Problem window shows them.
  return TextLines(AnswerWithWorking(problem.texts.Resp, {{problem.params, problem.texts}}));
}

int RoomLines(const SheetProblem& problem) {
  const int answer = static_cast<int>(std::min<std::size_t>(TextLines(problem.texts.Resp).size(), 10));
  return std::clamp(answer + 1, 2, 10);
}

std::optional<Printout> PrintoutOf(const Worksheet& sheet, const ExportOptions& options) {
  Printout out;
  out.title = sheet.title;
  out.key = options.key.value_or(sheet.key);
  out.columns = sheet.columns == 2 ? 2 : 1;
  out.page = sheet.page;
  if (sheet.versions.empty()) {
    if (!options.version.empty()) return std::nullopt;
    out.copies.push_back(CopyOf(sheet, sheet.problems, {}));
    return out;
  }
  for (const SheetVersion& v : sheet.versions)
    if (options.version.empty() || options.version == v.code)
      out.copies.push_back(CopyOf(sheet, v.problems, v.code));
  if (out.copies.empty()) return std::nullopt;
  return out;
}

}  // namespace tessaro
