// Any bytes must end in a value, a failure or a ConversionError, never in a crash,
// undefined behaviour or a hang; a value is always in lowest terms with Den > 0.

#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string_view>

#include "numbers/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  tessaro::Rational r;
  try {
    if (tessaro::RatEval(text, r)) {
      if (r.Den <= 0 || std::gcd(int64_t{r.Num}, int64_t{r.Den}) != 1) __builtin_trap();
    }
  } catch (const tessaro::ConversionError&) {
    // The conversion message is an expected outcome for unreadable literals.
  }
  return 0;
}
