// The fitted view, zoom and pan, ticks, label rows and the trace, by table.

#include "plot/view.h"

#include "poltest.h"
#include "pseudolanguage.h"

namespace tessaro::test {
namespace {

void ExpectView(const View& got, const View& want) {
  EXPECT_NEAR(got.x0, want.x0, 1e-9);
  EXPECT_NEAR(got.x1, want.x1, 1e-9);
  EXPECT_NEAR(got.y0, want.y0, 1e-9);
  EXPECT_NEAR(got.y1, want.y1, 1e-9);
}

TEST(FittedView, FramesEveryRootTurningPointAndTheIntercept) {
  const struct {
    const char* name;
    const char* pol;
    View view;
  } rows[] = {
      {"roots ±1/2 and the bottom (0, -1), a tenth more each side", "4x^2-1",
       {-0.6, 0.6, -1.1, 0.1}},
      {"the x-range reaches 0 for the intercept", "x-100", {-10, 110, -110, 10}},
      {"every point at x = 0: -5…5, and the curve's ends count", "x^2+1", {-5, 5, -2.6, 28.6}},
      {"x^3 likewise", "x^3", {-5, 5, -150, 150}},
      {"a constant", "5", {-5, 5, -0.5, 5.5}},
      {"the zero polynomial: -5…5 both ways", "0", {-5, 5, -5, 5}},
      {"a double root and a maximum", "-x^2+2x-1", {-0.1, 1.1, -1.1, 0.1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ExpectView(FittedView(FactsOf(Pol(row.pol))), row.view);
  }
}

TEST(ViewMoves, ZoomKeepsThePointUnderTheCursorAndRefusesTheExtremes) {
  const View v{-5, 5, -5, 5};
  ExpectView(ZoomedAbout(v, 0, 0, 2), {-2.5, 2.5, -2.5, 2.5});
  ExpectView(ZoomedAbout(v, 5, -5, 2), {0, 5, -5, 0});  // the corner stays
  ExpectView(ZoomedAbout(v, 0, 0, 0.5), {-10, 10, -10, 10});
  EXPECT_EQ(ZoomedAbout(v, 0, 0, 1e11), v) << "narrower than 1e-9";
  EXPECT_EQ(ZoomedAbout(v, 0, 0, 1e-200), v) << "beyond 1e200";
  EXPECT_EQ(ZoomedAbout(v, 0, 0, 0), v);
  // Far from 0 the finest view is wider: 1e-9 of the distance.
  const View far{1e6, 1e6 + 1, 0, 1};
  EXPECT_EQ(ZoomedAbout(far, 1e6, 0, 1e4), far);
  EXPECT_NE(ZoomedAbout(far, 1e6, 0, 10), far);
  // A view of the values of a degree-9 polynomial at 10^20 still zooms and pans.
  const View huge{-1e20, 1e20, -1e180, 1e180};
  EXPECT_NE(ZoomedAbout(huge, 0, 0, 2), huge);
  EXPECT_NE(Panned(huge, 0.1, 0.1), huge);
  ExpectView(Panned(v, 0.1, -0.2), {-4, 6, -7, 3});
  const View edge{0, 1, 1e200 - 1e190, 1e200};
  EXPECT_EQ(Panned(edge, 0, 1), edge) << "beyond 1e200";
}

TEST(Ticks, RoundValuesAndTheirTexts) {
  const struct {
    const char* name;
    double lo, hi;
    int most;
    std::vector<std::string> texts;
  } rows[] = {
      {"unit steps", 0, 5, 10, {"0", "1", "2", "3", "4", "5"}},
      {"steps of 0.2 reach both ends despite rounding", -0.6, 0.6, 8,
       {"-0.6", "-0.4", "-0.2", "0", "0.2", "0.4", "0.6"}},
      {"steps of 5", -12, 12, 6, {"-10", "-5", "0", "5", "10"}},
      {"large values as powers of ten", 0, 3e7, 4, {"0", "1·10^7", "2·10^7", "3·10^7"}},
      {"halves of a power of ten", 1e7, 2e7, 3, {"1.0·10^7", "1.5·10^7", "2.0·10^7"}},
      {"tiny steps near zero", -2e-8, 2e-8, 5, {"-2·10^-8", "-1·10^-8", "0", "1·10^-8", "2·10^-8"}},
      {"tiny steps far from zero stay plain", 1, 1.000002, 3, {"1.000000", "1.000001", "1.000002"}},
      {"no span, no ticks", 3, 3, 5, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> texts;
    for (const Tick& t : Ticks(row.lo, row.hi, row.most)) texts.push_back(t.text);
    EXPECT_EQ(texts, row.texts);
  }
}

TEST(LabelRows, OverlappingLabelsMoveToTheNextRow) {
  EXPECT_EQ(LabelRows({{0, 10}, {5, 15}, {12, 18}, {20, 30}}, 2), (std::vector<int>{0, 1, 0, 0}));
  EXPECT_EQ(LabelRows({{0, 10}, {1, 11}, {2, 12}}, 0), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(LabelRows({}, 2).empty());
}

TEST(Trace, TextAndMarks) {
  const GraphFacts facts = FactsOf(Pol("4x^2-1"));
  EXPECT_EQ(TraceText(facts, 0.25, 0.2), "x = 0.250, P(x) ≈ -0.750");
  EXPECT_EQ(TraceText(facts, -0.0001, 1), "x = 0.00, P(x) ≈ -1.00") << "no minus zero";
  const std::vector<TraceMark> marks = TraceMarks(facts);
  ASSERT_EQ(marks.size(), 3u);
  EXPECT_EQ(marks[0].text, "Root: -1/2");
  EXPECT_EQ(marks[1].text, "Turning point: (0, -1)");
  EXPECT_EQ(NextMark(marks, -0.5, 1), 1);
  EXPECT_EQ(NextMark(marks, -0.5, -1), -1);
  EXPECT_EQ(NextMark(marks, 10, -1), 2);
  const std::vector<TraceMark> merged = TraceMarks(FactsOf(Pol("x^2-2x+1")));
  ASSERT_EQ(merged.size(), 1u) << "the double root is the turning point";
  EXPECT_EQ(merged[0].text, "Root: 1 (double); turning point: (1, 0)");
}

}  // namespace
}  // namespace tessaro::test

namespace tessaro::test {
namespace {

TEST(GraphWords, GoThroughTheTranslatorAndTheLabelsStayAsWritten) {
  PseudoLanguage pseudo;
  const GraphFacts facts = FactsOf(Pol("x^3-3x^2+3x-1"));
  EXPECT_EQ(facts.Text(),
            "⟦REAL ROOT: 1 (⟦TRIPLE⟧).⟧ ⟦TURNING POINTS: NONE.⟧ "
            "⟦STATIONARY POINT OF INFLECTION: (1, 0).⟧");
  EXPECT_EQ(FactsOf(Pol("0")).Text(),
            "⟦REAL ROOTS: EVERY x (THE POLYNOMIAL IS 0).⟧ ⟦TURNING POINTS: NONE.⟧");
  // The second mark of a point has words of its own, not the first lowered: a German noun
  // keeps its capital.
  const std::vector<TraceMark> merged = TraceMarks(FactsOf(Pol("x^2-2x+1")));
  ASSERT_EQ(merged.size(), 1u);
  EXPECT_EQ(merged[0].text, "⟦ROOT: 1 (⟦DOUBLE⟧)⟧; ⟦TURNING POINT: (1, 0)⟧");
  EXPECT_EQ(TraceText(facts, 0.25, 0.2), "x = 0.250, P(x) ≈ -0.422") << "notation alone";
}

}  // namespace
}  // namespace tessaro::test
