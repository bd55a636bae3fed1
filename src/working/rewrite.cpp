#include "working/rewrite.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tessaro::work {

namespace {

// Where `part` starts in `text`, or npos when it is not a piece of it.
std::size_t Offset(std::string_view text, std::string_view part) {
  const auto base = reinterpret_cast<std::uintptr_t>(text.data());
  const auto start = reinterpret_cast<std::uintptr_t>(part.data());
  if (start < base || start + part.size() > base + text.size()) return std::string_view::npos;
  return static_cast<std::size_t>(start - base);
}

}  // namespace

Rewrite::Rewrite(std::string_view text, Original original, NeedsParens parens)
    : text_(text), original_(std::move(original)), parens_(std::move(parens)) {}

void Rewrite::Replace(std::string_view part, const std::string& value) {
  std::size_t begin = Offset(text_, part);
  if (begin == std::string_view::npos) return;
  std::size_t end = begin + part.size();
  // The evaluator hands over balanced pieces, so a "(" just before and a ")" just after one
  // that is worked out whole are a pair around it alone.
  while (begin > 0 && end < text_.size() && text_[begin - 1] == '(' && text_[end] == ')') {
    --begin;
    ++end;
  }
  pieces_.erase(pieces_.lower_bound(begin), pieces_.lower_bound(end));
  pieces_[begin] = {end, parens_(value, text_, begin, end) ? "(" + value + ")" : value};
}

std::string Rewrite::Render(std::string_view part) const {
  const std::size_t begin = Offset(text_, part);
  if (begin == std::string_view::npos) return std::string(part);
  return Render(begin, begin + part.size());
}

bool Rewrite::Shows(std::string_view part, const std::string& shown) const {
  const std::size_t begin = Offset(text_, part);
  if (begin == std::string_view::npos) return false;
  return Render(begin, begin + part.size(), shown.size()) == shown;
}

std::string Rewrite::Render(std::size_t from, std::size_t to, std::size_t limit) const {
  std::string out;
  std::size_t pos = from;
  for (auto it = pieces_.lower_bound(from); it != pieces_.end() && it->first < to; ++it) {
    if (out.size() > limit) return out;
    original_(out, pos, it->first);
    out += it->second.shown;
    pos = it->second.end;
  }
  // The characters left, in steps, so that a limit stops a long run of them too.
  while (pos < to && out.size() <= limit) {
    const std::size_t next = std::min(to, pos + 64);
    original_(out, pos, next);
    pos = next;
  }
  return out;
}

}  // namespace tessaro::work
