// The real-root search (and the stationary points) on the degree-9 polynomials that cost it
// the most: clusters of close irrational roots, coefficients near Long_Max, denominators
// whose LCM runs to hundreds of bits.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "polynomials/polynomials.h"

namespace tessaro {
namespace {

struct Case {
  const char* name;
  const char* text;
};

const Case Worst[] = {
    // Two roots near 1/32767 about 2^-80 apart (a Mignotte polynomial x^9 - 2(ax - 1)^2).
    {"mignotte", "x^9-2147352578x^2+131068x-2"},
    // The same with a tiny leading coefficient: two roots near 1/46340 about 2^-100 apart.
    {"mignotte tiny lead", "1/2147483646x^9-2147395600x^2+92680x-1"},
    // Chebyshev T9: nine roots in [-1, 1], eight of them irrational.
    {"chebyshev", "256x^9-576x^7+432x^5-120x^3+9x"},
    // Three cubics with three irrational roots each: nine irrational roots.
    {"nine irrational", "x^9-10x^7+x^6+33x^5-6x^4-37x^3+9x^2+4x-1"},
    // ±√2 and ±√(2 + 2^-28), 1.3e-9 apart, times x^5 - x.
    {"close pairs", "268435456x^9-1073741825x^7+805306370x^5+1073741825x^3-1073741826x"},
    // Denominators near Long_Max, pairwise coprime: the scaled coefficients have ~300 bits.
    {"large denominators",
     "-1234567891/2147483629x^9+2147483646/2147483587x^8-987654321/2147483579x^7+"
     "1/2147483563x^6-2147483646/2147483549x^5+123456789/2147483543x^4+"
     "2147483646/2147483497x^3-7/2147483489x^2-2147483646/2147483477x+1/2147483423"},
    // Nine rational roots (k-1)/k, k = 2..10, 1/90 apart at the closest.
    {"nine fractions", "3628800x^9-25659360x^8+80391816x^7-146444068x^6+170892798x^5-"
                       "132449241x^4+68158628x^3-22448988x^2+4292496x-362880"},
    // (3x - 1)^9: one root nine times.
    {"ninefold", "19683x^9-59049x^8+78732x^7-61236x^6+30618x^5-10206x^4+2268x^3-324x^2+27x-1"},
    // Coefficients at Long_Max with alternating signs.
    {"long max", "2147483646x^9-2147483646x^8+2147483646x^7-2147483646x^6+2147483646x^5-"
                 "2147483646x^4+2147483646x^3-2147483646x^2+2147483646x-2147483645"},
};

Polynomial Read(const char* text) {
  Polynomial p;
  if (!PolFromText(text, p)) std::abort();
  return p;
}

// One search, PolRealRoots or PolStationaryPoints, on one case.
template <class Found, RootsOutcome (*Search)(const Polynomial&, std::vector<Found>&)>
void BM_Search(benchmark::State& state) {
  const Case& c = Worst[state.range(0)];
  const Polynomial p = Read(c.text);
  std::vector<Found> found;
  for (auto _ : state) {
    Search(p, found);
    benchmark::DoNotOptimize(found.data());
  }
  state.SetLabel(std::string(c.name) + ": " + std::to_string(found.size()) + " found");
}
BENCHMARK_TEMPLATE(BM_Search, RealRoot, PolRealRoots)
    ->Name("PolRealRoots")
    ->DenseRange(0, std::size(Worst) - 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_Search, StationaryPoint, PolStationaryPoints)
    ->Name("PolStationaryPoints")
    ->DenseRange(0, std::size(Worst) - 1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro
