// Any bytes evaluated over a few stored polynomials must end in one of the result codes or
// a ConversionError, never in a crash, undefined behaviour or a hang; a value is in lowest
// terms and prints back to itself.

#include <array>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string_view>

#include "polynomials/polynomials.h"

using namespace tessaro;

namespace {

std::array<Polynomial, 6> StoredItems() {
  std::array<Polynomial, 6> items;
  constexpr std::string_view texts[] = {"x+1", "x-1", "1/2x^2-3", "2000000000x", "x^5", "7/3"};
  for (std::size_t i = 0; i < items.size(); ++i) PolFromText(texts[i], items[i]);
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::array<Polynomial, 6> items = StoredItems();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Polynomial result;
  int code = 0;
  try {
    code = PolEval(text, items, result);
  } catch (const ConversionError&) {
    return 0;  // the conversion message is an expected outcome
  }
  if (code < -1 || code > 4) __builtin_trap();
  if (code != 0) return 0;
  for (const Rational& c : result) {
    if (c.Den <= 0 || (c.Num != 0 && std::gcd(int64_t{c.Num}, int64_t{c.Den}) != 1)) {
      __builtin_trap();
    }
  }
  Polynomial back;
  if (!PolFromText(PolToText(result), back)) __builtin_trap();
  for (int k = 0; k <= MaxDegree; ++k) {
    if (back[k].Num != result[k].Num || (back[k].Num != 0 && back[k].Den != result[k].Den)) {
      __builtin_trap();
    }
  }
  return 0;
}
