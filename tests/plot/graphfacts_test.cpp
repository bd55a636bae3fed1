// The facts a graph shows: labels, words and sentences, by table.

#include "plot/graphfacts.h"

#include "poltest.h"

namespace tessaro::test {
namespace {

TEST(GraphFacts, TheSentences) {
  const struct {
    const char* name;
    const char* pol;
    const char* text;
  } rows[] = {
      {"rational roots the integer search misses", "4x^2-1",
       "Real roots: -1/2, 1/2. Turning point: (0, -1)."},
      {"irrational roots, honestly approximate", "x^2-2",
       "Real roots: ≈ -1.414, ≈ 1.414. Turning point: (0, -2)."},
      {"no real root", "x^2+1", "Real roots: none. Turning point: (0, 1)."},
      {"a line: one root, singular", "2x+1", "Real root: -1/2. Turning points: none."},
      {"a constant", "5", "Real roots: none. Turning points: none."},
      {"the zero polynomial", "0",
       "Real roots: every x (the polynomial is 0). Turning points: none."},
      {"a double root is a turning point on the axis", "x^2-2x+1",
       "Real root: 1 (double). Turning point: (1, 0)."},
      {"x^3 flattens without turning", "x^3",
       "Real root: 0 (triple). Turning points: none. Stationary point of inflection: (0, 0)."},
      {"irrational turning points", "x^3-x",
       "Real roots: -1, 0, 1. Turning points: (≈ -0.577, ≈ 0.385), (≈ 0.577, ≈ -0.385)."},
      {"rational, irrational and double roots", "2x^5-3x^4-4x^3+7x^2-2",
       "Real roots: ≈ -1.414, -1/2, 1 (double), ≈ 1.414. Turning points: (≈ -1.087, ≈ 4.185), "
       "(0, -2), (1, 0), (≈ 1.287, ≈ -0.101)."},
      {"an exact value too long to read is approximated", "1/3x^3-2147483646x^2",
       "Real roots: 0 (double), 6442450938. Turning points: (0, 0), (4294967292, ≈ -1.320·10^28)."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FactsOf(Pol(row.pol)).Text(), row.text);
  }
}

TEST(GraphFacts, PointsCarryTheirLabelsAndKinds) {
  const GraphFacts facts = FactsOf(Pol("2x^5-3x^4-4x^3+7x^2-2"));
  EXPECT_EQ(facts.state, GraphState::Curve);
  ASSERT_EQ(facts.roots.size(), 4u);
  EXPECT_EQ(facts.roots[1].label, "-1/2");
  EXPECT_TRUE(facts.roots[1].exact) << "filled";
  EXPECT_FALSE(facts.roots[0].exact) << "hollow";
  EXPECT_EQ(facts.roots[2].multiplicity, 2) << "touches the axis";
  EXPECT_EQ(facts.roots[2].y, 0);
  EXPECT_EQ(facts.yIntercept, -2);
  ASSERT_EQ(facts.turningPoints.size(), 4u);
  EXPECT_NEAR(facts.turningPoints[0].x, -1.0874342087, 1e-9);
  EXPECT_NEAR(facts.turningPoints[0].y, 4.1850012599, 1e-9);
  EXPECT_TRUE(facts.flatPoints.empty());
}

TEST(GraphFacts, ADenominatorZeroDrawsNothing) {
  Polynomial p = Pol("x+1");
  p[1].Den = 0;
  const GraphFacts facts = FactsOf(p);
  EXPECT_EQ(facts.state, GraphState::Refused);
  EXPECT_EQ(facts.Text(), "Not a rational polynomial");
  EXPECT_TRUE(facts.roots.empty());
}

TEST(GraphFacts, ApproximateTexts) {
  const struct {
    double v;
    const char* text;
  } rows[] = {
      {1.41421356, "≈ 1.414"},        {-1.41421356, "≈ -1.414"},
      {0.0015, "≈ 0.002"},            {-0.0000001, "≈ -1.000·10^-7"},
      {0.000021579, "≈ 2.158·10^-5"}, {9999999.9, "≈ 9999999.900"},
      {12345678901.0, "≈ 1.235·10^10"}, {9.99996e9, "≈ 1.000·10^10"},
      {0.0, "≈ 0.000"},
  };
  for (const auto& row : rows) EXPECT_EQ(ApproxText(row.v), row.text) << row.v;
}

TEST(GraphFacts, MultiplicityWords) {
  const char* words[] = {"", "double", "triple", "quadruple", "quintuple",
                         "sextuple", "septuple", "octuple", "nonuple"};
  for (int m = 1; m <= 9; ++m) EXPECT_EQ(MultiplicityWord(m), words[m - 1]) << m;
  EXPECT_EQ(FactsOf(Pol("x^9")).roots.at(0).label, "0 (nonuple)");
}

}  // namespace
}  // namespace tessaro::test
