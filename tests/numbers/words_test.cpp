#include "numbers/conversionerror.h"
#include "numbers/words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

struct FillCase {
  const char* pattern;
  std::vector<std::string> values;
  const char* filled;
  const char* why;
};

TEST(Fill, PutsEachValueAtItsNumberOnce) {
  const FillCase cases[] = {
      {"%1 isn't a valid basis", {"300"}, "300 isn't a valid basis", "one value"},
      {"%2 de %1", {"a", "b"}, "b de a", "a language may turn the order round"},
      {"%1 + %1", {"x"}, "x + x", "a value used twice"},
      {"no value", {"x"}, "no value", "a pattern without placeholders"},
      {"%1", {"%2"}, "%2", "a value is not read again for placeholders"},
      {"%1%2", {"%", "1"}, "%1", "nor are two values read as one placeholder"},
      {"%3 left", {"a"}, "%3 left", "a number without a value stays as written"},
      {"100% of %1", {"a"}, "100% of a", "a % before a blank stays"},
      {"%0 and %", {"a"}, "%0 and %", "%0 and a final % are no placeholders"},
      {"%10", {"a"}, "a0", "one digit: %10 is %1 then 0"},
      {"%1 · %2", {"3/4", "-1"}, "3/4 · -1", "UTF-8 around the values"},
      {"(%1)", {""}, "()", "an empty value"},
      {"", {"a"}, "", "an empty pattern"},
  };
  for (const FillCase& c : cases) {
    std::vector<std::string_view> views(c.values.begin(), c.values.end());
    std::string filled;
    switch (views.size()) {
      case 1: filled = Fill(c.pattern, {views[0]}); break;
      case 2: filled = Fill(c.pattern, {views[0], views[1]}); break;
      default: FAIL() << "a row of " << views.size() << " values";
    }
    EXPECT_EQ(filled, c.filled) << c.why;
  }
}

// Turns every word to upper case, as a language other than English would change it.
class Shouting {
 public:
  Shouting() {
    SetTranslator([](const char*, const char* text) {
      std::string t(text);
      for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      return t;
    });
  }
  ~Shouting() { SetTranslator({}); }
};

TEST(Translate, SpeaksEnglishWithoutATranslatorAndTheTranslatorsWordsWithOne) {
  EXPECT_FALSE(Translating());
  EXPECT_EQ(translate("Numbers", "word"), "word");
  EXPECT_EQ(HcdName(), "hcd");
  EXPECT_EQ(LcmName(), "LCM");
  {
    Shouting shouting;
    EXPECT_TRUE(Translating());
    EXPECT_EQ(translate("Numbers", "word"), "WORD");
    EXPECT_EQ(HcdName(), "HCD");
    // The typed text goes in after translation: it keeps its case.
    EXPECT_STREQ(ConversionError("x1").what(), "'x1' IS NOT A VALID INTEGER VALUE");
  }
  EXPECT_STREQ(ConversionError("x1").what(), "'x1' is not a valid integer value");
}

}  // namespace
}  // namespace tessaro
