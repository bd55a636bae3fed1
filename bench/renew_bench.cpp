// New numbers for a sheet of 100 problems of every kind, and 26 versions of it, with the
// windows' own ranges and a few constraints a teacher would set: as lists of params, and
// through the sheet document as the window and the headless commands do it (the sheet
// renewed, then its file's text made). Each iteration takes another seed, so the redraws
// are those of ordinary sheets rather than of one lucky seed.

#include <benchmark/benchmark.h>

#include "renewal/renew.h"
#include "worksheets/renewsheet.h"
#include "worksheets/sheetfile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {
namespace {

std::vector<RenewalInput> HundredProblems() {
  Ranges euclid;
  euclid.min = 1;
  euclid.max = 1000;
  euclid.euclid_steps = 5;
  Ranges proper;
  proper.proper = true;
  Ranges roots;
  roots.int_roots = true;
  Ranges shared;
  shared.common_factor = true;
  const std::vector<RenewalInput> kinds = {
      {IntegerSingleParams{12, 2, 12}, {}},
      {IntegerPairParams{7, 2, 2}, {}},
      {IntegerPairParams{7, 2, 2}, euclid},
      {IntegerListParams{{12, 18, 30, 7, 9}}, {}},
      {IntegerCombinedParams{"a*b-c/d", {1, 2, 3, 4}, 3}, {}},
      {FractionPairParams{"1/2", "3/4"}, {}},
      {FractionPairParams{"1/2", "3/4"}, proper},
      {FractionCombinedParams{"a+b*c", {"1/2", "3/4", "5/6"}}, {}},
      {PolynomialSingleParams{"x^2-1", "0"}, {}},
      {PolynomialSingleParams{"x^2-1", "0"}, roots},
      {PolynomialPairParams{"x^3-x", "x^2-1"}, {}},
      {PolynomialPairParams{"x^3-x", "x^2-1"}, shared},
      {PolynomialCombinedParams{"A*B-C", {"x", "x+1", "2"}}, {}},
      {TextParams{}, {}},
  };
  std::vector<RenewalInput> sheet;
  for (std::size_t i = 0; sheet.size() < 100; ++i) sheet.push_back(kinds[i % kinds.size()]);
  return sheet;
}

void BM_RenewSheet(benchmark::State& state) {
  const std::vector<RenewalInput> sheet = HundredProblems();
  std::uint64_t seed = 0;
  for (auto _ : state) benchmark::DoNotOptimize(RenewAll(sheet, ++seed));
  state.SetLabel("100 problems");
}
BENCHMARK(BM_RenewSheet)->Unit(benchmark::kMillisecond);

void BM_TwentySixVersions(benchmark::State& state) {
  const std::vector<RenewalInput> sheet = HundredProblems();
  std::uint64_t seed = 0;
  for (auto _ : state) benchmark::DoNotOptimize(MakeVersions(sheet, MaxVersions, ++seed));
  state.SetLabel("26 versions of 100 problems");
}
BENCHMARK(BM_TwentySixVersions)->Unit(benchmark::kMillisecond);

// The same 100 problems as a sheet, each with its texts and ranges.
Worksheet HundredProblemSheet() {
  Worksheet sheet;
  sheet.title = "Benchmark";
  for (const RenewalInput& p : HundredProblems()) {
    const MadeProblem made = MakeProblem(p.params);
    sheet.problems.push_back({p.params, made.texts ? *made.texts : TPrbl{"Name a prime.", "7"}, false, p.ranges});
  }
  return sheet;
}

void BM_SheetNewNumbers(benchmark::State& state) {
  const Worksheet sheet = HundredProblemSheet();
  std::uint64_t seed = 0;
  for (auto _ : state) {
    const SheetDraw drawn = WithNewNumbers(sheet, ++seed);
    if (!drawn.sheet) state.SkipWithError(drawn.refusal.c_str());
    benchmark::DoNotOptimize(SheetJson(*drawn.sheet));
  }
  state.SetLabel("a sheet of 100 problems renewed, its file written");
}
BENCHMARK(BM_SheetNewNumbers)->Unit(benchmark::kMillisecond);

void BM_SheetTwentySixVersions(benchmark::State& state) {
  const Worksheet sheet = HundredProblemSheet();
  std::uint64_t seed = 0;
  for (auto _ : state) {
    const SheetDraw drawn = WithVersions(sheet, MaxVersions, ++seed);
    if (!drawn.sheet) state.SkipWithError(drawn.refusal.c_str());
    benchmark::DoNotOptimize(SheetJson(*drawn.sheet));
  }
  state.SetLabel("26 versions of a sheet of 100 problems, its file written");
}
BENCHMARK(BM_SheetTwentySixVersions)->Unit(benchmark::kMillisecond);

// Problems whose ranges refuse all 1,000 draws before they are left as they were.
std::vector<RenewalInput> RefusedKinds() {
  Ranges overflow;
  overflow.min = 200;
  overflow.max = 300;
  Ranges wide;
  wide.coef = IntRange{-2147483646, 2147483646};
  wide.lead = IntRange{-2147483646, 2147483646};
  Ranges tooHigh;
  tooHigh.degree = IntRange{4, 9};
  Ranges huge;
  huge.max_num = 2147483646;
  huge.max_den = 2147483646;
  return {
      {IntegerSingleParams{5, 9, 12}, overflow},
      {IntegerCombinedParams{"a/(b-b)", {1, 2}, 2}, {}},
      {FractionPairParams{"1/2", "3/4"}, huge},
      {PolynomialSingleParams{"x", "0"}, wide},
      {PolynomialCombinedParams{"A*B*C", {"x", "x", "x"}}, tooHigh},
      {PolynomialCombinedParams{"A^10", {"x"}}, {}},
  };
}

std::vector<RenewalInput> HundredRefusals() {
  const std::vector<RenewalInput> kinds = RefusedKinds();
  std::vector<RenewalInput> sheet;
  for (std::size_t i = 0; sheet.size() < 100; ++i) sheet.push_back(kinds[i % kinds.size()]);
  return sheet;
}

// The worst sheet: every problem refused after all its draws.
void BM_RefusedSheet(benchmark::State& state) {
  const std::vector<RenewalInput> sheet = HundredRefusals();
  std::uint64_t seed = 0;
  for (auto _ : state) benchmark::DoNotOptimize(RenewAll(sheet, ++seed));
  state.SetLabel("100 problems, 1000 refused draws each");
}
BENCHMARK(BM_RefusedSheet)->Unit(benchmark::kMillisecond);

// One such problem of each kind: where the time of the sheet above goes.
void BM_RefusedProblem(benchmark::State& state) {
  const RenewalInput problem = RefusedKinds()[static_cast<std::size_t>(state.range(0))];
  std::uint64_t seed = 0;
  Renewal last;
  for (auto _ : state) {
    Stream stream(++seed);
    last = Renew(problem.params, problem.ranges, stream);
  }
  state.SetLabel(std::string(KindName(problem.params)) + ", " + std::to_string(last.draws) +
                 " draws");
}
BENCHMARK(BM_RefusedProblem)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
