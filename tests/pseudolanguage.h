#pragma once

// A language for the tests that shows what went through the translator: the text in
// brackets, its letters in upper case, and every digit that is not a placeholder's (%1) as
// '#'. A word translated comes out as ⟦WORD⟧; a number or a piece of notation given to the
// translator by mistake would come out changed too, while what is filled in afterwards
// stays as the program wrote it.

#include "numbers/words.h"

#include <string>
#include <string_view>

namespace tessaro::test {

inline std::string Pseudo(std::string_view text) {
  std::string out = "\xE2\x9F\xA6";  // ⟦
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool placeholder = i > 0 && text[i - 1] == '%';
    if (c >= 'a' && c <= 'z')
      out += static_cast<char>(c - 'a' + 'A');
    else if (c >= '0' && c <= '9' && !placeholder)
      out += '#';
    else
      out += c;
  }
  return out + "\xE2\x9F\xA7";  // ⟧
}

// Speaks the pseudo language through the pure libraries' hook while it lives.
class PseudoLanguage {
 public:
  PseudoLanguage() {
    SetTranslator([](const char*, const char* text) { return Pseudo(text); });
  }
  ~PseudoLanguage() { SetTranslator({}); }
  PseudoLanguage(const PseudoLanguage&) = delete;
  PseudoLanguage& operator=(const PseudoLanguage&) = delete;
};

}  // namespace tessaro::test
