#include "renewal/draw.h"

#include "numbers/longint.h"
#include "polynomials/polarith.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tessaro {

namespace {

std::int32_t Draw(Stream& s, std::int32_t lo, std::int32_t hi) {
  return static_cast<std::int32_t>(s.Between(lo, hi));
}

std::int32_t Draw(Stream& s, const IntRange& r) { return Draw(s, r.lo, r.hi); }

// Fibonacci numbers F(0) .. F(10), enough for eight divisions.
constexpr std::array<std::int64_t, 11> Fib = {0, 1, 1, 2, 3, 5, 8, 13, 21, 34, 55};

// v or -v, whichever lies in min .. max (one at random when both do); none when neither.
std::optional<std::int32_t> Signed(Stream& s, std::int64_t v, std::int32_t min,
                                   std::int32_t max) {
  const bool plus = v >= min && v <= max;
  const bool minus = -v >= min && -v <= max;
  if (plus && minus) return static_cast<std::int32_t>(s.Coin() ? v : -v);
  if (plus) return static_cast<std::int32_t>(v);
  if (minus) return static_cast<std::int32_t>(-v);
  return std::nullopt;
}

// lead·(x - r1)···(x - rk) with the program's checked product.
std::optional<Polynomial> FromRoots(std::int32_t lead, const std::vector<std::int32_t>& roots) {
  Polynomial p{};
  PolZero(p);
  p[0] = Rational{lead, 1};
  for (std::int32_t r : roots) {
    Polynomial factor{};
    PolZero(factor);
    // -r of a range within -Long_Max .. Long_Max fits 32 bits.
    factor[0] = Rational{-r, 1};
    factor[1] = Rational{1, 1};
    if (PolMul(p, factor, p) != 1) return std::nullopt;
  }
  return p;
}

std::optional<DrawnPolynomial> DrawWithRoots(Stream& s, const Ranges& r, int degree,
                                             std::optional<std::int32_t> sharedRoot) {
  DrawnPolynomial d;
  const std::int32_t lead = DrawNonZero(s, r.lead->lo, r.lead->hi);
  if (sharedRoot) d.roots.push_back(*sharedRoot);
  while (static_cast<int>(d.roots.size()) < degree) d.roots.push_back(Draw(s, *r.roots));
  std::optional<Polynomial> p = FromRoots(lead, d.roots);
  if (!p) return std::nullopt;
  d.p = *p;
  return d;
}

}  // namespace

std::int32_t DrawNonZero(Stream& s, std::int32_t lo, std::int32_t hi) {
  const bool zeroInside = lo <= 0 && hi >= 0;
  // Draw among the count values other than 0, then step over 0.
  const std::int64_t v = s.Between(lo, std::int64_t{hi} - (zeroInside ? 1 : 0));
  return static_cast<std::int32_t>(zeroInside && v >= 0 ? v + 1 : v);
}

std::optional<std::vector<std::int32_t>> DrawDistinct(Stream& s, std::int32_t lo,
                                                      std::int32_t hi, std::size_t count) {
  const std::int64_t span = std::int64_t{hi} - lo + 1;
  if (span < static_cast<std::int64_t>(count)) return std::nullopt;
  std::vector<std::int32_t> out;
  out.reserve(count);
  if (span <= 4096) {
    // A small range: the first `count` places of a Fisher-Yates shuffle of all of it.
    std::vector<std::int32_t> all(static_cast<std::size_t>(span));
    for (std::size_t i = 0; i < all.size(); ++i)
      all[i] = static_cast<std::int32_t>(lo + static_cast<std::int64_t>(i));
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t j = i + static_cast<std::size_t>(s.Below(all.size() - i));
      std::swap(all[i], all[j]);
      out.push_back(all[i]);
    }
    return out;
  }
  // A large range: a repeat is rare (at most 23 of more than 4096), so draw it again.
  while (out.size() < count) {
    const std::int32_t v = Draw(s, lo, hi);
    if (std::find(out.begin(), out.end(), v) == out.end()) out.push_back(v);
  }
  return out;
}

// The pair is built backwards from the remainder chain of Euclid's algorithm,
//   r0 = a, r1 = b, r(i-1) = q(i)·r(i) + r(i+1), r(n+1) = 0, r(n) = g = hcd(a, b),
// with q(n) >= 2 (when n >= 2) and every other q >= 1. Then r(n) < r(n-1), and by induction
// r(i+1) < r(i) for every i, so each r(i+1) is the remainder of r(i-1) by r(i) and the
// algorithm divides exactly n times before the remainder 0. No draw is thrown away for its
// number of divisions.
// Size: with every later quotient at its least, r0 = F(i+1)·r(i) + F(i)·r(i+1), so each
// q(i) is drawn only up to the value that keeps that least r0 within the reach M of
// min .. max; g up to M / F(n+2), the least r0 per unit of g. Only the signs and min can
// still refuse the pair.
std::optional<IntegerPair> DrawEuclidPair(Stream& s, std::int32_t min, std::int32_t max,
                                          int steps) {
  if (steps < 1 || steps > MaxEuclidSteps) return std::nullopt;
  const std::int64_t reach = std::max(std::llabs(std::int64_t{min}), std::llabs(std::int64_t{max}));
  const int n = steps;
  const std::int64_t gMax = reach / LeastEuclidNumber(n);
  if (gMax < 1) return std::nullopt;
  std::int64_t r = s.Between(1, gMax);  // r(i), starting with r(n) = g
  std::int64_t next = 0;                 // r(i+1)
  for (int i = n; i >= 1; --i) {
    const std::int64_t qMin = (i == n && n >= 2) ? 2 : 1;
    const std::int64_t qMax = (reach - Fib[i] * next - Fib[i - 1] * r) / (Fib[i] * r);
    const std::int64_t q = s.Between(qMin, std::max(qMin, qMax));
    const std::int64_t previous = q * r + next;
    next = r;
    r = previous;
  }
  const std::optional<std::int32_t> a = Signed(s, r, min, max);
  const std::optional<std::int32_t> b = Signed(s, next, min, max);
  if (!a || !b) return std::nullopt;
  return IntegerPair{*a, *b};
}

std::optional<Rational> DrawFraction(Stream& s, std::int32_t maxNum, std::int32_t maxDen,
                                     bool proper) {
  for (int tries = 0; tries < 64; ++tries) {
    Rational f;
    if (proper) {
      // The denominator first, so that a numerator below it is always there to draw.
      f.Den = Draw(s, 2, maxDen);
      f.Num = Draw(s, 1, std::min(maxNum, f.Den - 1));
    } else {
      f.Num = Draw(s, 1, maxNum);
      f.Den = Draw(s, 2, maxDen);
    }
    RatSimplify(f);
    if (f.Den != 1) return f;
  }
  return std::nullopt;
}

std::optional<DrawnPolynomial> DrawPolynomial(Stream& s, const Ranges& r, int degree) {
  if (r.int_roots.value_or(false)) return DrawWithRoots(s, r, degree, std::nullopt);
  IntPolynomial ip{};
  ip[degree] = DrawNonZero(s, r.lead->lo, r.lead->hi);
  for (int k = 0; k < degree; ++k) ip[k] = Draw(s, *r.coef);
  DrawnPolynomial d;
  PolFromInt(ip, d.p);
  return d;
}

std::optional<DrawnPolynomial> DrawPolynomial(Stream& s, const Ranges& r) {
  return DrawPolynomial(s, r, Draw(s, *r.degree));
}

std::optional<PolynomialPair> DrawCommonFactorPair(Stream& s, const Ranges& r) {
  const std::int32_t lo = std::max(1, r.degree->lo);
  const std::int32_t hi = r.degree->hi;
  if (hi < lo) return std::nullopt;
  const int da = Draw(s, lo, hi);
  const int db = Draw(s, lo, hi);
  if (r.int_roots.value_or(false)) {
    std::optional<DrawnPolynomial> a = DrawWithRoots(s, r, da, std::nullopt);
    if (!a) return std::nullopt;
    const std::int32_t shared = a->roots[s.Below(a->roots.size())];
    std::optional<DrawnPolynomial> b = DrawWithRoots(s, r, db, shared);
    if (!b) return std::nullopt;
    PolynomialPair pair{*a, *b, {}};
    PolZero(pair.factor);
    pair.factor[0] = Rational{-shared, 1};
    pair.factor[1] = Rational{1, 1};
    return pair;
  }
  const int df = Draw(s, 1, std::min(da, db));
  const std::optional<DrawnPolynomial> f = DrawPolynomial(s, r, df);
  const std::optional<DrawnPolynomial> ca = DrawPolynomial(s, r, da - df);
  const std::optional<DrawnPolynomial> cb = DrawPolynomial(s, r, db - df);
  PolynomialPair pair;
  pair.factor = f->p;
  if (PolMul(f->p, ca->p, pair.a.p) != 1 || PolMul(f->p, cb->p, pair.b.p) != 1)
    return std::nullopt;
  return pair;
}

}  // namespace tessaro
