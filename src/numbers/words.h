#pragma once

// The words a user reads come from the pure libraries in English. A program that speaks
// another language installs a translator once, before its windows exist; numbers, signs and
// the program's notation are never given to it.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tessaro {

using Translator = std::function<std::string(const char* context, const char* text)>;

// Replaces the translator; an empty one speaks English again.
void SetTranslator(Translator translator);
// Whether a translator is installed; without one, every text is the program's English.
bool Translating();

// `text` in the program's language, `text` itself without a translator. Named so that the
// translation tools find every call with its literal context and text.
std::string translate(const char* context, const char* text);

// A translated pattern with its values put in: each %1 ... %9 becomes the value of that
// number, so a language may put them in any order. One pass: a value is never read again for
// placeholders (a typed "%1" stays as typed); a % without a value of its number stays as it is.
// Fill(translate("Integers", "%1 isn't a valid basis"), {"300"}).
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

// The names of the highest common divisor and the lowest common multiple in every text that
// writes them, hcd(12,18) as much as "the hcd and LCM of": "hcd" and "LCM" in English, the
// language's own abbreviations elsewhere.
std::string HcdName();
std::string LcmName();

// "Wrong entry": the caption of every message about an entry the program cannot take, and
// the Fractions window's failure of a combined operation; one text wherever it shows.
std::string WrongEntry();

}  // namespace tessaro
