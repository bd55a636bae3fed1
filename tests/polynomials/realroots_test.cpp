// Real roots of polynomials built from known roots: integers, fractions, pairs ±√(b/a),
// repeated factors and a constant factor with a fraction. The expected roots come from the
// factors, the polynomial from 128-bit products of them, so nothing here reuses the code
// under test.

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <tuple>

#include "poltest.h"

namespace tessaro::test {
namespace {

using Int = __int128;

// One expected root: p/q (q > 0, lowest terms), or sign·√(b/a) with b/a in lowest terms and
// not the square of a fraction.
struct Expected {
  bool rational = true;
  int64_t p = 0, q = 1;  // rational
  int sign = 1;          // irrational
  int64_t b = 0, a = 1;
  double Value() const {
    return rational ? static_cast<double>(p) / q
                    : sign * std::sqrt(static_cast<double>(b) / static_cast<double>(a));
  }
  auto Key() const { return std::tuple(rational, p, q, sign, b, a); }
};

struct Built {
  Polynomial p;
  std::map<std::tuple<bool, int64_t, int64_t, int, int64_t, int64_t>, std::pair<Expected, int>>
      roots;  // by key: the root and its multiplicity
};

// Integer polynomials as 128-bit coefficient vectors, index = power.
using IntPoly = std::vector<Int>;

IntPoly Times(const IntPoly& x, const IntPoly& y) {
  IntPoly out(x.size() + y.size() - 1, 0);
  for (std::size_t i = 0; i < x.size(); ++i)
    for (std::size_t j = 0; j < y.size(); ++j) out[i + j] += x[i] * y[j];
  return out;
}

int64_t IntSqrt(int64_t v) {
  int64_t r = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
  while (r * r > v) --r;
  while ((r + 1) * (r + 1) <= v) ++r;
  return r;
}
bool IsSquare(int64_t v) { return v >= 0 && IntSqrt(v) * IntSqrt(v) == v; }

class KnownRoots {
 public:
  explicit KnownRoots(unsigned seed) : engine_(seed) {}
  int Int(int low, int high) { return std::uniform_int_distribution(low, high)(engine_); }

  // False when the product's coefficients do not fit the program's polynomials.
  bool Build(Built& out) {
    IntPoly product{1};
    out.roots.clear();
    int degree = 0;
    const int target = Int(1, 9);
    while (degree < target) {
      IntPoly factor;
      std::vector<Expected> roots;
      const int kind = Int(0, 9);
      if (kind <= 3 || degree + 2 > target) {
        // q x - p: an integer root (q = 1) or a fraction.
        const int64_t q = kind <= 1 ? 1 : Int(1, 12);
        const int64_t p = Int(-20, 20);
        const int64_t g = std::gcd(p, q);
        factor = {-p / g, q / g};
        roots.push_back({true, p / g, q / g});
      } else if (kind <= 7) {
        // a x^2 - b with b/a not a square: the pair ±√(b/a).
        int64_t a = kind <= 5 ? 1 : Int(1, 9);
        int64_t b = Int(1, 60);
        const int64_t g = std::gcd(a, b);
        a /= g;
        b /= g;
        if (IsSquare(a) && IsSquare(b)) continue;
        factor = {-b, 0, a};
        roots.push_back({false, 0, 1, -1, b, a});
        roots.push_back({false, 0, 1, 1, b, a});
      } else {
        // a x^2 + b x + c without real roots.
        const int64_t a = Int(1, 5), b = Int(-6, 6);
        const int64_t c = (b * b) / (4 * a) + Int(1, 9);
        factor = {c, b, a};
      }
      // Repeated now and then, within the degree left.
      int times = Int(0, 3) == 0 ? Int(2, 4) : 1;
      const int each = static_cast<int>(factor.size()) - 1;
      times = std::max(1, std::min(times, (target - degree) / each));
      for (int t = 0; t < times; ++t) product = Times(product, factor);
      degree += each * times;
      for (const Expected& r : roots) {
        auto [it, fresh] = out.roots.try_emplace(r.Key(), r, 0);
        it->second.second += times;
      }
    }
    // A constant factor n/d.
    const int64_t n = Int(1, 7) * (Int(0, 1) ? 1 : -1), d = Int(1, 9);
    PolZero(out.p);
    for (std::size_t k = 0; k < product.size(); ++k) {
      const ::tessaro::test::Int num = product[k] * n;
      if (num > Long_Max * ::tessaro::test::Int{d} || num < -Long_Max * ::tessaro::test::Int{d})
        return false;
      Rational c{0, 1};
      if (num != 0) {
        const int64_t g = std::gcd(static_cast<int64_t>(num), d);
        if (num / g > Long_Max || num / g < -Long_Max) return false;
        c = Rational{static_cast<int32_t>(num / g), static_cast<int32_t>(d / g)};
      }
      out.p[k] = c;
    }
    return true;
  }

 private:
  std::mt19937 engine_;
};

// root·2^e lies strictly between low and high, checked exactly: for ±√(b/a), a·x² - b
// changes sign over the interval and both ends have the root's sign.
void ExpectInside(const RealRoot& found, const Expected& e) {
  ASSERT_FALSE(e.rational);
  const WideInt unit2 = WideInt(1) << (2 * found.exponent);
  auto f = [&](const WideInt& x) { return (WideInt(e.a) * x * x - WideInt(e.b) * unit2).Sign(); };
  EXPECT_EQ(found.low.Sign() * e.sign, 1) << "the interval is on the root's side of 0";
  EXPECT_EQ(found.high.Sign() * e.sign, 1);
  EXPECT_EQ(f(found.low) * f(found.high), -1) << "the root is inside";
  EXPECT_LE(found.high - found.low, WideInt(1) << (found.exponent - 30))
      << "at most 2^-30 wide";
}

TEST(RealRootsProperty, EveryRootOfAKnownFactorizationWithItsMultiplicityAndNoOther) {
  KnownRoots random(2024);
  int checked = 0, irrational = 0, repeated = 0, fractions = 0;
  for (int i = 0; i < 3000; ++i) {
    Built built;
    if (!random.Build(built)) continue;
    const std::string text = PolToText(built.p);
    SCOPED_TRACE(text);
    std::vector<RealRoot> found;
    ASSERT_EQ(PolRealRoots(built.p, found), RootsOutcome::Found);
    std::vector<std::pair<Expected, int>> expected;
    for (const auto& [key, root] : built.roots) expected.push_back(root);
    std::sort(expected.begin(), expected.end(),
              [](const auto& x, const auto& y) { return x.first.Value() < y.first.Value(); });
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t k = 0; k < found.size(); ++k) {
      const auto& [e, multiplicity] = expected[k];
      EXPECT_EQ(found[k].multiplicity, multiplicity) << "root " << e.Value();
      EXPECT_NEAR(found[k].approx, e.Value(), 1e-9);
      ASSERT_EQ(found[k].exact, e.rational) << "root " << e.Value();
      if (e.rational) {
        EXPECT_EQ(found[k].value, WideRational::Reduced(WideInt(e.p), WideInt(e.q)));
        fractions += e.q != 1;
      } else {
        ExpectInside(found[k], e);
        ++irrational;
      }
      repeated += multiplicity > 1;
    }
    ++checked;
  }
  EXPECT_GE(checked, 2500);
  // The mix the test is meant to cover did come up.
  EXPECT_GT(irrational, 1000);
  EXPECT_GT(repeated, 500);
  EXPECT_GT(fractions, 500);
}

struct RootsRow {
  const char* name;
  const char* pol;
  std::vector<std::pair<std::string, int>> roots;  // exact text or "≈" and the value, times
};

std::string Shown(const RealRoot& r) {
  if (r.exact) return r.value.Text();
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "~%.6f", r.approx);
  return buffer;
}

TEST(RealRoots, Table) {
  const RootsRow rows[] = {
      {"the integer search finds none, the real roots are ±1/2", "4x^2-1", {{"-1/2", 1}, {"1/2", 1}}},
      {"±√2, not exact", "x^2-2", {{"~-1.414214", 1}, {"~1.414214", 1}}},
      {"no real root", "x^2+1", {}},
      {"a constant has none", "5", {}},
      {"zero is found at the first halving", "x^3-x", {{"-1", 1}, {"0", 1}, {"1", 1}}},
      {"x^4: one root, four times", "x^4", {{"0", 4}}},
      {"double irrational roots", "x^4-4x^2+4", {{"~-1.414214", 2}, {"~1.414214", 2}}},
      {"the README's polynomial (2x+1)(x^2-2)(x-1)^2", "2x^5-3x^4-4x^3+7x^2-2",
       {{"~-1.414214", 1}, {"-1/2", 1}, {"1", 2}, {"~1.414214", 1}}},
      {"fractional coefficients", "1/2x^2-1/8", {{"-1/2", 1}, {"1/2", 1}}},
      {"a negative denominator as typed", "x-1/-3", {{"-1/3", 1}}},
      {"a root beyond 32 bits", "1/2147483646x-2147483646", {{"4611686009837453316", 1}}},
      {"a root with a large denominator", "2147483646x-1", {{"1/2147483646", 1}}},
      {"x^9 - x: three roots and six complex", "x^9-x", {{"-1", 1}, {"0", 1}, {"1", 1}}},
      {"roots far out", "x^2-2147483646", {{"~-46340.949990", 1}, {"~46340.949990", 1}}},
      {"a tiny irrational root", "2147483646x^2-1",
       {{"~-0.000022", 1}, {"~0.000022", 1}}},
  };
  for (const RootsRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<RealRoot> found;
    ASSERT_EQ(PolRealRoots(Pol(row.pol), found), RootsOutcome::Found);
    std::vector<std::pair<std::string, int>> shown;
    for (const RealRoot& r : found) shown.emplace_back(Shown(r), r.multiplicity);
    EXPECT_EQ(shown, row.roots);
  }
}

TEST(RealRoots, TheZeroPolynomialAndADenominatorZero) {
  std::vector<RealRoot> found(3);
  EXPECT_EQ(PolRealRoots(Pol("0"), found), RootsOutcome::EveryX);
  EXPECT_TRUE(found.empty());
  Polynomial p = Pol("x+1");
  p[0].Den = 0;
  EXPECT_EQ(PolRealRoots(p, found), RootsOutcome::Refused);
}

TEST(RealRoots, TwoIrrationalRootsCloserThanTheApproximationAreBothFound) {
  // (x^2 - 2)(2^28 x^2 - 2^29 - 1): √2 and √(2 + 2^-28), 1.3e-9 apart.
  std::vector<RealRoot> found;
  ASSERT_EQ(PolRealRoots(Pol("268435456x^4-1073741825x^2+1073741826"), found),
            RootsOutcome::Found);
  ASSERT_EQ(found.size(), 4u);
  for (const RealRoot& r : found) {
    EXPECT_FALSE(r.exact);
    EXPECT_EQ(r.multiplicity, 1);
  }
  EXPECT_LT(found[0].approx, found[1].approx);
  EXPECT_LT(found[2].approx, found[3].approx);
  EXPECT_NEAR(found[2].approx, std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(found[3].approx, std::sqrt(2.0 + std::ldexp(1.0, -28)), 1e-9);
}

TEST(RealRoots, LargeDenominatorsKeepEveryRootConsistent) {
  // Coefficients with large coprime denominators scale to integers far beyond 64 bits. Each
  // exact root must be a root, each interval must bracket a sign change of the right kind,
  // and complex roots come in pairs.
  std::mt19937 engine(77);
  auto any = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(engine); };
  const int32_t dens[] = {2147483629, 2147483587, 2147483579, 2147483563, 2147483549,
                          2147483543, 2147483497, 2147483489, 2147483477, 2147483423};
  for (int i = 0; i < 60; ++i) {
    Polynomial p;
    PolZero(p);
    const int degree = any(1, 9);
    for (int k = 0; k <= degree; ++k)
      p[k] = Rational{any(-2147483646, 2147483646), any(0, 1) ? dens[k] : any(1, 9)};
    SCOPED_TRACE(PolToText(p));
    std::vector<RealRoot> found;
    ASSERT_EQ(PolRealRoots(p, found), RootsOutcome::Found);
    int counted = 0;
    for (std::size_t k = 0; k < found.size(); ++k) {
      const RealRoot& r = found[k];
      counted += r.multiplicity;
      if (k > 0) {
        EXPECT_LT(found[k - 1].approx, r.approx);
      }
      WideRational value;
      if (r.exact) {
        ASSERT_TRUE(PolValueExact(p, r.value, value));
        EXPECT_TRUE(value.num.IsZero());
        continue;
      }
      WideRational atLow, atHigh;
      const WideInt unit = WideInt(1) << r.exponent;
      ASSERT_TRUE(PolValueExact(p, WideRational::Reduced(r.low, unit), atLow));
      ASSERT_TRUE(PolValueExact(p, WideRational::Reduced(r.high, unit), atHigh));
      EXPECT_EQ(atLow.num.Sign() * atHigh.num.Sign(), r.multiplicity % 2 ? -1 : 1);
    }
    EXPECT_LE(counted, degree);
    EXPECT_EQ((degree - counted) % 2, 0) << "complex roots come in pairs";
  }
}

TEST(StationaryPoints, Table) {
  const struct {
    const char* name;
    const char* pol;
    std::vector<std::tuple<std::string, std::string, bool>> points;  // x, y, turning
  } rows[] = {
      {"the bottom of a parabola", "4x^2-1", {{"0", "-1", true}}},
      {"a maximum and a minimum", "x^3-3x", {{"-1", "2", true}, {"1", "-2", true}}},
      {"x^3 flattens at 0 and goes on", "x^3", {{"0", "0", false}}},
      {"irrational points have approximate values", "x^3-x",
       {{"~-0.577350", "~0.384900", true}, {"~0.577350", "~-0.384900", true}}},
      {"a line has none", "2x+1", {}},
      {"an exact value beyond 32 bits", "1/3x^3-2147483646x^2",
       {{"0", "0", true}, {"4294967292", "-13204693715483901485864626848", true}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<StationaryPoint> points;
    ASSERT_EQ(PolStationaryPoints(Pol(row.pol), points), RootsOutcome::Found);
    std::vector<std::tuple<std::string, std::string, bool>> shown;
    for (const StationaryPoint& s : points) {
      char y[64];
      std::snprintf(y, sizeof y, "~%.6f", s.approxY);
      shown.emplace_back(Shown(s.x), s.exactY ? s.y.Text() : y, s.Turning());
    }
    EXPECT_EQ(shown, row.points);
  }
  std::vector<StationaryPoint> points;
  EXPECT_EQ(PolStationaryPoints(Pol("7"), points), RootsOutcome::EveryX);
}

}  // namespace
}  // namespace tessaro::test
