// Properties over a few thousand seeded random polynomials. A case whose own computation
// overflows (reported by the library) is skipped, but most cases must be checked.

#include <random>

#include "poltest.h"

namespace tessaro::test {
namespace {

constexpr int Cases = 3000;

class RandomPolynomials {
 public:
  explicit RandomPolynomials(unsigned seed) : engine_(seed) {}

  int Int(int low, int high) { return std::uniform_int_distribution(low, high)(engine_); }

  // Degree exactly d unless zero is allowed; coefficients up to maxNum/maxDen, some of them 0,
  // written reduced unless `raw` asks for typed-looking ones (2/4, 3/-4).
  Polynomial Pol(int d, int maxNum, int maxDen, bool raw = false) {
    Polynomial p;
    PolZero(p);
    for (int k = 0; k <= d; ++k) {
      if (k < d && Int(0, 3) == 0) continue;
      Rational c{Int(1, maxNum) * (Int(0, 1) ? 1 : -1), Int(1, maxDen)};
      if (raw && Int(0, 2) == 0) c.Den = -c.Den;
      if (!raw) RatSimplify(c);
      p[k] = c;
    }
    return p;
  }

 private:
  std::mt19937 engine_;
};

// At least three cases in four must be checked, not skipped.
void ExpectMostChecked(int checked) { EXPECT_GE(checked, Cases * 3 / 4); }

TEST(PolProperties, DivisionGivesQuotientTimesDivisorPlusRemainder) {
  RandomPolynomials random(11);
  int checked = 0;
  for (int i = 0; i < Cases; ++i) {
    const Polynomial a = random.Pol(random.Int(0, 9), 30, 6);
    const Polynomial b = random.Pol(random.Int(0, 6), 30, 6);
    Polynomial q, r, qb, back;
    const int code = PolDivMod(a, b, q, r);
    if (code == -1) continue;
    ASSERT_GE(code, 0);
    EXPECT_EQ(code == 0, !PolIsNonZero(r));
    if (PolIsNonZero(r)) {
      EXPECT_LT(PolDegree(r), PolDegree(b));
    }
    if (PolMul(q, b, qb) != 1 || PolAdd(qb, r, back) != 1) continue;
    EXPECT_TRUE(SameValue(back, a)) << PolToText(a) << " / " << PolToText(b);
    ++checked;
  }
  ExpectMostChecked(checked);
}

TEST(PolProperties, HcdDividesBothAndHcdTimesLcmIsProportionalToTheProduct) {
  RandomPolynomials random(12);
  int checked = 0;
  for (int i = 0; i < Cases; ++i) {
    // A common factor c, so that the hcd is more than 1 most of the time.
    const int dc = random.Int(0, 3);
    const Polynomial c = random.Pol(dc, 5, 3);
    const Polynomial d = random.Pol(random.Int(0, (9 - 2 * dc) / 2), 5, 3);
    const Polynomial e = random.Pol(random.Int(0, (9 - 2 * dc) / 2), 5, 3);
    Polynomial a, b, g, l, gl, ab, q, r;
    if (PolMul(c, d, a) != 1 || PolMul(c, e, b) != 1) continue;
    if (PolHcd(a, b, g) != 1) continue;
    EXPECT_EQ(PolDivMod(a, g, q, r), 0) << PolToText(a) << ", " << PolToText(b);
    EXPECT_EQ(PolDivMod(b, g, q, r), 0) << PolToText(a) << ", " << PolToText(b);
    EXPECT_EQ(PolDivMod(g, c, q, r), 0) << "the common factor divides the hcd";
    if (PolLcm(a, b, l) != 1 || PolMul(g, l, gl) != 1 || PolMul(a, b, ab) != 1) continue;
    Rational k;
    EXPECT_TRUE(PolProportional(gl, ab, k)) << PolToText(a) << ", " << PolToText(b);
    ++checked;
  }
  ExpectMostChecked(checked);
}

TEST(PolProperties, DerivativeOfTheIntegralIsP) {
  RandomPolynomials random(13);
  int checked = 0;
  for (int i = 0; i < Cases; ++i) {
    const Polynomial p = random.Pol(random.Int(0, 8), 1000, 1000);
    Polynomial integral, derivative;
    if (PolIntegral(p, integral) != 1) continue;
    EXPECT_EQ(integral[0].Num, 0);
    ASSERT_EQ(PolDerivative(integral, derivative), 1);
    EXPECT_TRUE(SameValue(derivative, p)) << PolToText(p);
    ++checked;
  }
  ExpectMostChecked(checked);
}

TEST(PolProperties, TextReadsBackToTheSameCoefficients) {
  RandomPolynomials random(14);
  for (int i = 0; i < Cases; ++i) {
    const Polynomial p = random.Pol(random.Int(0, 9), Long_Max, Long_Max, true);
    const std::string text = PolToText(p);
    Polynomial back;
    ASSERT_TRUE(PolFromText(text, back)) << text;
    for (int k = 0; k <= MaxDegree; ++k) {
      EXPECT_EQ(back[k].Num, p[k].Num) << text;
      if (p[k].Num != 0) {
        EXPECT_EQ(back[k].Den, p[k].Den) << text;
      }
    }
  }
}

TEST(PolProperties, EveryRootIsARootAndTheDegreesAddUp) {
  RandomPolynomials random(15);
  int checked = 0;
  for (int i = 0; i < Cases; ++i) {
    // p = k · (x - r1) ··· (x - rm) · cofactor, with the planted roots counted.
    Polynomial p = random.Pol(random.Int(0, 3), 9, 1);
    std::array<int, 13> planted{};
    const int m = random.Int(0, 5);
    for (int j = 0; j < m; ++j) {
      const int root = random.Int(-6, 6);
      ++planted[root + 6];
      Polynomial factor;
      PolFromInt({-root, 1}, factor);
      ASSERT_EQ(PolMul(p, factor, p), 1);
    }
    Polynomial scaled;
    PolZero(scaled);
    scaled[0] = Rational{random.Int(1, 12) * (random.Int(0, 1) ? 1 : -1), random.Int(1, 12)};
    ASSERT_EQ(PolMul(p, scaled, p), 1);

    RootList list;
    const int count = PolIntRoots(p, list);
    if (count < 0) continue;
    ASSERT_EQ(count, list.count);
    int degrees = IntPolDegree(list.cofactor);
    for (int j = 0; j < count; ++j) {
      Rational value;
      ASSERT_TRUE(PolValueAt(p, Rational{list.roots[j], 1}, value));
      EXPECT_EQ(value.Num, 0) << PolToText(p) << " at " << list.roots[j];
      degrees += list.multiplicities[j];
      if (list.roots[j] >= -6 && list.roots[j] <= 6) {
        EXPECT_GE(list.multiplicities[j], planted[list.roots[j] + 6]) << PolToText(p);
        planted[list.roots[j] + 6] = 0;
      }
    }
    EXPECT_EQ(degrees, PolDegree(p)) << PolToText(p);
    EXPECT_EQ(planted, (std::array<int, 13>{})) << "a planted root was missed: " << PolToText(p);

    // scale · p = content · roots · cofactor
    Polynomial product;
    PolFromInt(list.cofactor, product);
    for (int j = 0; j < count; ++j) {
      Polynomial factor;
      PolFromInt({-list.roots[j], 1}, factor);
      for (int n = 0; n < list.multiplicities[j]; ++n) {
        ASSERT_EQ(PolMul(product, factor, product), 1);
      }
    }
    Polynomial lhs, rhs, s, c;
    PolFromInt({list.scale}, s);
    PolFromInt({list.content}, c);
    if (PolMul(p, s, lhs) == 1 && PolMul(product, c, rhs) == 1) {
      EXPECT_TRUE(SameValue(lhs, rhs)) << PolToText(p);
    }
    ++checked;
  }
  ExpectMostChecked(checked);
}

}  // namespace
}  // namespace tessaro::test
