#include "problems/problemfile.h"

#include "numbers/words.h"
#include "textfile/textfile.h"

namespace tessaro {

namespace {
constexpr std::string_view CrLf = "\r\n";

void AddLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append(CrLf);
}

bool EndsWithLineEnd(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}
}  // namespace

std::vector<std::string> TextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string ProblemFileText(SaveMode mode, std::string_view existing, std::string_view question,
                            std::string_view answer) {
  std::string out;
  if (mode == GrdAdd) {
    // The old text stays byte for byte; a last line without its line end gets one, so
    // the separator starts a line of its own.
    out.append(existing);
    if (!existing.empty() && !EndsWithLineEnd(existing)) out.append(CrLf);
    AddLine(out, "");
    AddLine(out, ProblemSeparator);
    AddLine(out, "");
  }
  //: The heading of the question in a problem file.
  AddLine(out, translate("Problems", "Question:"));
  for (const std::string& line : TextLines(question)) AddLine(out, line);
  AddLine(out, "");
  //: The heading of the answer in a problem file.
  AddLine(out, translate("Problems", "Answer:"));
  for (const std::string& line : TextLines(answer)) AddLine(out, line);
  return out;
}

SaveResult SaveProblem(const std::string& path, SaveMode mode, std::string_view question,
                       std::string_view answer) {
  if (mode == GrdEsc) return SaveResult::Saved;
  std::string existing;
  if (mode == GrdAdd) {
    std::optional<std::string> old = ReadWholeFile(path);
    if (!old) return SaveResult::CannotOpen;
    existing = std::move(*old);
  }
  if (!ReplaceFile(path, ProblemFileText(mode, existing, question, answer)))
    return SaveResult::CannotCreate;
  return SaveResult::Saved;
}

}  // namespace tessaro
