// The exact ground of the real-root search: scaling, remainders, hcd and the certificates
// modulo primes, each against what a hand computation gives.

#include "polynomials/widepoly.h"

#include "poltest.h"

namespace tessaro::test {
namespace {

WidePoly Wide(std::string_view text) {
  WidePoly a;
  EXPECT_TRUE(WidePolyOf(Pol(text), a)) << text;
  return a;
}

std::string Text(const WidePoly& a) {
  std::string s;
  for (std::size_t k = a.size(); k-- > 0;) s += a[k].ToText() + (k ? " " : "");
  return s;
}

TEST(WidePoly, ScalingByTheLcmOfTheDenominators) {
  EXPECT_EQ(Text(Wide("1/2x+1/3")), "3 2");
  EXPECT_EQ(Text(Wide("2/4x^2-1/-6")), "6 0 2") << "unreduced and negative denominators";
  WideInt scale;
  WidePoly a;
  ASSERT_TRUE(WidePolyOf(Pol("1/2147483629x+1/2147483587"), a, &scale));
  EXPECT_EQ(scale.ToText(), "4611685846628697223") << "beyond 32 bits, exact";
  EXPECT_EQ(Text(a), "2147483587 2147483629");
  Polynomial p = Pol("x");
  p[1].Den = 0;
  EXPECT_FALSE(WidePolyOf(p, a));
}

TEST(WidePoly, PseudoRemainderQuotientAndHcd) {
  WidePoly q;
  bool negative = false;
  // (-2)^3 (x^3 + 1) = (4x^2 + 2x + 1)(-2x + 1) - 9.
  const WidePoly r = PseudoRemainder(Wide("x^3+1"), Wide("-2x+1"), &q, &negative);
  EXPECT_TRUE(negative) << "(-2)^3 < 0";
  EXPECT_EQ(Text(r), "-9") << "-8·(1/8 + 1) = -9";
  EXPECT_EQ(Text(q), "4 2 1");
  EXPECT_EQ(Text(ExactQuotient(Wide("x^3-x"), Wide("2x+2"))), "1 -1 0");
  EXPECT_EQ(Text(Gcd(Wide("x^4-1"), Wide("2x^3-2x"))), "1 0 -1") << "x^2 - 1";
  EXPECT_EQ(Text(Gcd(Wide("x^2+1"), Wide("x-3"))), "1");
}

TEST(WidePoly, CertificatesModuloPrimes) {
  const struct {
    const char* name;
    const char* pol;
    bool squareFree;      // proven
    bool noRationalRoot;  // proven
  } rows[] = {
      {"x^2 - 2: no square root of 2 modulo 3", "x^2-2", true, true},
      {"a rational root cannot be proven away", "2x-1", true, false},
      {"(x^2-2)(x^2-3)(x^2-6) has a root modulo every prime", "x^6-11x^4+36x^2-36", true, false},
      {"a double root is never proven square-free", "x^2-2x+1", false, false},
      {"a double irrational pair", "x^4-4x^2+4", false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const WidePoly a = PrimitivePart(Wide(row.pol));
    EXPECT_EQ(SquareFreeByPrimes(a), row.squareFree);
    EXPECT_EQ(NoRationalRootByPrimes(a), row.noRationalRoot);
  }
}

}  // namespace
}  // namespace tessaro::test
