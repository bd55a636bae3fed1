// The integer-root search on the constant terms that cost the most, beside the search that
// tries every s from 1 to the constant term, kept here as the reference.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string_view>

#include "polynomials/polynomials.h"

namespace tessaro {
namespace {

constexpr int32_t PrimeNearLongMax = 2147483629;

// Each search is done to the end: the prime's candidates are 1 and itself, and the value at
// -2147483629 is the root or overflows; with 2147483646 = Long_Max the value at 1 or 2
// already overflows (-1), so the cost there is the factorization.
constexpr std::string_view Worst[] = {
    "x+2147483629", "x^5-x^4+2147483629", "x^9-x^8+2147483629",
    "x+2147483646", "x^5-x^4+2147483646", "x^9-x^8+2147483646",
};

void BM_PolIntRoots(benchmark::State& state) {
  Polynomial p;
  PolFromText(Worst[state.range(0)], p);
  RootList roots;
  int count = 0;
  for (auto _ : state) {
    count = PolIntRoots(p, roots);
    benchmark::DoNotOptimize(roots);
  }
  state.SetLabel(std::string(Worst[state.range(0)]) + " -> " + std::to_string(count));
}
BENCHMARK(BM_PolIntRoots)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// The reference: every s from 1 to e with a remainder test, each divisor tried as -s then s
// on the primitive polynomial, as PolIntRoots does after its scaling.
int PlainSearch(IntPolynomial ip) {
  const int32_t e = std::abs(ip[0]);
  int count = 0;
  for (int32_t s = 1; s <= e; ++s) {
    if (e % s != 0) continue;
    for (const int32_t v : {-s, s}) {
      int32_t value = IntPolValueAt(ip, v);
      if (value == IntPolOverflow) return -1;
      if (value != 0) continue;
      ++count;
      while (value == 0 && IntPolDeflate(ip, v, ip)) value = IntPolValueAt(ip, v);
    }
  }
  return count;
}

// x + e for a prime e: the loop runs to s = e and finds the root -e there. The time per s is
// constant, so the counter projects it to e = 2147483629.
void BM_PlainSearch(benchmark::State& state) {
  const auto e = static_cast<int32_t>(state.range(0));
  const IntPolynomial ip{e, 1};
  for (auto _ : state) benchmark::DoNotOptimize(PlainSearch(ip));
  state.counters["projected_s_at_2147483629"] = benchmark::Counter(
      static_cast<double>(e) / PrimeNearLongMax,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PlainSearch)->Arg(1048573)->Arg(16777213)->Unit(benchmark::kMillisecond);
// Once at full size, to confirm the projection.
BENCHMARK(BM_PlainSearch)->Arg(PrimeNearLongMax)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
