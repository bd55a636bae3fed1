#include "numbers/letters.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

struct Case {
  const char* expression;
  std::vector<std::string> texts;
  const char* replaced;
  const char* why;
};

TEST(ReplaceLetters, KeepsTheGroupingOfEverySubstitutedItem) {
  const Case cases[] = {
      {"a+b", {"7", "2"}, "7+2", "unsigned whole numbers go in bare"},
      {"a^2", {"-3"}, "(-3)^2", "a negative number keeps its sign inside the power"},
      {"b*a", {"-3", "2"}, "2*(-3)", "a negative number after an operator"},
      {"a/b", {"1/2", "3/4"}, "(1/2)/(3/4)", "fractions keep their own bar"},
      {"a^2", {"3/4"}, "(3/4)^2", "a fraction raised as a whole"},
      {"a+c", {"1", "2"}, "1+c", "a letter beyond the list stays"},
      {"A+a", {"5"}, "A+5", "upper case is not a list letter"},
      {"a + a", {"0"}, "0 + 0", "every occurrence, blanks kept"},
      {"", {"1"}, "", "empty expression"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReplaceLetters(c.expression, c.texts), c.replaced) << c.why;
}

}  // namespace
}  // namespace tessaro
