#include "numbers/basetext.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "numbers/conversionerror.h"
#include "numbers/longint.h"

namespace tessaro {

namespace {

constexpr int32_t kLargestBasis = 201;

// The characters Windows code page 1252 has at 0x80 ... 0x9F; 0 where it has none.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The character of digit v: 0-9, then the code-page character 55 + v (A for 10 ... Z for 35,
// then on to 255). Where that page has no character, or one that prints as nothing (DEL, the
// no-break space, the soft hyphen), a Greek letter no other digit uses stands in, in order.
char32_t DigitChar(int v) {
  if (v < 10) return U'0' + static_cast<char32_t>(v);
  const int code = 55 + v;
  char32_t c = code >= 0x80 && code < 0xA0 ? kCp1252High[code - 0x80] : char32_t(code);
  int stand = -1;
  for (int invisible : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0, 0xAD}) {
    ++stand;
    if (code == invisible) c = U'\u03B1' + static_cast<char32_t>(stand);
  }
  return c;
}

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The digits of every basis up to the largest, as UTF-8 texts.
const std::vector<std::string>& Digits() {
  static const std::vector<std::string> digits = [] {
    std::vector<std::string> d(kLargestBasis);
    for (int v = 0; v < kLargestBasis; ++v) AppendUtf8(DigitChar(v), d[static_cast<size_t>(v)]);
    return d;
  }();
  return digits;
}

// The characters of `text` from the last to the first, each as its UTF-8 bytes.
std::vector<std::string_view> CharactersFromTheRight(std::string_view text) {
  std::vector<std::string_view> out;
  size_t end = text.size();
  while (end > 0) {
    size_t start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    out.push_back(text.substr(start, end - start));
    end = start;
  }
  return out;
}

// Sum of v * basis^k over the digits, k counted from the right, kept to its low 32 bits.
// Done in modular integer arithmetic, which agrees with a floating sum wherever that is
// exact and stays defined for texts of any length. A character that is not one of the
// first `count` digits makes the value 0.
int32_t DigitsValue(std::string_view text, size_t count, int64_t basis) {
  const std::vector<std::string>& digits = Digits();
  uint32_t value = 0;
  uint32_t weight = 1;
  for (std::string_view c : CharactersFromTheRight(text)) {
    const auto found = std::find(digits.begin(), digits.begin() + static_cast<long>(count), c);
    if (found == digits.begin() + static_cast<long>(count)) return 0;
    value += static_cast<uint32_t>(found - digits.begin()) * weight;
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
    t.insert(0, Digits()[static_cast<size_t>(m % b)]);
    m /= b;
  }
  t.insert(0, Digits()[static_cast<size_t>(m)]);
  if (n < 0) t.insert(0, "-");
  return t;
}

std::string HexText(int32_t n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<uint32_t>(n)));
  return buffer;
}

int32_t HexValue(std::string_view text) { return DigitsValue(text, 16, 16); }

int32_t BaseValue(std::string_view text, int32_t b) {
  if (b < 2 || b > kLargestBasis) return 0;
  return DigitsValue(text, static_cast<size_t>(b), b);
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
