#include "worksheets/writers.h"

#include <array>
#include <cstdio>
#include <utility>

namespace tessaro {

namespace {

// The next code point of `text` at `i`, moving `i` past it; U+FFFD for a byte that does
// not start a well-formed UTF-8 sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t cp = length == 1 ? c : c & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return cp;
}

// Accented letters of Latin-1 and Windows-1252: the accent command and the letter under it.
struct Accented {
  char32_t code;
  const char* accent;
  const char* letter;
};
constexpr std::array<Accented, 64> AccentedLetters = {{
    {0xC0, "`", "A"},   {0xC1, "'", "A"},   {0xC2, "^", "A"},   {0xC3, "~", "A"},
    {0xC4, "\"", "A"},  {0xC7, "c", "C"},   {0xC8, "`", "E"},   {0xC9, "'", "E"},
    {0xCA, "^", "E"},   {0xCB, "\"", "E"},  {0xCC, "`", "I"},   {0xCD, "'", "I"},
    {0xCE, "^", "I"},   {0xCF, "\"", "I"},  {0xD1, "~", "N"},   {0xD2, "`", "O"},
    {0xD3, "'", "O"},   {0xD4, "^", "O"},   {0xD5, "~", "O"},   {0xD6, "\"", "O"},
    {0xD9, "`", "U"},   {0xDA, "'", "U"},   {0xDB, "^", "U"},   {0xDC, "\"", "U"},
    {0xDD, "'", "Y"},   {0xE0, "`", "a"},   {0xE1, "'", "a"},   {0xE2, "^", "a"},
    {0xE3, "~", "a"},   {0xE4, "\"", "a"},  {0xE7, "c", "c"},   {0xE8, "`", "e"},
    {0xE9, "'", "e"},   {0xEA, "^", "e"},   {0xEB, "\"", "e"},  {0xEC, "`", "\\i"},
    {0xED, "'", "\\i"}, {0xEE, "^", "\\i"}, {0xEF, "\"", "\\i"}, {0xF1, "~", "n"},
    {0xF2, "`", "o"},   {0xF3, "'", "o"},   {0xF4, "^", "o"},   {0xF5, "~", "o"},
    {0xF6, "\"", "o"},  {0xF9, "`", "u"},   {0xFA, "'", "u"},   {0xFB, "^", "u"},
    {0xFC, "\"", "u"},  {0xFD, "'", "y"},   {0xFF, "\"", "y"},  {0x160, "v", "S"},
    {0x161, "v", "s"},  {0x17D, "v", "Z"},  {0x17E, "v", "z"},  {0x178, "\"", "Y"},
    {0x10C, "v", "C"},  {0x10D, "v", "c"},  {0x158, "v", "R"},  {0x159, "v", "r"},
    {0x11E, "u", "G"},  {0x11F, "u", "g"},  {0x150, "H", "O"},  {0x151, "H", "o"},
}};

// Other characters the texts hold (the middle dot of products, the digits of the large
// bases, signs a teacher types), as the basic fonts can set them.
constexpr std::array<std::pair<char32_t, const char*>, 66> Symbols = {{
    {0xA0, "~"},
    {0xA1, "\\textexclamdown{}"},
    {0xA3, "\\pounds{}"},
    {0xA7, "\\S{}"},
    {0xA8, "\\\"{}"},
    {0xA9, "\\copyright{}"},
    {0xAA, "\\textsuperscript{a}"},
    {0xAB, "$\\ll$"},
    {0xAC, "$\\neg$"},
    {0xAD, "-{}"},
    {0xAF, "\\={}"},
    {0xB0, "$^{\\circ}$"},
    {0xB1, "$\\pm$"},
    {0xB2, "$^{2}$"},
    {0xB3, "$^{3}$"},
    {0xB4, "\\'{}"},
    {0xB5, "$\\mu$"},
    {0xB6, "\\P{}"},
    {0xB7, "$\\cdot$"},
    {0xB8, "\\c{}"},
    {0xB9, "$^{1}$"},
    {0xBA, "\\textsuperscript{o}"},
    {0xBB, "$\\gg$"},
    {0xBC, "$\\frac{1}{4}$"},
    {0xBD, "$\\frac{1}{2}$"},
    {0xBE, "$\\frac{3}{4}$"},
    {0xBF, "\\textquestiondown{}"},
    {0xC5, "\\AA{}"},
    {0xC6, "\\AE{}"},
    {0xD7, "$\\times$"},
    {0xD8, "\\O{}"},
    {0xDF, "\\ss{}"},
    {0xE5, "\\aa{}"},
    {0xE6, "\\ae{}"},
    {0xF7, "$\\div$"},
    {0xF8, "\\o{}"},
    {0x131, "\\i{}"},
    {0x141, "\\L{}"},
    {0x142, "\\l{}"},
    {0x152, "\\OE{}"},
    {0x153, "\\oe{}"},
    {0x192, "$f$"},
    {0x2C6, "\\^{}"},
    {0x2DC, "\\~{}"},
    {0x2013, "--"},
    {0x2014, "---"},
    {0x2018, "`{}"},
    {0x2019, "'{}"},
    {0x201A, ",{}"},
    {0x201C, "``{}"},
    {0x201D, "''{}"},
    {0x201E, ",,{}"},
    {0x2020, "\\dag{}"},
    {0x2021, "\\ddag{}"},
    {0x2022, "$\\bullet$"},
    {0x2026, "\\ldots{}"},
    {0x2039, "$<$"},
    {0x203A, "$>$"},
    {0x2122, "\\textsuperscript{TM}"},
    {0x2190, "$\\leftarrow$"},
    {0x2192, "$\\rightarrow$"},
    {0x2212, "$-$"},
    {0x221A, "$\\surd$"},
    {0x2260, "$\\neq$"},
    {0x2264, "$\\leq$"},
    {0x2265, "$\\geq$"},
}};

std::string NonAscii(char32_t cp) {
  for (const Accented& a : AccentedLetters)
    if (a.code == cp) return std::string("\\") + a.accent + "{" + a.letter + "}";
  for (const auto& [code, latex] : Symbols)
    if (code == cp) return latex;
  // No command of the basic fonts sets it: its code point, so that no two differ alike.
  char code[16];
  std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(cp));
  return std::string("\\texttt{[U+") + code + "]}";
}

// The typewriter font has the ASCII signs the text font lacks or sets as other signs.
std::string Typewriter(char c) {
  return "{\\ttfamily\\char" + std::to_string(static_cast<int>(c)) + "}";
}

std::string Ascii(char c) {
  switch (c) {
    case '\\': case '_': case '~': case '^': case '<': case '>': case '|': case '"':
    case '{': case '}':
      return Typewriter(c);
    case '#': return "\\#";
    case '$': return "\\$";
    case '%': return "\\%";
    case '&': return "\\&";
    // No ligatures: "--" stays two hyphens, quotes stay as typed.
    case '-': return "-{}";
    case '\'': return "'{}";
    case '`': return "`{}";
    case '!': return "!{}";
    case '?': return "?{}";
    case ',': return ",{}";
    // A long polynomial may break after its signs.
    case '+': return "+\\allowbreak{}";
    case '\t': return " ";
    default: break;
  }
  if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return {};
  return std::string(1, c);
}

}  // namespace

std::string LatexLine(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + utf8.size() / 4);
  bool blankBefore = true;  // a blank at the start is kept too
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = NextCodePoint(utf8, i);
    if (cp == ' ') {
      // TeX joins blanks: a second one, or one at the start, is an unbreakable space.
      out += blankBefore ? "~" : " ";
      blankBefore = true;
      continue;
    }
    blankBefore = false;
    out += cp < 0x80 ? Ascii(static_cast<char>(cp)) : NonAscii(cp);
  }
  return out;
}

namespace {

class Latex {
 public:
  explicit Latex(const Printout& p) : p_(p) {}

  std::string Text() {
    const bool letter = p_.page == PageSize::Letter;
    Raw("\\documentclass[11pt]{article}");
    Raw(std::string("\\usepackage[") + (letter ? "letterpaper" : "a4paper") +
        ",margin=2cm]{geometry}");
    if (p_.columns == 2) Raw("\\usepackage{multicol}");
    Raw("\\setlength{\\parindent}{0pt}");
    Raw("\\sloppy");
    // A numbered block: the number in the margin of the list, its lines under each other.
    Raw("\\newenvironment{problems}{\\begin{list}{}{\\setlength{\\leftmargin}{2.5em}"
        "\\setlength{\\labelwidth}{2.2em}\\setlength{\\labelsep}{0.3em}"
        "\\setlength{\\itemsep}{0pt}\\setlength{\\parsep}{0pt}\\setlength{\\topsep}{0pt}}}"
        "{\\end{list}}");
    Raw("\\begin{document}");
    bool first = true;
    for (const PrintedCopy& copy : p_.copies) {
      if (!first) Raw("\\clearpage");
      first = false;
      Questions(copy);
      if (p_.key == KeyPlacement::Separate) Key(copy);
    }
    Raw("\\end{document}");
    return std::move(out_);
  }

 private:
  void Raw(const std::string& line) {
    out_ += line;
    out_ += "\r\n";
  }
  void Par(const std::string& line) { Raw("\\strut " + LatexLine(line) + "\\par"); }
  void Heading(const std::string& text) {
    Raw("{\\Large\\bfseries " + LatexLine(text) + "\\par}");
    Raw("\\medskip");
  }
  void BeginColumns() {
    if (p_.columns == 2) Raw("\\begin{multicols}{2}");
    Raw("\\begin{problems}");
  }
  void EndColumns() {
    Raw("\\end{problems}");
    if (p_.columns == 2) Raw("\\end{multicols}");
  }
  void Item(int number, const std::vector<std::string>& lines) {
    Raw("\\item[" + std::to_string(number) + ".]");
    if (lines.empty()) Raw("\\strut\\par");
    for (const std::string& line : lines) Par(line);
  }

  void Questions(const PrintedCopy& copy) {
    Heading(copy.heading);
    for (const std::string& line : copy.instructions) Par(line);
    Raw("\\medskip");
    Par(NameDateLine());
    Raw("\\bigskip");
    if (copy.problems.empty()) return;  // a list without items does not compile
    BeginColumns();
    for (const PrintedProblem& p : copy.problems) {
      Item(p.number, p.question);
      if (p_.key == KeyPlacement::Embedded) {
        Par(EmbeddedAnswerLine());
        for (const std::string& line : p.answer) Par(line);
        Raw("\\medskip");
      } else {
        Raw("\\vspace{" + std::to_string(p.room) + "\\baselineskip}");
      }
    }
    EndColumns();
  }

  void Key(const PrintedCopy& copy) {
    Raw("\\clearpage");
    Heading(copy.keyHeading);
    if (copy.problems.empty()) return;
    BeginColumns();
    for (const PrintedProblem& p : copy.problems) {
      Item(p.number, p.answer);
      Raw("\\medskip");
    }
    EndColumns();
  }

  const Printout& p_;
  std::string out_;
};

}  // namespace

std::string LatexText(const Printout& printout) { return Latex(printout).Text(); }

}  // namespace tessaro
