#include "numbers/floattext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tessaro {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string FloatText(long double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";

  // printf rounds to 15 significant digits and gives the exponent of the rounded value.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", kSignificantDigits - 1, x);
  std::string_view text = buffer;
  std::string sign;
  if (text.front() == '-') {
    sign = "-";
    text.remove_prefix(1);
  }
  size_t e = text.find('e');
  int exponent = std::atoi(text.data() + e + 1);  // the buffer ends the text
  std::string digits;
  for (char c : text.substr(0, e)) {
    if (c != '.') digits += c;
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  if (exponent >= kSignificantDigits || exponent < -4) {
    std::string mantissa = digits.substr(0, 1);
    if (digits.size() > 1) mantissa += "." + digits.substr(1);
    return sign + mantissa + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return sign + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  size_t integerDigits = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= integerDigits) return sign + digits + std::string(integerDigits - digits.size(), '0');
  return sign + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

std::string FloatTextDec(long double x, int d) {
  std::string t = FloatText(x);
  size_t e = t.find('E');
  std::string exponent = e == std::string::npos ? "" : t.substr(e);
  std::string mantissa = t.substr(0, e);
  size_t point = mantissa.find('.');
  if (point != std::string::npos) {
    // No decimals wanted: the point itself goes too.
    mantissa.resize(d <= 0 ? point : std::min(mantissa.size(), point + 1 + static_cast<size_t>(d)));
  }
  return mantissa + exponent;
}

}  // namespace tessaro
