#include "numbers/letters.h"

#include <algorithm>

namespace tessaro {

namespace {
bool IsUnsignedWhole(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

std::string ReplaceLetters(std::string_view expression, const std::vector<std::string>& texts) {
  std::string out;
  out.reserve(expression.size());
  for (char c : expression) {
    const std::size_t i = ItemLetters.find(c);
    if (c == '\0' || i == std::string_view::npos || i >= texts.size()) {
      out += c;
    } else if (IsUnsignedWhole(texts[i])) {
      out += texts[i];
    } else {
      out += '(';
      out += texts[i];
      out += ')';
    }
  }
  return out;
}

}  // namespace tessaro
