#pragma once

// The worst texts a field can hold (1,000 characters), shared by the benchmarks of the
// evaluators and of the workings that follow them.

#include <string>
#include <vector>

#include "numbers/numbers.h"
#include "panels/integerpanel.h"
#include "polynomials/polynomials.h"

namespace tessaro::bench {

inline constexpr std::size_t FieldLength = 1000;  // MaxEntryLength of the windows

// `prefix`, then `unit` repeated and joined by `op`, as long as the whole fits the field.
inline std::string Chain(const std::string& unit, const std::string& op,
                         const std::string& prefix = "") {
  std::string text = prefix + unit;
  while (text.size() + op.size() + unit.size() <= FieldLength) text += op + unit;
  return text;
}

// `levels` times `open`, then `core`, then as many ")".
inline std::string Nest(const std::string& open, const std::string& core, int levels) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += open;
  text += core;
  text.append(static_cast<std::size_t>(levels), ')');
  return text;
}

// How many times `open` and ")" nest around `core` within the field.
inline int MostLevels(const std::string& open, const std::string& core) {
  return static_cast<int>((FieldLength - core.size()) / (open.size() + 1));
}

struct Shape {
  const char* name;
  std::string text;
};

// Each "2-1/(" is two levels of the evaluator and keeps the value 1.
inline std::vector<Shape> RatShapes() {
  return {
      {"minus chain", Chain("1", "-", "2147483646-")},
      {"division chain", Chain("1", "/")},
      {"mixed chain", Chain("7-2*2/3+1", "-")},
      {"long literals", Chain("2147483646/2147483645*2147483645/2147483646", "*")},
      {"powers", Chain("(2/3)^19*(3/2)^19", "*")},
      {"negative powers", Chain("2^-30*2^30", "-")},
      {"sign chain", "1-" + std::string(FieldLength - 3, '-') + "1"},
      {"deepest nesting", Nest("2-1/(", "1", RatEvalMaxNesting / 2 - 1)},
      {"nesting too deep", Nest("2-1/(", "1", MostLevels("2-1/(", "1"))},
      {"nested signs", Nest("-(", "1", RatEvalMaxNesting / 2 - 1)},
      {"signs too deep", Nest("-(", "1", MostLevels("-(", "1"))},
      {"doubled parentheses", Nest("(", "1", MostLevels("(", "1"))},
      // The Integers window: each letter becomes "(-2147483646)".
      {"letters of integers", CombinedText(Chain("a-b", "+"), {-2147483646, -2147483646})},
      // The Fractions window: each letter becomes "(-2147483646/2147483645)" or the like.
      {"letters of fractions",
       ReplaceLetters(Chain("a*b", "*"), {"-2147483646/2147483645", "-2147483645/2147483646"})},
  };
}

// 24 stored polynomials, the most a list holds, many of degree 9.
inline std::vector<Polynomial> StoredItems() {
  const char* texts[] = {
      "x+1", "x-1", "1/2x^2-3", "-1/3x^9+2/7x^8-x+5", "-2147483646/2147483645x^9+1/3x", "7/3"};
  std::vector<Polynomial> items(24);
  for (std::size_t i = 0; i < items.size(); ++i) PolFromText(texts[i % 6], items[i]);
  return items;
}

// Every letter of the list: A-B+B-A+C-D+D-C+... (a sum of differences that stays small).
inline std::string AllLetters() {
  std::string unit;
  for (std::size_t i = 0; i + 1 < 24; i += 2) {
    const std::string a(1, Letters[i]), b(1, Letters[i + 1]);
    unit += (unit.empty() ? "" : "+") + a + "-" + b + "+" + b + "-" + a;
  }
  return Chain(unit, "+");
}

// Each "A*A/(" is two levels of the evaluator and keeps the value A.
inline std::vector<Shape> PolShapes() {
  return {
      {"all letters", AllLetters()},
      {"minus chain", Chain("A-B", "-")},
      {"products of quotients", Chain("D/D", "*")},
      {"differences of quotients", Chain("D/D", "-")},
      {"powers", Chain("A^9-B^9", "+")},
      {"long constants", Chain("2147483646/2147483645*A-2147483646/2147483645*A", "+")},
      {"deepest nesting", Nest("A*A/(", "A", MaxEvalDepth / 2 - 1)},
      {"nesting too deep", Nest("A*A/(", "A", MostLevels("A*A/(", "A"))},
      {"nested differences", Nest("A-(", "A", MaxEvalDepth - 2)},
      {"differences too deep", Nest("A-(", "A", MostLevels("A-(", "A"))},
  };
}

}  // namespace tessaro::bench
