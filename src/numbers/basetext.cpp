#include "numbers/basetext.h"

#include <algorithm>
#include <cstdio>

#include "numbers/conversionerror.h"
#include "numbers/longint.h"

namespace tessaro {

namespace {

// Digit codes run 0-9, then 55 + v from "A" up to the last Latin-1 character, 255.
constexpr int32_t kLargestBasis = 255 - 55 + 1;

// The digit of v, as UTF-8; it takes two bytes beyond code 127.
void PutDigitInFront(int v, std::string& t) {
  int code = v < 10 ? '0' + v : 55 + v;
  std::string digit;
  if (code < 0x80) {
    digit = static_cast<char>(code);
  } else {
    digit += static_cast<char>(0xC0 | (code >> 6));
    digit += static_cast<char>(0x80 | (code & 0x3F));
  }
  t.insert(0, digit);
}

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Sum of v * basis^k over the digits, k counted from the right, kept to its low 32 bits.
// Done in modular integer arithmetic, which agrees with a floating sum wherever that is
// exact and stays defined for texts of any length.
int32_t DigitsValue(std::string_view text, std::string_view digitSet, int64_t basis) {
  uint32_t value = 0;
  uint32_t weight = 1;
  for (size_t i = text.size(); i-- > 0;) {
    size_t v = digitSet.find(text[i]);
    if (v == std::string_view::npos) return 0;
    value += static_cast<uint32_t>(v) * weight;
    weight *= static_cast<uint32_t>(basis);
  }
  return static_cast<int32_t>(value);
}

}  // namespace

std::string BaseText(int32_t n, int32_t b) {
  if (b < 2 || b > kLargestBasis) return "";
  int64_t m = n < 0 ? -int64_t{n} : int64_t{n};
  std::string t;
  while (m >= b) {
    PutDigitInFront(static_cast<int>(m % b), t);
    m /= b;
  }
  PutDigitInFront(static_cast<int>(m), t);
  if (n < 0) t.insert(0, "-");
  return t;
}

std::string HexText(int32_t n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<uint32_t>(n)));
  return buffer;
}

int32_t HexValue(std::string_view text) { return DigitsValue(text, kHexDigits, 16); }

int32_t BaseValue(std::string_view text, int32_t b) {
  std::string_view digitSet = kHexDigits.substr(0, static_cast<size_t>(std::clamp(b, 0, 16)));
  return DigitsValue(text, digitSet, b);
}

int32_t BinValue(std::string_view text) {
  if (text.empty()) throw ConversionError(text);
  // The last character, whole even when it is a multi-byte UTF-8 one, for the message.
  size_t last = text.size() - 1;
  while (last > 0 && (static_cast<unsigned char>(text[last]) & 0xC0) == 0x80) --last;
  uint32_t value = static_cast<uint32_t>(IntOfText(text.substr(last)));
  // Places count characters, so a multi-byte one earlier in the text is one place.
  uint32_t k = 0;
  for (size_t i = last; i-- > 0;) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    ++k;
    if (text[i] == '1' && k < 32) value += uint32_t{1} << k;
  }
  return static_cast<int32_t>(value);
}

}  // namespace tessaro
