#include "worksheets/writers.h"

namespace tessaro {

namespace {

class LineWriter {
 public:
  void Line(std::string_view text = {}) {
    out_ += text;
    out_ += "\r\n";
  }
  // `first` after "n. ", the other lines indented as far; an empty line stays empty.
  void Numbered(const std::string& number, const std::vector<std::string>& lines) {
    const std::string prefix = number.empty() ? "" : number + ". ";
    const std::string indent(prefix.size(), ' ');
    if (lines.empty()) Line(prefix);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i == 0)
        Line(prefix + lines[i]);
      else
        Indented(indent, lines[i]);
    }
  }
  void Indented(const std::string& indent, const std::string& line) {
    Line(line.empty() ? line : indent + line);
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

}  // namespace

std::string PlainText(const Printout& printout) {
  LineWriter w;
  for (const PrintedCopy& copy : printout.copies) {
    w.Line(copy.heading);
    for (const std::string& line : copy.instructions) w.Line(line);
    w.Line();
    for (const PrintedProblem& p : copy.problems) {
      const std::string number = std::to_string(p.number);
      w.Numbered(number, p.question);
      if (printout.key == KeyPlacement::Embedded) {
        const std::string indent(number.size() + 2, ' ');
        w.Indented(indent, EmbeddedAnswerLine());
        for (const std::string& line : p.answer) w.Indented(indent, line);
      }
      w.Line();
    }
    if (printout.key == KeyPlacement::Separate) {
      w.Line(copy.keyHeading);
      w.Line();
      for (const PrintedProblem& p : copy.problems) {
        w.Numbered(std::to_string(p.number), p.answer);
        w.Line();
      }
    }
  }
  return w.Take();
}

namespace {

// GIFT's own characters written as plain text, and every line of the text joined by \n.
std::string GiftEscaped(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += "\\n";
    for (char c : lines[i]) {
      if (c == '~' || c == '=' || c == '#' || c == '{' || c == '}' || c == ':' || c == '\\')
        out += '\\';
      out += c;
    }
  }
  return out;
}

std::vector<std::string> Split(const std::string& text, std::string_view by) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(by, from)) != std::string::npos; from = at + by.size())
    parts.push_back(text.substr(from, at - from));
  parts.push_back(text.substr(from));
  return parts;
}

}  // namespace

std::optional<std::string> ExactValue(const PrintedProblem& problem) {
  if (problem.answer.empty()) return std::nullopt;
  // The windows write "expression = ... = value"; the Integers window ends with the value's
  // decimals, after the exact value.
  const std::vector<std::string> parts = Split(problem.answer.front(), " = ");
  std::size_t least = 2, back = 1;
  if (problem.kind == "integer-combined")
    least = 4, back = 2;
  else if (problem.kind != "fraction-combined" && problem.kind != "polynomial-combined")
    return std::nullopt;
  if (parts.size() < least) return std::nullopt;
  const std::string& value = parts[parts.size() - back];
  if (value.empty() || value.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return value;
}

std::string GiftText(const Printout& printout) {
  std::string out;
  for (const PrintedCopy& copy : printout.copies) {
    for (const PrintedProblem& p : copy.problems) {
      if (!out.empty()) out += "\r\n";
      const std::string name =
          copy.heading.empty() ? std::to_string(p.number) : copy.heading + " " + std::to_string(p.number);
      out += "::" + GiftEscaped({name}) + "::" + GiftEscaped(p.question);
      if (const std::optional<std::string> value = ExactValue(p))
        out += "{=" + GiftEscaped({*value}) + "}";
      else if (p.answer.empty())
        out += "{}";
      else
        out += "{####" + GiftEscaped(p.answer) + "}";
      out += "\r\n";
    }
  }
  return out;
}

}  // namespace tessaro
