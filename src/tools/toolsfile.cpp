#include "tools/toolsfile.h"

#include "textfile/textfile.h"

#include <fstream>
#include <istream>
#include <utility>

namespace tessaro {

namespace {

struct Utf8Check {
  bool valid;          // the whole text, or all of it but a sequence cut short at its end
  std::size_t length;  // bytes of complete, valid sequences from the start
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Utf8Check CheckUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      return {false, i};
    }
    for (std::size_t k = 1; k < len; ++k) {
      if (i + k >= s.size()) return {true, i};
      const auto c = static_cast<unsigned char>(s[i + k]);
      const bool inRange = k == 1 ? (c >= lo && c <= hi) : (c >= 0x80 && c <= 0xBF);
      if (!inRange) return {false, i};
    }
    i += len;
  }
  return {true, i};
}

std::string Latin1ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (char ch : s) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

// The first `count` characters of a UTF-8 text; never cuts inside a sequence.
std::string_view FirstChars(std::string_view s, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
    if (starts && chars++ == count) return s.substr(0, i);
  }
  return s;
}

}  // namespace

std::size_t ReadLine(std::istream& in, std::string& line, std::size_t limit) {
  using Traits = std::istream::traits_type;
  if (Traits::eq_int_type(in.peek(), Traits::eof())) return 0;
  // Keep no more than `limit` characters can take; skip the rest of the line.
  const std::size_t keep = 4 * limit + 1;
  std::string raw;
  bool cut = false;
  for (auto c = in.get(); !Traits::eq_int_type(c, Traits::eof()); c = in.get()) {
    if (c == '\n') break;
    if (raw.size() < keep)
      raw.push_back(Traits::to_char_type(c));
    else
      cut = true;
  }
  if (!cut && !raw.empty() && raw.back() == '\r') raw.pop_back();
  const Utf8Check check = CheckUtf8(raw);
  // A sequence left incomplete by the cut is dropped, not taken for Latin-1.
  const bool utf8 = check.valid && (check.length == raw.size() || cut);
  const std::string text = utf8 ? raw.substr(0, check.length) : Latin1ToUtf8(raw);
  line = std::string(FirstChars(text, limit));
  return line.size();
}

int ReadTools(TToolTable& table, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return table.n = 0;
  int count = 0;
  while (count < MaxTools && !std::ifstream::traits_type::eq_int_type(
                                 in.peek(), std::ifstream::traits_type::eof())) {
    std::string title;
    if (ReadLine(in, title, TTool::TitRead) == 0) break;
    TTool& tool = table.Tools[++count];
    tool = TTool{};
    tool.Tit = std::move(title);
    ReadLine(in, tool.Ftx, TTool::FtxRead);
    ReadLine(in, tool.Dir, TTool::DirRead);
    ReadLine(in, tool.Pars, TTool::ParsRead);
    if (in.bad()) break;
  }
  // Records past the count hold nothing from an earlier reading.
  for (int k = count + 1; k <= MaxTools; ++k) table.Tools[k] = TTool{};
  table.n = count;
  return count;
}

int ReadTools(TToolTable& table) { return ReadTools(table, ToolsFileName); }

std::string ToolsText(const TToolTable& table) {
  std::string out;
  for (int k = 1; k <= table.n; ++k) {
    const TTool& tool = table.Tools[k];
    for (const std::string* field : {&tool.Tit, &tool.Ftx, &tool.Dir, &tool.Pars}) {
      out.append(*field);
      out.append("\r\n");
    }
  }
  return out;
}

bool WriteTools(const TToolTable& table, const std::string& path) {
  return ReplaceFile(path, ToolsText(table));
}

bool WriteTools(const TToolTable& table) { return WriteTools(table, ToolsFileName); }

void CopyText(std::string_view text, std::string& field, std::size_t width) {
  field = std::string(FirstChars(text, width - 1));
  for (char& ch : field)
    if (ch == '\r' || ch == '\n') ch = ' ';
}

void RemoveTool(TToolTable& table, int k) {
  for (int i = k; i < table.n; ++i) table.Tools[i] = std::move(table.Tools[i + 1]);
  table.Tools[table.n] = TTool{};
  --table.n;
}

void ExchangeTools(TToolTable& table, int a, int b) { std::swap(table.Tools[a], table.Tools[b]); }

}  // namespace tessaro
