#include "worksheets/worksheet.h"

#include "problems/problemfile.h"

#include <algorithm>
#include <array>

namespace tessaro {

namespace {

constexpr std::array<std::string_view, 3> KeyNames = {"separate", "embedded", "none"};
constexpr std::array<std::string_view, 3> PageNames = {"", "a4", "letter"};

// The lines the themes put between the sections of an "All" problem.
bool IsSectionSeparator(const std::string& line) {
  return line == std::string(14, '=') || line == std::string(16, '-');
}

using Piece = std::vector<std::string>;

std::vector<Piece> Pieces(const std::string& text) {
  std::vector<Piece> pieces(1);
  for (std::string& line : TextLines(text)) {
    if (IsSectionSeparator(line))
      pieces.emplace_back();
    else
      pieces.back().push_back(std::move(line));
  }
  return pieces;
}

bool HasText(const Piece& piece) {
  return std::any_of(piece.begin(), piece.end(), [](const std::string& l) { return !l.empty(); });
}

// A piece as a text of its own: the empty lines the separator stood between are dropped.
std::string PieceText(const Piece& piece) {
  auto first = std::find_if(piece.begin(), piece.end(), [](const auto& l) { return !l.empty(); });
  auto last = std::find_if(piece.rbegin(), piece.rend(), [](const auto& l) { return !l.empty(); });
  std::string text;
  for (auto it = first; it != piece.end() && it < last.base(); ++it) text += *it + "\r\n";
  return text;
}

SheetProblem TextProblem(const TPrbl& texts) { return {TextParams{}, texts, false, {}}; }

}  // namespace

std::string_view KeyName(KeyPlacement key) { return KeyNames[static_cast<std::size_t>(key)]; }

std::optional<KeyPlacement> KeyOfName(std::string_view name) {
  for (std::size_t i = 0; i < KeyNames.size(); ++i)
    if (KeyNames[i] == name) return static_cast<KeyPlacement>(i);
  return std::nullopt;
}

std::string_view PageName(PageSize page) { return PageNames[static_cast<std::size_t>(page)]; }

std::optional<PageSize> PageOfName(std::string_view name) {
  for (std::size_t i = 1; i < PageNames.size(); ++i)
    if (PageNames[i] == name) return static_cast<PageSize>(i);
  return std::nullopt;
}

std::string CrLfLines(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<SheetProblem> ProblemsFromShown(const ShownProblem& shown, const TPrbl& edited) {
  const TPrbl now{CrLfLines(edited.Enun), CrLfLines(edited.Resp)};
  const bool isEdited =
      now.Enun != CrLfLines(shown.texts.Enun) || now.Resp != CrLfLines(shown.texts.Resp);
  const auto& parts = shown.parts;
  if (parts.empty()) return {TextProblem(now)};

  std::vector<SheetProblem> problems;
  if (!isEdited) {
    for (const ProblemPart& part : parts) problems.push_back({part.params, part.texts, false, {}});
    return problems;
  }
  if (parts.size() == 1) return {{parts.front().params, now, false, {}}};

  // Several sections, edited: each section keeps its params when the edit left the
  // separators where they were.
  const std::vector<Piece> shownQ = Pieces(shown.texts.Enun), shownA = Pieces(shown.texts.Resp);
  const std::vector<Piece> nowQ = Pieces(now.Enun), nowA = Pieces(now.Resp);
  if (shownQ.size() != nowQ.size() || shownA.size() != nowA.size() ||
      shownQ.size() != shownA.size())
    return {TextProblem(now)};
  std::size_t part = 0;
  for (std::size_t i = 0; i < shownQ.size(); ++i) {
    // A section the theme left out (the Polynomials window's unary part without a
    // polynomial) leaves an empty piece before the first separator.
    if (!HasText(shownQ[i]) && !HasText(shownA[i])) continue;
    if (part == parts.size()) return {TextProblem(now)};
    const ProblemPart& section = parts[part++];
    if (nowQ[i] == shownQ[i] && nowA[i] == shownA[i])
      problems.push_back({section.params, section.texts, false, {}});
    else
      problems.push_back({section.params, {PieceText(nowQ[i]), PieceText(nowA[i])}, false, {}});
  }
  if (part != parts.size()) return {TextProblem(now)};
  return problems;
}

}  // namespace tessaro
