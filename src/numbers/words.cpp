#include "numbers/words.h"

#include <utility>

namespace tessaro {

namespace {
Translator& Current() {
  static Translator translator;
  return translator;
}
}  // namespace

void SetTranslator(Translator translator) { Current() = std::move(translator); }

bool Translating() { return static_cast<bool>(Current()); }

std::string translate(const char* context, const char* text) {
  const Translator& t = Current();
  return t ? t(context, text) : std::string(text);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::size_t size = pattern.size();
  for (std::string_view value : values) size += value.size();
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (n < values.size()) {
        out += values.begin()[n];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

std::string HcdName() {
  //: Highest common divisor, written before brackets: hcd(12,18) = 6. Your language's usual
  //: abbreviation, in every text that shows it.
  return translate("Notation", "hcd");
}

std::string LcmName() {
  //: Lowest common multiple, written before brackets: LCM(4,6) = 12. Your language's usual
  //: abbreviation, in every text that shows it.
  return translate("Notation", "LCM");
}

std::string WrongEntry() {
  //: The caption of a message about something typed that cannot be taken, and the text a
  //: combined operation of fractions ends with when it fails.
  return translate("Messages", "Wrong entry");
}

}  // namespace tessaro
