// Any bytes must end in a fraction, a refusal or a ConversionError, never in a crash or
// undefined behaviour. What is read agrees with IsRatText and prints back to itself.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "numbers/numbers.h"

using namespace tessaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bool ratText = IsRatText(text);
  Rational r;
  bool read = false;
  try {
    read = RatFromText(text, r);
  } catch (const ConversionError&) {
    return 0;  // the conversion message is an expected outcome
  }
  // A fraction literal always reads; a whole number reads too, without being one.
  if (ratText && !read) __builtin_trap();
  if (!read) return 0;
  Rational back;
  if (!RatFromText(RatText(r), back)) __builtin_trap();
  if (r.Num == 0 ? back.Num != 0 : (back.Num != r.Num || back.Den != r.Den)) __builtin_trap();
  // Simplifying keeps the value and never leaves a negative denominator it could move.
  Rational s = r;
  RatSimplify(s);
  if (r.Den != 0 && r.Num != 0 && int64_t{s.Num} * r.Den != int64_t{r.Num} * s.Den)
    __builtin_trap();
  return 0;
}
