// Any bytes must end in a value or a ConversionError, never in a crash or undefined
// behaviour. A decimal text gives the value an independent 64-bit reading gives, and the
// value's own text reads back to it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numbers/numbers.h"

using namespace tessaro;

namespace {

// The plain decimal reading: an optional sign and digits, within 32 bits.
std::optional<int64_t> Decimal(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  int64_t m = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    m = m * 10 + (c - '0');
    if (m > 2147483648) return std::nullopt;
  }
  const int64_t v = negative ? -m : m;
  if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const bool intText = IsIntText(text);
  std::optional<int32_t> value;
  try {
    value = IntOfText(text);
  } catch (const ConversionError& e) {
    // The message names the text as typed, a NUL shown as the replacement character.
    std::string shown;
    for (char c : text) shown += c == '\0' ? std::string("\xEF\xBF\xBD") : std::string(1, c);
    if (std::string(e.what()) != "'" + shown + "' is not a valid integer value") __builtin_trap();
  }
  if (intText) {
    const std::optional<int64_t> expected = Decimal(text);
    if (expected.has_value() != value.has_value()) __builtin_trap();
    if (value && *value != *expected) __builtin_trap();
  }
  if (value && IntOfText(std::to_string(*value)) != *value) __builtin_trap();
  return 0;
}
