// The evaluators on the worst texts a field can hold (1,000 characters): long chains of one
// operator, deep parentheses and signs, long literals, powers, and letters replaced by the
// longest list items. Every evaluation must take well under 100 ms.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "numbers/numbers.h"
#include "polynomials/polynomials.h"
#include "shapes.h"

namespace tessaro {
namespace {

using namespace bench;

void BM_RatEval(benchmark::State& state) {
  static const std::vector<Shape> shapes = RatShapes();
  const Shape& shape = shapes[static_cast<std::size_t>(state.range(0))];
  std::string outcome;
  for (auto _ : state) {
    Rational r;
    try {
      outcome = RatEval(shape.text, r) ? RatText(r) : "fails";
    } catch (const ConversionError&) {
      outcome = "conversion message";
    }
    benchmark::DoNotOptimize(r);
  }
  state.SetLabel(std::string(shape.name) + ", " + std::to_string(shape.text.size()) +
                 " chars -> " + outcome.substr(0, 24));
}
BENCHMARK(BM_RatEval)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);

void BM_PolEval(benchmark::State& state) {
  static const std::vector<Polynomial> items = StoredItems();
  static const std::vector<Shape> shapes = PolShapes();
  const Shape& shape = shapes[static_cast<std::size_t>(state.range(0))];
  int code = 0;
  for (auto _ : state) {
    Polynomial result;
    code = PolEval(shape.text, items, result);
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(std::string(shape.name) + ", " + std::to_string(shape.text.size()) +
                 " chars -> code " + std::to_string(code));
}
BENCHMARK(BM_PolEval)->DenseRange(0, 9)->Unit(benchmark::kMicrosecond);

// The polynomial text form and the integer reading on a full field.
void BM_PolFromText(benchmark::State& state) {
  // Later terms of one power replace the earlier ones, so the whole text is read.
  const std::string text = Chain("-2147483646/2147483645x^9+1/3x", "");
  bool ok = false;
  for (auto _ : state) {
    Polynomial p;
    ok = PolFromText(text, p);
    benchmark::DoNotOptimize(p);
  }
  state.SetLabel(std::to_string(text.size()) + " chars -> " + (ok ? "read" : "refused"));
}
BENCHMARK(BM_PolFromText)->Unit(benchmark::kMicrosecond);

void BM_IntOfText(benchmark::State& state) {
  const std::string text(FieldLength, '9');
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(IntOfText(text));
    } catch (const ConversionError&) {
    }
  }
  state.SetLabel("1000 digits -> conversion message");
}
BENCHMARK(BM_IntOfText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro
