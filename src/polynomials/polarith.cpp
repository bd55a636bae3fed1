#include "polynomials/polarith.h"

#include <cstdlib>
#include <numeric>

#include "polynomials/coefficient.h"

namespace tessaro {

namespace {

template <class CoefficientOp>
int Coefficientwise(const Polynomial& a, const Polynomial& b, Polynomial& out, CoefficientOp op) {
  Polynomial t;
  for (int k = 0; k <= MaxDegree; ++k) {
    if (!op(a[k], b[k], t[k])) return -1;
  }
  out = t;
  return 1;
}

// PolNormalize that says whether it could: g is untouched when dividing by the negative
// common factor would take a numerator of -2147483648 beyond 32 bits.
bool Normalize(Polynomial& g) {
  const int d = PolDegree(g);
  if (d == 0) {
    PolZero(g);
    g[0] = Rational{1, 1};
    return true;
  }
  int64_t common = 0;
  for (const Rational& c : g) common = std::gcd(common, std::abs(static_cast<int64_t>(c.Num)));
  if ((g[d].Num < 0) != (g[d].Den < 0)) common = -common;
  if (common == 1) return true;
  Polynomial out = g;
  for (Rational& c : out) {
    const int64_t n = c.Num / common;
    if (n < INT32_MIN || n > INT32_MAX) return false;
    c.Num = static_cast<int32_t>(n);
  }
  g = out;
  return true;
}

bool IsZeroOrUnit(const Rational& c) {
  return c.Num == 0 || (c.Den == 1 && (c.Num == 1 || c.Num == -1));
}

}  // namespace

int PolAdd(const Polynomial& a, const Polynomial& b, Polynomial& s) {
  return Coefficientwise(a, b, s, coef::Add);
}

int PolSub(const Polynomial& a, const Polynomial& b, Polynomial& d) {
  return Coefficientwise(a, b, d, coef::Sub);
}

int PolMul(const Polynomial& a, const Polynomial& b, Polynomial& m) {
  const int da = PolDegree(a);
  const int db = PolDegree(b);
  if (da + db > MaxDegree) return 0;
  Polynomial t;
  PolZero(t);
  for (int i = 0; i <= da; ++i) {
    for (int j = 0; j <= db; ++j) {
      Rational p;
      if (!coef::Mul(a[i], b[j], p) || !coef::Add(t[i + j], p, t[i + j])) return -1;
    }
  }
  m = t;
  return 1;
}

int PolDivMod(const Polynomial& a, const Polynomial& b, Polynomial& q, Polynomial& r) {
  Polynomial quotient;
  PolZero(quotient);
  Polynomial rest = a;
  const Polynomial divisor = b;
  const auto finish = [&](int code) {
    if (code < 0) {
      PolZero(quotient);
      PolZero(rest);
    }
    q = quotient;
    r = rest;
    return code;
  };
  if (!PolIsNonZero(divisor)) return finish(-2);
  const int da = PolDegree(rest);
  const int db = PolDegree(divisor);
  for (int k = da; k >= db; --k) {
    if (coef::IsZero(rest[k])) continue;
    Rational t;
    if (!coef::Div(rest[k], divisor[db], t)) return finish(-1);
    quotient[k - db] = t;
    for (int j = 0; j <= db; ++j) {
      if (coef::IsZero(divisor[j])) continue;
      Rational s;
      Rational& target = rest[k - db + j];
      if (!coef::Mul(t, divisor[j], s) || !coef::Sub(target, s, target)) return finish(-1);
    }
  }
  return finish(PolIsNonZero(rest) ? 1 : 0);
}

bool PolProportional(const Polynomial& a, const Polynomial& b, Rational& k) {
  const int d = PolDegree(a);
  if (d != PolDegree(b)) return false;
  Rational ratio{0, 0};
  bool ratioSet = false;
  for (int i = 0; i <= d; ++i) {
    if (coef::IsZero(b[i])) {
      if (!coef::IsZero(a[i])) return false;
      continue;
    }
    Rational t;
    // A ratio beyond Long_Max cannot be the k of the caller: not proportional.
    if (!coef::Div(a[i], b[i], t)) return false;
    if (!ratioSet) {
      ratio = t;
      ratioSet = true;
    } else if (!RatEquiv(t, ratio)) {
      return false;
    }
  }
  k = ratio;
  return true;
}

void PolNormalize(Polynomial& g) { Normalize(g); }

int PolHcd(const Polynomial& a, const Polynomial& b, Polynomial& g) {
  Rational k;
  // a = k·b with k = 0 means a is zero and b a non-zero constant: 0 divides nothing, so
  // that case goes through the general road and gives 1.
  if (PolProportional(a, b, k) && !(k.Num == 0 && PolIsNonZero(b))) {
    g = std::abs(static_cast<int64_t>(k.Num)) > k.Den ? b : a;
    return 1;
  }
  Polynomial p = a;
  Polynomial q = b;
  Polynomial hcd;
  for (;;) {
    if (!PolIsNonZero(q)) {  // hcd(p, 0) = p
      hcd = p;
      break;
    }
    Polynomial quotient;
    Polynomial rest;
    const int code = PolDivMod(p, q, quotient, rest);
    if (code < 0) return 0;
    if (code == 0) {
      hcd = q;
      break;
    }
    p = q;
    q = rest;
  }
  if (!Normalize(hcd)) return 0;
  g = hcd;
  return 1;
}

int PolLcm(const Polynomial& a, const Polynomial& b, Polynomial& l) {
  Polynomial hcd;
  if (PolHcd(a, b, hcd) != 1) return 0;
  Polynomial quotient;
  Polynomial rest;
  // Code -2 only for hcd 0, when a and b are both zero: the quotient is then zero, and so is
  // the LCM.
  if (PolDivMod(a, hcd, quotient, rest) == -1) return -1;
  if (PolDegree(quotient) + PolDegree(b) > MaxDegree) return 0;
  return PolMul(quotient, b, l);
}

int PolPow(const Polynomial& p, int n, Polynomial& out) {
  if (n < 1) return 1;
  const Polynomial base = p;
  if (n == 1) {
    out = base;
    return 0;
  }
  Polynomial power = base;
  // The repeated product ends within 9 steps (degree) or 31 (a coefficient overflows), except
  // for the constants 0, 1 and -1, whose powers are known at once: a huge n must not freeze.
  Rational c = base[0];
  if (PolDegree(base) == 0 && coef::Reduce(c) && IsZeroOrUnit(c)) {
    PolZero(power);
    power[0] = (c.Num == -1 && n % 2 == 0) ? Rational{1, 1} : c;
    out = power;
    return 0;
  }
  for (int i = 1; i < n; ++i) {
    if (PolMul(base, power, power) != 1) return 1;
  }
  out = power;
  return 0;
}

}  // namespace tessaro
