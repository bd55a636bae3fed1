// Every working on the worst inputs its fields accept: a prime near Long_Max for the ladder, the
// longest Euclid, a degree-9 long division, the root search on the constant terms with the
// most divisors, and the 1,000-character expressions of the evaluators' benchmark. A working
// must be made within one frame, 16 ms.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "polynomials/polynomials.h"
#include "shapes.h"
#include "working/combinedworking.h"
#include "working/integerworking.h"
#include "working/polynomialworking.h"

namespace tessaro {
namespace {

using namespace bench;

// What a benchmark reports beside its time: how long the working is.
void Label(benchmark::State& state, const std::string& name, const Working& w) {
  std::size_t chars = 0;
  const std::vector<std::string> lines = w.Lines();
  for (const std::string& line : lines) chars += line.size();
  state.SetLabel(name + ": " + std::to_string(lines.size()) + " lines, " + std::to_string(chars) +
                 " bytes");
}

Polynomial Pol(const char* text) {
  Polynomial p;
  PolFromText(text, p);
  return p;
}

void BM_FactorLadder(benchmark::State& state) {
  const std::int32_t n[] = {2147483629, 2147483646, INT32_MIN};
  const std::int32_t v = n[state.range(0)];
  Working w;
  for (auto _ : state) benchmark::DoNotOptimize(w = FactorLadderWorking(v));
  Label(state, std::to_string(v), w);
}
BENCHMARK(BM_FactorLadder)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_IntegerPanels(benchmark::State& state) {
  Working w;
  const char* name = "";
  for (auto _ : state) {
    switch (state.range(0)) {
      case 0:  // 31 divisions and the ladder of the largest N
        name = "single 2147483646, basis 2";
        w = IntegerSingleWorking(Long_Max, 2);
        break;
      case 1:  // consecutive Fibonacci numbers: Euclid's longest road below 2^31
        name = "pair 1836311903, 1134903170";
        w = IntegerPairWorking(1836311903, 1134903170);
        break;
      default: {  // a full list of 23 numbers, Fibonacci pairs
        static const std::vector<std::int32_t> list = [] {
          std::vector<std::int32_t> v;
          for (int i = 0; i < 23; ++i) v.push_back(i % 2 ? 1836311903 : 1134903170 - i);
          return v;
        }();
        name = "list of 23";
        w = ListHcdLcmWorking(list);
      }
    }
    benchmark::DoNotOptimize(w);
  }
  Label(state, name, w);
}
BENCHMARK(BM_IntegerPanels)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// A degree-9 dividend with every term, by divisors of degree 1 and 4 (every step done), and
// the longest coefficients, which pass Long_Max within the first steps.
void BM_PolDivision(benchmark::State& state) {
  const char* cases[][2] = {
      {"9x^9-8x^8+7x^7-6x^6+5x^5-4x^4+3x^3-2x^2+x-1", "x-1"},
      {"9/2x^9-8x^8+7/3x^7-6x^6+5x^5-4/5x^4+3x^3-2x^2+x-1/7", "-2/3x^4+x^2-1/7"},
      {"-2147483646/2147483645x^9+3/7x^8-x^7+5x^5-1/3x^2+x-9", "1/2147483645x+1"},
  };
  const Polynomial a = Pol(cases[state.range(0)][0]);
  const Polynomial b = Pol(cases[state.range(0)][1]);
  Working w;
  for (auto _ : state) benchmark::DoNotOptimize(w = PolDivisionWorking(a, b));
  Label(state, std::string("degree 9 / ") + cases[state.range(0)][1], w);
}
BENCHMARK(BM_PolDivision)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// 2095133040 = 2^4·3^4·5·7·11·13·17·19 has 1,600 divisors, the most below 2^31: x+c tries
// every one of them, -s and s, before its root -c; of degree 9 the values overflow at 11.
void BM_PolRoots(benchmark::State& state) {
  const char* texts[] = {"x+2095133040", "x^9-x^8+2095133040", "x^9-x^8+2147483629",
                         "1/2x^9-x^8+3/4x+2095133040/7"};
  const Polynomial p = Pol(texts[state.range(0)]);
  Working w;
  for (auto _ : state) benchmark::DoNotOptimize(w = PolynomialSingleWorking(p));
  Label(state, texts[state.range(0)], w);
}
BENCHMARK(BM_PolRoots)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_RationalCombined(benchmark::State& state) {
  static const std::vector<Shape> shapes = RatShapes();
  const Shape& shape = shapes[static_cast<std::size_t>(state.range(0))];
  Working w;
  for (auto _ : state) benchmark::DoNotOptimize(w = IntegerCombinedWorking(shape.text));
  Label(state, shape.name, w);
}
BENCHMARK(BM_RationalCombined)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);

// The evaluators' shapes, and the one whose lines are longest: every letter a polynomial
// of degree 9 with the longest coefficients, each A-A worked out on a line of its own.
void BM_PolynomialCombined(benchmark::State& state) {
  static const std::vector<Polynomial> items = StoredItems();
  static const std::vector<Shape> shapes = [] {
    std::vector<Shape> all = PolShapes();
    all.push_back({"longest lines", Chain("E-E", "+")});
    all.push_back({"longest lines, products", Chain("(E-E)*E", "+")});
    return all;
  }();
  static const std::vector<Polynomial> longest = [] {
    std::vector<Polynomial> list = items;
    list[4] =
        Pol("-2147483646/2147483645x^9-2147483644/2147483643x^8-2147483642/2147483641x^7"
            "-2147483640/2147483639x^6-2147483638/2147483637x^5-2147483636/2147483635x^4"
            "-2147483634/2147483633x^3-2147483632/2147483631x^2-2147483630/2147483629x"
            "-2147483628/2147483627");
    return list;
  }();
  const Shape& shape = shapes[static_cast<std::size_t>(state.range(0))];
  const std::vector<Polynomial>& list = state.range(0) >= 10 ? longest : items;
  Working w;
  for (auto _ : state) benchmark::DoNotOptimize(w = PolynomialCombinedWorking(shape.text, list));
  Label(state, shape.name, w);
}
BENCHMARK(BM_PolynomialCombined)->DenseRange(0, 11)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro
