#include "polynomials/polynomial.h"

#include <algorithm>

#include "numbers/words.h"
#include "polynomials/coefficient.h"

namespace tessaro {

namespace {

// One term of the text form: "+" unless it leads or is negative, the coefficient unless it
// is 1 or -1 before x (then only its sign), x and the power.
void AppendTerm(std::string& out, std::string_view coefficient, int k, bool leading) {
  if (!leading && !coefficient.starts_with('-')) out += '+';
  if (k == 0 || (coefficient != "1" && coefficient != "-1")) {
    out += coefficient;
  } else if (coefficient == "-1") {
    out += '-';
  }
  if (k >= 1) out += 'x';
  if (k >= 2) {
    out += '^';
    out += static_cast<char>('0' + k);
  }
}

}  // namespace

void PolZero(Polynomial& p) { p.fill(Rational{0, 1}); }

int PolDegree(const Polynomial& p) {
  for (int k = MaxDegree; k > 0; --k) {
    if (!coef::IsZero(p[k])) return k;
  }
  return 0;
}

bool PolIsNonZero(const Polynomial& p) {
  return std::any_of(p.begin(), p.end(), [](const Rational& c) { return !coef::IsZero(c); });
}

int IntPolDegree(const IntPolynomial& ip) {
  for (int k = MaxDegree; k > 0; --k) {
    if (ip[k] != 0) return k;
  }
  return 0;
}

void PolFromInt(const IntPolynomial& ip, Polynomial& p) {
  PolZero(p);
  for (int k = 0; k <= IntPolDegree(ip); ++k) p[k] = Rational{ip[k], 1};
}

bool PolToIntScaled(const Polynomial& p, IntPolynomial& ip) {
  ip.fill(0);
  const int d = PolDegree(p);
  // A zero coefficient has no meaningful denominator, so it does not enter the LCM.
  int32_t l = 1;
  for (int k = 0; k <= d; ++k) {
    if (coef::IsZero(p[k])) continue;
    if (p[k].Den == 0 || !coef::WithinLongMax(p[k].Den)) return false;
    l = Lcm(l, p[k].Den);
    if (l == 0) return false;
  }
  IntPolynomial scaled{};
  for (int k = 0; k <= d; ++k) {
    if (coef::IsZero(p[k])) continue;
    if (!MulOk(l / p[k].Den, p[k].Num, scaled[k])) return false;
  }
  ip = scaled;
  return true;
}

std::string PolToText(const Polynomial& p) {
  const int d = PolDegree(p);
  std::string out;
  for (int k = d; k >= 0; --k) {
    if (!coef::IsZero(p[k])) AppendTerm(out, RatText(p[k]), k, k == d);
  }
  return out.empty() ? "0" : out;
}

std::string IntPolToText(const IntPolynomial& ip) {
  const int d = IntPolDegree(ip);
  std::string out;
  for (int k = d; k >= 0; --k) {
    if (ip[k] != 0) AppendTerm(out, std::to_string(ip[k]), k, k == d);
  }
  return out.empty() ? "0" : out;
}

std::string NotARationalPolynomial() {
  return translate("Polynomials", "Not a rational polynomial");
}

bool PolFromText(std::string_view text, Polynomial& p) {
  if (text.empty()) return false;
  PolZero(p);
  std::string_view rest = text;
  for (std::size_t x = rest.find('x'); x != std::string_view::npos; x = rest.find('x')) {
    const std::string_view coefficientText = rest.substr(0, x);
    int e = 1;
    std::size_t next = x + 1;
    if (next < rest.size() && rest[next] == '^') {
      // Exactly one character; a missing or non-digit one is refused by IntOfText.
      e = IntOfText(rest.substr(next + 1, 1));
      if (e < 0 || e > MaxDegree) return false;
      next += 2;
    }
    Rational c{1, 1};
    if (coefficientText == "-") {
      c.Num = -1;
    } else if (!coefficientText.empty() && coefficientText != "+" &&
               !coef::Read(coefficientText, c)) {
      return false;
    }
    p[e] = c;  // a later term with the same power replaces the earlier one
    rest.remove_prefix(std::min(next, rest.size()));
  }
  return rest.empty() || coef::Read(rest, p[0]);
}

void IntPolRandom(int n, IntPolynomial& ip) {
  n = std::clamp(n, 0, MaxDegree);
  ip.fill(0);
  ip[n] = Rnd(9) + 1;
  for (int k = 0; k < n; ++k) {
    const int32_t a = Rnd(9);
    ip[k] = Rnd(9) >= 5 ? a : -a;
  }
}

}  // namespace tessaro
