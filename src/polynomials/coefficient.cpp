#include "polynomials/coefficient.h"

#include <limits>

namespace tessaro::coef {

bool Read(std::string_view text, Rational& c) {
  Rational r;
  if (!RatFromText(text, r) || r.Den == 0 || !WithinLongMax(r.Num) || !WithinLongMax(r.Den)) {
    return false;
  }
  c = r;
  return true;
}

bool Negate(int32_t x, int32_t& out) {
  if (x == std::numeric_limits<int32_t>::min()) return false;
  out = -x;
  return true;
}

bool Reduce(Rational& c) {
  if (c.Den == 0) return false;
  if (c.Num == 0) {
    c = Rational{0, 1};
    return true;
  }
  RatSimplify(c);
  return c.Den > 0;
}

bool Add(Rational a, Rational b, Rational& r) {
  if (a.Den == 0 || b.Den == 0) return false;
  if (IsZero(a)) {
    r = b;
    return Reduce(r);
  }
  if (IsZero(b)) {
    r = a;
    return Reduce(r);
  }
  return RatAdd(a, b, r) && Reduce(r);
}

bool Sub(Rational a, Rational b, Rational& r) {
  if (a.Den == 0 || b.Den == 0) return false;
  if (IsZero(b)) {
    r = a;
    return Reduce(r);
  }
  if (IsZero(a)) {
    r.Den = b.Den;
    return Negate(b.Num, r.Num) && Reduce(r);
  }
  return RatSub(a, b, r) && Reduce(r);
}

bool Mul(Rational a, Rational b, Rational& r) {
  if (a.Den == 0 || b.Den == 0) return false;
  if (IsZero(a) || IsZero(b)) {
    r = Rational{0, 1};
    return true;
  }
  return RatMul(a, b, r) && Reduce(r);
}

bool Div(Rational a, Rational b, Rational& r) {
  if (IsZero(b) || a.Den == 0 || b.Den == 0) return false;
  // Multiplying by the reciprocal cancels crosswise before multiplying, so a quotient that
  // fits is never refused because an uncancelled product would not.
  Rational reciprocal{b.Den, b.Num};
  if (reciprocal.Den < 0 &&
      !(Negate(reciprocal.Num, reciprocal.Num) && Negate(reciprocal.Den, reciprocal.Den))) {
    return false;
  }
  return Mul(a, reciprocal, r);
}

}  // namespace tessaro::coef
