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

std::string translate(const char* context, const char* text) {
  const Translator& t = Current();
  return t ? t(context, text) : std::string(text);
}

}  // namespace tessaro
