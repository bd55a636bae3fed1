#include "polynomials/polanalysis.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "numbers/words.h"
#include "polynomials/coefficient.h"
#include "polynomials/divisors.h"

namespace tessaro {

namespace {

// "  - none -  ": the word between dashes and blanks, as the roots field shows it.
std::string Dashed(const std::string& word) { return "  - " + word + " -  "; }

// Records v as the next root and divides it out as often as it divides.
bool TakeRoot(int32_t v, IntPolynomial& ip, RootList& list) {
  const int k = list.count++;
  list.roots[k] = v;
  int32_t value = 0;
  do {
    ++list.multiplicities[k];
    if (!IntPolDeflate(ip, v, ip)) return false;
    value = IntPolValueAt(ip, v);
    // Unknown value: the multiplicity, and so the cofactor, would be wrong.
    if (value == IntPolOverflow) return false;
  } while (value == 0);
  return true;
}

// The constant in front of the factorization: "" for 1, "-" for -1 unless it stands alone.
std::string ConstantText(int64_t num, int64_t den, bool alone) {
  if (num == den) return "";
  if (num == -den) return alone ? "-1" : "-";
  std::string text = std::to_string(num);
  if (den != 1) text += "/" + std::to_string(den);
  return text;
}

}  // namespace

bool PolValueAt(const Polynomial& p, Rational x, Rational& value) {
  Rational result = p[0];
  if (!coef::Reduce(x) || !coef::Reduce(result)) return false;
  const int d = coef::IsZero(x) ? 0 : PolDegree(p);  // at x = 0 only the constant counts
  for (int i = 1; i <= d; ++i) {
    if (coef::IsZero(p[i])) continue;
    Rational power;
    RatPow(x, i, power);
    if (power.Num == 0 || power.Den == 0) return false;  // PowOk's overflow
    Rational term;
    if (!coef::Mul(p[i], power, term) || !coef::Add(result, term, result)) return false;
  }
  value = result;
  return true;
}

int PolDerivative(const Polynomial& p, Polynomial& d) {
  Polynomial out;
  PolZero(out);
  for (int i = 1; i <= MaxDegree; ++i) {
    if (coef::IsZero(p[i])) continue;
    Rational c{0, p[i].Den};
    if (!MulOk(i, p[i].Num, c.Num) || !coef::Reduce(c)) return -1;
    out[i - 1] = c;
  }
  d = out;
  return 1;
}

int PolIntegral(const Polynomial& p, Polynomial& i) {
  const int d = PolDegree(p);
  if (d == MaxDegree) return 0;
  Polynomial out;
  PolZero(out);
  for (int k = 0; k <= d; ++k) {
    if (coef::IsZero(p[k])) continue;
    Rational c{p[k].Num, 0};
    if (!MulOk(k + 1, p[k].Den, c.Den) || !coef::Reduce(c)) return -1;
    out[k + 1] = c;
  }
  i = out;
  return 1;
}

int32_t IntPolContent(const IntPolynomial& ip) {
  int64_t g = 0;
  for (const int32_t c : ip) g = std::gcd(g, std::abs(static_cast<int64_t>(c)));
  return g > INT32_MAX ? 0 : static_cast<int32_t>(g);  // 2^31: only -2147483648 terms
}

int32_t IntPolValueAt(const IntPolynomial& ip, int32_t v) {
  int64_t result = ip[0];
  const int d = IntPolDegree(ip);
  for (int i = 1; i <= d; ++i) {
    if (ip[i] == 0) continue;
    const int32_t power = PowOk(v, i);
    if (power == 0 && v != 0) return IntPolOverflow;
    result += static_cast<int64_t>(ip[i]) * power;  // below 2^62 + 2^31
    if (std::abs(result) >= Long_Max) return IntPolOverflow;
  }
  return static_cast<int32_t>(result);
}

bool IntPolDeflate(const IntPolynomial& ip, int32_t r, IntPolynomial& out) {
  const int n = IntPolDegree(ip);
  IntPolynomial q{};
  if (n >= 1) {
    int64_t carry = ip[n];
    q[n - 1] = ip[n];
    for (int k = n - 2; k >= 0; --k) {
      carry = r * carry + ip[k + 1];  // both factors below 2^31 in magnitude
      if (!coef::WithinLongMax(carry)) return false;
      q[k] = static_cast<int32_t>(carry);
    }
  }
  out = q;
  return true;
}

int PolIntRoots(const Polynomial& p, RootList& roots) {
  RootList list;
  if (!PolIsNonZero(p)) {
    list.content = 0;
    roots = list;
    return 0;
  }
  IntPolynomial ip;
  if (!PolToIntScaled(p, ip)) {
    roots = RootList{};
    return -1;
  }
  const int d = PolDegree(p);
  // ip[d] = (L / den)·num, so L = (ip[d] / num)·den exactly.
  list.scale = ip[d] / p[d].Num * p[d].Den;
  list.content = IntPolContent(ip);
  for (int32_t& c : ip) c /= list.content;
  while (ip[0] == 0) {
    list.count = 1;  // the root 0 comes first
    ++list.multiplicities[0];
    std::shift_left(ip.begin(), ip.end(), 1);
    ip[MaxDegree] = 0;
  }
  // The candidates are the divisors s of the constant term, each tried as -s then s, in the
  // order of a plain trial of s = 1, 2, ...; a constant left over has no root, so the search
  // may stop there.
  for (const int32_t s : DivisorsAscending(std::abs(ip[0]))) {
    if (IntPolDegree(ip) == 0) break;
    for (const int32_t v : {-s, s}) {
      const int32_t value = IntPolValueAt(ip, v);
      if (value == IntPolOverflow || (value == 0 && !TakeRoot(v, ip, list))) {
        roots = RootList{};
        return -1;
      }
    }
  }
  list.cofactor = ip;
  roots = list;
  return list.count;
}

TwoS RootsText(const RootList& list) {
  const int count = std::clamp(list.count, 0, 9);
  IntPolynomial cofactor = list.cofactor;
  const int dc = IntPolDegree(cofactor);
  //: The integer roots of the zero polynomial: every integer is one.
  if (count == 0 && dc == 0 && cofactor[0] == 0) return {Dashed(translate("Roots", "all")), "0"};

  // The text must equal P = (content / scale) · roots · cofactor: the cofactor's sign, or the
  // whole cofactor when it is a constant, joins the constant in front.
  int64_t num = list.content;
  int64_t den = list.scale == 0 ? 1 : list.scale;
  if (dc == 0) {
    num *= cofactor[0];
  } else if (cofactor[dc] < 0 &&
             std::none_of(cofactor.begin(), cofactor.end(),
                          [](int32_t c) { return c == INT32_MIN; })) {
    num = -num;
    for (int32_t& c : cofactor) c = -c;
  }
  const int64_t g = std::gcd(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  if (den < 0) {
    num = -num;
    den = -den;
  }
  TwoS out;
  out.factorization = ConstantText(num, den, count == 0 && dc == 0);
  const std::string cofactorText = IntPolToText(cofactor);
  if (count == 0) {
    //: No integer roots.
    out.roots = Dashed(translate("Roots", "none"));
    if (dc >= 1) {
      out.factorization =
          out.factorization.empty() ? cofactorText : out.factorization + "(" + cofactorText + ")";
    }
    return out;
  }
  for (int k = 0; k < count; ++k) {
    const std::string a = std::to_string(list.roots[k]);
    const int m = std::clamp(list.multiplicities[k], 0, MaxDegree);
    for (int i = 0; i < m; ++i) {
      out.roots += a;
      if (k < count - 1 || i < m - 1) out.roots += ", ";
    }
    if (a == "0") {
      out.factorization += "x";
    } else {
      out.factorization += "(x" + (a.starts_with('-') ? "+" + a.substr(1) : "-" + a) + ")";
    }
    if (m > 1) out.factorization += "^" + std::to_string(m);
    if (k < count - 1) out.factorization += " ";
  }
  if (dc >= 1) out.factorization += " (" + cofactorText + ") ";
  return out;
}

}  // namespace tessaro
