#include "polynomials/realroots.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "polynomials/widepoly.h"

namespace tessaro {

namespace {

// Refined roots are at most 2^-30 (< 1e-9) apart from their approximations' intervals.
constexpr int RefineBits = 30;

// The factors of a by multiplicity: factors[k] holds each root of multiplicity k + 1 once.
// If a = Π (x - α)^m(α) over the complex numbers, hcd(a, a') = Π (x - α)^(m(α) - 1), so
// g_k (g_0 = a, g_k = hcd(g_(k-1), g_(k-1)')) = Π (x - α)^max(m(α) - k, 0); q_k = g_(k-1)/g_k
// = Π over m(α) >= k of (x - α), and q_k/q_(k+1) = Π over m(α) = k of (x - α). Each factor
// is square-free, and they have no root in common.
std::vector<WidePoly> FactorsByMultiplicity(const WidePoly& a) {
  // Most polynomials are square-free, which primes prove at a fraction of the hcd's cost.
  if (SquareFreeByPrimes(a)) return {a};
  std::vector<WidePoly> q;
  WidePoly g = a;
  while (Degree(g) > 0) {
    WidePoly next = Gcd(g, Derivative(g));
    q.push_back(ExactQuotient(g, next));
    g = std::move(next);
  }
  std::vector<WidePoly> factors;
  for (std::size_t k = 0; k < q.size(); ++k)
    factors.push_back(k + 1 < q.size() ? ExactQuotient(q[k], q[k + 1]) : q[k]);
  return factors;
}

// Every root x satisfies |x| < 2^K. Cauchy: |x| < 1 + M/|lc| with M the largest other
// coefficient's magnitude. With t = bits(M) - bits(lc) + 1, M/|lc| < 2^t; for t >= 0,
// 1 + 2^t <= 2^(t+1), and for t < 0 the bound is below 2. So K = max(1, t + 1).
int RootBoundBits(const WidePoly& a) {
  int bits = 0;
  for (std::size_t k = 0; k + 1 < a.size(); ++k) bits = std::max(bits, a[k].BitLength());
  return std::max(1, bits - a.back().BitLength() + 2);
}

RealRoot ExactRoot(WideInt num, WideInt den, int multiplicity) {
  RealRoot r;
  r.multiplicity = multiplicity;
  r.exact = true;
  r.value = WideRational::Reduced(std::move(num), std::move(den));
  r.approx = r.value.ToDouble();
  return r;
}

RealRoot DyadicRoot(const WideInt& n, int e, int multiplicity) {
  return ExactRoot(n, WideInt(1) << e, multiplicity);
}

// One square-free primitive factor f of degree >= 1, and what is known of it.
struct Factor {
  const WidePoly& f;
  int multiplicity;
  int boundBits;       // K: its roots lie in (-2^K, 2^K)
  bool mayBeRational;  // false when primes proved it has no rational root
};

// Halves (low, high)/2^e, where f has the non-zero signs lowSign and -lowSign at the ends and
// exactly one root inside, until the interval is at most 2^-30 wide. Then, unless f has no
// rational root at all, on until it is narrower than 1/lc f: a rational root p/q of the
// primitive f has q dividing lc f (the rational-root theorem), so it is n/lc f for an integer
// n, and an open interval narrower than 1/lc f holds at most one such fraction, which one
// exact evaluation confirms or rejects.
RealRoot Refine(const Factor& factor, WideInt low, WideInt high, int e, int lowSign) {
  const WidePoly& f = factor.f;
  const WideInt& lc = f.back();
  // The width is (high - low)/2^e = 2^(K+1)/2^e at every step, since halving doubles both
  // ends and raises e by one.
  const int bits = factor.mayBeRational ? std::max(RefineBits, lc.BitLength()) : RefineBits;
  const int finalE = factor.boundBits + 1 + bits;
  while (e < finalE) {
    WideInt mid = low + high;
    low <<= 1;
    high <<= 1;
    ++e;
    const int s = SignAtDyadic(f, mid, e);
    if (s == 0) return DyadicRoot(mid, e, factor.multiplicity);
    (s == lowSign ? low : high) = std::move(mid);
  }
  if (factor.mayBeRational) {
    // lc > 0 (f is primitive); the one candidate n/lc above low/2^e.
    const WideInt unit = WideInt(1) << e;
    const WideInt n = WideInt::FloorDiv(lc * low, unit) + WideInt(1);
    if (n * unit < lc * high && SignAt(f, n, lc) == 0)
      return ExactRoot(n, lc, factor.multiplicity);
  }
  RealRoot r;
  r.multiplicity = factor.multiplicity;
  r.approx = std::ldexp((low + high).ToDouble(), -(e + 1));
  r.low = std::move(low);
  r.high = std::move(high);
  r.exponent = e;
  return r;
}

// The interval (c/2^k, (c+1)/2^k) of (0, 1), and g(x) = 2^(kd)·f(x's point of (-2^K, 2^K))
// rescaled to it: g(x) = λ·f(2^(K+1)·(c + x)/2^k - 2^K) with λ > 0.
struct Piece {
  WidePoly g;
  WideInt c;
  int k = 0;
};

// The point c/2^k of (0, 1) as a dyadic point n/2^k of (-2^K, 2^K).
WideInt PointOf(const WideInt& c, int k, int boundBits) {
  return (c << (boundBits + 1)) - (WideInt(1) << (boundBits + k));
}

// The roots of a square-free, primitive f of degree >= 1, ascending, by Descartes' rule of
// signs: g has as many roots in (0, 1) as (x+1)^d g(1/(x+1)) has positive ones, which is
// the number of sign variations of its coefficients or less by an even number; 0 variations
// prove no root, 1 exactly one. Halving the interval ends, for a square-free g, with every
// piece at 0 or 1 (the circles through a piece's ends eventually hold no complex root).
// The sign variations of (x+1)^d g(1/(x+1)), and the sign of its constant term, g(1).
struct Variations {
  int count = 0;
  int signAtOne = 0;
};
Variations VariationsOf(const WidePoly& g) {
  WidePoly reversed(g.rbegin(), g.rend());
  TaylorShift(reversed);
  return {SignVariations(reversed), reversed.front().Sign()};
}

void Isolate(const Factor& factor, std::vector<RealRoot>& roots) {
  const int d = Degree(factor.f);
  const int kBits = factor.boundBits;
  // g(x) = f(2^K (2x - 1)): scale by 2^K, shift by -1, scale by 2.
  Piece all;
  all.g = factor.f;
  for (int i = 0; i <= d; ++i) all.g[i] <<= kBits * i;
  TaylorShift(all.g, true);
  for (int i = 0; i <= d; ++i) all.g[i] <<= i;
  // A piece to look into (with its variations when they are known already), or a root found
  // exactly at a piece's midpoint, kept in order.
  struct Item {
    Piece piece;
    bool isRoot = false;
    std::optional<Variations> variations;
  };
  std::vector<Item> stack;
  stack.push_back({std::move(all), false, std::nullopt});
  while (!stack.empty()) {
    Item item = std::move(stack.back());
    stack.pop_back();
    Piece& p = item.piece;
    if (item.isRoot) {
      roots.push_back(DyadicRoot(PointOf(p.c, p.k, kBits), p.k, factor.multiplicity));
      continue;
    }
    const Variations v = item.variations ? *item.variations : VariationsOf(p.g);
    if (v.count == 0) continue;
    // g(0) = g[0]; one root and no root at either end means f changes sign over the piece.
    if (v.count == 1 && !p.g.front().IsZero() && v.signAtOne != 0) {
      const WideInt low = PointOf(p.c, p.k, kBits);
      const WideInt high = low + (WideInt(1) << (kBits + 1));
      roots.push_back(Refine(factor, low, high, p.k, p.g.front().Sign()));
      continue;
    }
    // Halves: left(x) = 2^d g(x/2), right(x) = left(x + 1); left(1) = 2^d g(1/2).
    Piece left, right;
    left.g = std::move(p.g);
    for (int i = 0; i <= d; ++i) left.g[i] <<= d - i;
    left.c = p.c << 1;
    left.k = right.k = p.k + 1;
    right.c = left.c + WideInt(1);
    const Variations leftV = VariationsOf(left.g);
    const bool midRoot = leftV.signAtOne == 0;
    // The rule is subadditive: the halves' variations, plus one for a root at the midpoint,
    // add up to at most the whole's. So when the left half and the midpoint take them all,
    // the right half has none and need not be made (a cluster of roots costs one shift a
    // level less).
    if (leftV.count + (midRoot ? 1 : 0) < v.count) {
      right.g = left.g;
      TaylorShift(right.g);
      stack.push_back({std::move(right), false, std::nullopt});
    }
    if (midRoot) {
      Piece at;
      at.c = p.c * WideInt(2) + WideInt(1);
      at.k = p.k + 1;
      stack.push_back({std::move(at), true, std::nullopt});
    }
    if (leftV.count > 0) stack.push_back({std::move(left), false, leftV});
  }
}

// The root, or the midpoint of its interval, as a fraction with a positive denominator.
WideRational Position(const RealRoot& r) {
  if (r.exact) return r.value;
  return {r.low + r.high, WideInt(1) << (r.exponent + 1)};
}

// Orders the roots of different factors exactly. Two roots less than 2^-30 apart may
// compare by their intervals' midpoints the wrong way round; no text or picture can show
// that order anyway.
bool RootLess(const RealRoot& a, const RealRoot& b) {
  const WideRational pa = Position(a), pb = Position(b);
  return pa.num * pb.den < pb.num * pa.den;
}

std::vector<RealRoot> RealRootsOf(const WidePoly& a) {
  std::vector<RealRoot> roots;
  const std::vector<WidePoly> factors = FactorsByMultiplicity(PrimitivePart(a));
  for (std::size_t k = 0; k < factors.size(); ++k) {
    const WidePoly& f = factors[k];
    if (Degree(f) < 1) continue;
    Isolate({f, static_cast<int>(k) + 1, RootBoundBits(f), !NoRationalRootByPrimes(f)}, roots);
  }
  std::sort(roots.begin(), roots.end(), RootLess);
  return roots;
}

// The value at x of the polynomial a / scale: P itself, for a = scale·P.
WideRational ScaledValueAt(const WidePoly& a, const WideInt& scale, const WideRational& x) {
  const WideRational value = ValueAt(a, x);
  return WideRational::Reduced(value.num, value.den * scale);
}

}  // namespace

RootsOutcome PolRealRoots(const Polynomial& p, std::vector<RealRoot>& roots) {
  roots.clear();
  WidePoly a;
  if (!WidePolyOf(p, a)) return RootsOutcome::Refused;
  if (a.empty()) return RootsOutcome::EveryX;
  roots = RealRootsOf(a);
  return RootsOutcome::Found;
}

RootsOutcome PolStationaryPoints(const Polynomial& p, std::vector<StationaryPoint>& points) {
  points.clear();
  WidePoly a;
  WideInt scale;
  if (!WidePolyOf(p, a, &scale)) return RootsOutcome::Refused;
  const WidePoly d = Derivative(a);
  if (d.empty()) return RootsOutcome::EveryX;
  for (RealRoot& x : RealRootsOf(d)) {
    StationaryPoint point;
    if (x.exact) {
      point.exactY = true;
      point.y = ScaledValueAt(a, scale, x.value);
      point.approxY = point.y.ToDouble();
    } else {
      point.approxY = PolValueApprox(p, x.approx);
    }
    point.x = std::move(x);
    points.push_back(std::move(point));
  }
  return RootsOutcome::Found;
}

bool PolValueExact(const Polynomial& p, const WideRational& x, WideRational& value) {
  WidePoly a;
  WideInt scale;
  if (!WidePolyOf(p, a, &scale)) return false;
  value = ScaledValueAt(a, scale, x);
  return true;
}

double PolValueApprox(const Polynomial& p, double x) {
  double v = 0;
  for (int k = PolDegree(p); k >= 0; --k) {
    const double c = p[k].Num == 0 ? 0.0 : static_cast<double>(p[k].Num) / p[k].Den;
    v = v * x + c;
  }
  return v;
}

}  // namespace tessaro
