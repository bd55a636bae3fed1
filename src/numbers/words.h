#pragma once

// The words a user reads come from the pure libraries in English. A program that speaks
// another language installs a translator once, before its windows exist; numbers, signs and
// the program's notation are never given to it.

#include <functional>
#include <string>

namespace tessaro {

using Translator = std::function<std::string(const char* context, const char* text)>;

// Replaces the translator; an empty one speaks English again.
void SetTranslator(Translator translator);

// `text` in the program's language, `text` itself without a translator. Named so that the
// translation tools find every call with its literal context and text.
std::string translate(const char* context, const char* text);

}  // namespace tessaro
