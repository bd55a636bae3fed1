#include "numbers/longint.h"

#include <numeric>

#include "numbers/conversionerror.h"

namespace tessaro {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Magnitudes are taken in 64 bits so that -2147483648 has one.
int64_t Magnitude(int32_t v) { return v < 0 ? -int64_t{v} : int64_t{v}; }

// Trial division up to the square root of m; what remains above 1 is a prime.
std::string FactorsOf(int64_t m) {
  std::string t;
  int64_t rest = m;
  for (int64_t p = 2; p * p <= m && rest > 1; ++p) {
    int count = 0;
    while (rest % p == 0) {
      rest /= p;
      ++count;
    }
    if (count > 0) {
      t += std::to_string(p);
      if (count > 1) t += "^" + std::to_string(count);
      if (rest > 1) t += " \xC2\xB7 ";
    }
  }
  if (rest > 1) t += std::to_string(rest);
  return t;
}

}  // namespace

bool IsIntText(std::string_view text) {
  if (text.empty()) return false;
  size_t start = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  for (size_t i = start; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
  }
  return true;
}

int32_t IntOfText(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);

  // A hexadecimal text is a bit pattern, so a sign before its prefix is refused.
  std::string_view hex;
  bool isHex = false;
  if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) {
    hex = s.substr(1);
    isHex = true;
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = s.substr(2);
    isHex = true;
  }
  if (isHex) {
    if (hex.empty() || hex.size() > 8) throw ConversionError(text);
    uint32_t pattern = 0;
    for (char c : hex) {
      int v = HexDigitValue(c);
      if (v < 0) throw ConversionError(text);
      pattern = pattern * 16 + static_cast<uint32_t>(v);
    }
    return static_cast<int32_t>(pattern);
  }

  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) throw ConversionError(text);
  int64_t magnitude = 0;
  for (char c : s) {
    if (!IsDigit(c)) throw ConversionError(text);
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > 2147483648) throw ConversionError(text);
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) throw ConversionError(text);
  return static_cast<int32_t>(value);
}

bool MulOk(int32_t a, int32_t b, int32_t& out) {
  int64_t product = int64_t{a} * b;
  if (product > Long_Max || product < -int64_t{Long_Max}) return false;
  out = static_cast<int32_t>(product);
  return true;
}

int32_t PowOk(int32_t a, int32_t k) {
  if (k <= 0) return 1;
  // Bases that never grow are answered at once: looping k times could take billions of steps.
  if (a == 0) return 0;
  if (a == 1) return 1;
  if (a == -1) return (k % 2 == 0) ? 1 : -1;
  int64_t power = 1;
  for (int32_t i = 0; i < k; ++i) {  // |a| >= 2: at most 31 rounds before the bound
    power *= a;
    if (power >= Long_Max || power <= -int64_t{Long_Max}) return 0;
  }
  return static_cast<int32_t>(power);
}

int32_t Hcd(int32_t a, int32_t b) {
  int64_t g = std::gcd(Magnitude(a), Magnitude(b));
  return g > INT32_MAX ? 0 : static_cast<int32_t>(g);
}

int32_t Lcm(int32_t a, int32_t b) {
  int64_t x = Magnitude(a);
  int64_t y = Magnitude(b);
  if (x == 0 || y == 0) return 0;
  int64_t l = x / std::gcd(x, y) * y;  // below 2^62
  return l > Long_Max ? 0 : static_cast<int32_t>(l);
}

bool Divisible(int32_t a, int32_t b) {
  if (b == 0) return false;
  return int64_t{a} % b == 0;
}

long double Fact(int32_t n) {
  if (n < 0 || n > 160) return 0;
  long double f = 1;
  for (int32_t i = 2; i <= n; ++i) f *= i;
  return f;
}

std::string FactorText(int32_t n) {
  if (n == -1) return "-1";  // no prime factor, but the sign must show
  if (n < 0) return "-" + FactorsOf(Magnitude(n));
  return FactorsOf(n);
}

}  // namespace tessaro
