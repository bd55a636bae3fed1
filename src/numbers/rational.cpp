#include "numbers/rational.h"

#include <numeric>

#include "numbers/longint.h"
#include "numbers/random.h"

namespace tessaro {

namespace {

bool FitsInt32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

bool AddOrSub(Rational a, Rational b, bool subtract, Rational& r) {
  int32_t l = Lcm(a.Den, b.Den);
  if (l == 0) return false;
  int32_t p = 0;
  int32_t q = 0;
  if (!MulOk(l / a.Den, a.Num, p) || !MulOk(l / b.Den, b.Num, q)) return false;
  int64_t sum = subtract ? int64_t{p} - q : int64_t{p} + q;
  if (sum > Long_Max || sum < -int64_t{Long_Max}) return false;
  r = {static_cast<int32_t>(sum), l};
  RatSimplify(r);
  return true;
}

// r = (n1*n2)/(d1*d2) in lowest terms, or false when a product passes Long_Max.
bool ReducedProducts(int32_t n1, int32_t n2, int32_t d1, int32_t d2, Rational& r) {
  int32_t num = 0;
  int32_t den = 0;
  if (!MulOk(n1, n2, num) || !MulOk(d1, d2, den)) return false;
  r = {num, den};
  RatSimplify(r);
  return true;
}

}  // namespace

bool RatFromText(std::string_view text, Rational& r) {
  size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    if (!IsIntText(text)) return false;
    r = {IntOfText(text), 1};
    return true;
  }
  std::string_view numText = text.substr(0, slash);
  std::string_view denText = text.substr(slash + 1);
  if (!IsIntText(numText)) return false;
  int32_t num = IntOfText(numText);
  if (!IsIntText(denText)) return false;
  r = {num, IntOfText(denText)};
  return true;
}

bool IsRatText(std::string_view text) {
  size_t slash = text.find('/');
  if (slash == std::string_view::npos) return false;
  return IsIntText(text.substr(0, slash)) && IsIntText(text.substr(slash + 1));
}

void RatSet(int32_t n, int32_t d, Rational& r) { r = {n, d}; }

bool RatSimplify(Rational& r) {
  if (r.Num == 0) return false;
  int64_t g = std::gcd(int64_t{r.Num}, int64_t{r.Den});
  if (g == 1 && r.Den > 0) return false;
  int64_t num = r.Num / g;
  int64_t den = r.Den / g;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  if (!FitsInt32(num) || !FitsInt32(den)) return false;
  r = {static_cast<int32_t>(num), static_cast<int32_t>(den)};
  return true;
}

bool CrossCancel(int32_t& x, int32_t& y) {
  int64_t g = std::gcd(int64_t{x}, int64_t{y});
  if (g == 0) return false;
  int64_t nx = x / g;
  int64_t ny = y / g;
  // The sign moves only when both values stay representable; the pair keeps its ratio anyway.
  if (ny < 0 && FitsInt32(-nx) && FitsInt32(-ny)) {
    nx = -nx;
    ny = -ny;
  }
  x = static_cast<int32_t>(nx);
  y = static_cast<int32_t>(ny);
  return g != 1;
}

bool RatAdd(Rational a, Rational b, Rational& r) { return AddOrSub(a, b, false, r); }

bool RatSub(Rational a, Rational b, Rational& r) { return AddOrSub(a, b, true, r); }

bool RatMul(Rational a, Rational b, Rational& r) {
  if (a.Den == 0 || b.Den == 0) return false;
  if (a.Num == 0 || b.Num == 0) {
    r = {0, 1};
    return true;
  }
  // Cancelling across first keeps the products small: 65536/3 * 3/65536 never overflows.
  CrossCancel(a.Num, b.Den);
  CrossCancel(b.Num, a.Den);
  return ReducedProducts(a.Num, b.Num, a.Den, b.Den, r);
}

bool RatDiv(Rational a, Rational b, Rational& r) {
  if (b.Num == 0 || a.Den == 0 || b.Den == 0) return false;
  return ReducedProducts(a.Num, b.Den, a.Den, b.Num, r);
}

void RatPow(Rational a, int32_t k, Rational& r) {
  if (k >= 0) {
    r = {PowOk(a.Num, k), PowOk(a.Den, k)};
    return;
  }
  // -2147483648 has no positive counterpart; 2147483646 has its parity and overflows alike.
  int32_t m = k == INT32_MIN ? INT32_MAX - 1 : -k;
  int32_t num = PowOk(a.Den, m);
  int32_t den = PowOk(a.Num, m);
  if (den < 0) {  // both below Long_Max in magnitude, so they negate safely
    num = -num;
    den = -den;
  }
  r = {num, den};
}

bool RatEqual(Rational a, Rational b) { return a.Num == b.Num && a.Den == b.Den; }

bool RatEquiv(Rational a, Rational b) {
  return int64_t{a.Num} * b.Den == int64_t{a.Den} * b.Num;
}

std::string RatText(Rational r) {
  if (r.Num == 0) return "0";
  std::string t = std::to_string(r.Num);
  if (r.Den != 1) t += "/" + std::to_string(r.Den);
  return t;
}

void RatRandom(Rational& r) {
  do {
    r = {Rnd(30) + 1, Rnd(40) + 2};
    RatSimplify(r);
  } while (r.Den == 1);
}

}  // namespace tessaro
