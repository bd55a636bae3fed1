// A sheet of 500 problems, 50 of every kind with heavy params (degree-9 polynomials, a
// 23-number list, the largest bases), read from a file without its texts so that every
// text is made, then exported to each format. PDF must take under 2 s, the text formats
// under 100 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <string>

#include "sheetwindow/sheetexport.h"
#include "worksheets/sheetfile.h"
#include "worksheets/writers.h"

namespace tessaro {
namespace {

// The sheet's file: every problem with its kind and params only.
std::string FileWithoutTexts() {
  std::string problems;
  const auto add = [&problems](const std::string& kind, const std::string& params) {
    problems += std::string(problems.empty() ? "" : ",\n") + R"({"kind": ")" + kind +
                R"(", "params": )" + params + "}";
  };
  for (int i = 0; i < 50; ++i) {
    const std::string n = std::to_string(2147483647 - 7919 * i);
    add("integer-single", R"({"n": )" + n + R"(, "exponent": 9, "basis": )" + std::to_string(150 + i) + "}");
    add("integer-pair", R"({"a": )" + n + R"(, "b": )" + std::to_string(97 + i) + R"(, "decimals": 9})");
    std::string list;
    for (int k = 0; k < 23; ++k) list += (k ? ", " : "") + std::to_string(360360 + 720 * (k + i));
    add("integer-list", R"({"numbers": [)" + list + "]}");
    add("integer-combined", R"({"expression": "(a+b)*c-d/e+f^2", "numbers": [12, 18, 5, 7, 3, )" +
                                std::to_string(i + 2) + R"(], "decimals": 4})");
    add("fraction-pair", R"({"f1": ")" + std::to_string(i + 1) + R"(/97", "f2": "-35/)" +
                             std::to_string(i + 2) + R"("})");
    add("fraction-combined", R"({"expression": "(a+b)*c/d-e", "fractions": ["1/2", "3/4", "5/6", "-7/8", ")" +
                                 std::to_string(i + 1) + R"(/9"]})");
    add("polynomial-single",
        R"({"p": "x^9-3x^8+2/3x^7-x^5+)" + std::to_string(i + 1) + R"(x^2-x+6", "x": "-3/2"})");
    add("polynomial-pair", R"({"a": "x^9-1", "b": "x^4-)" + std::to_string(i + 1) + R"(x^2+1"})");
    add("polynomial-combined",
        R"({"expression": "A*B-C^2", "polynomials": ["x^3-2x+1", "x^4+x", "1/2x^2-)" +
            std::to_string(i + 1) + R"("]})");
    add("text", R"({}, "question": "Name a prime between 10 and 20.", "answer": "11, 13, 17, 19")");
  }
  return R"({"format": "tessaro-worksheet", "version": 1, "title": "Benchmark", "problems": [)" +
         problems + "]}";
}

const Worksheet& TheSheet() {
  static const Worksheet sheet = *ParseSheet(FileWithoutTexts(), "bench.tsheet").sheet;
  return sheet;
}

void BM_OpenMakingEveryText(benchmark::State& state) {
  const std::string file = FileWithoutTexts();
  for (auto _ : state) {
    const SheetRead read = ParseSheet(file, "bench.tsheet");
    if (!read.sheet || read.sheet->problems.size() != 500) state.SkipWithError(read.error.c_str());
    benchmark::DoNotOptimize(read);
  }
}
BENCHMARK(BM_OpenMakingEveryText)->Unit(benchmark::kMillisecond);

void BM_SaveJson(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(SheetJson(TheSheet()));
}
BENCHMARK(BM_SaveJson)->Unit(benchmark::kMillisecond);

void Export(benchmark::State& state, ExportFormat format, const char* name) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QString::fromUtf8(name));
  for (auto _ : state) {
    const QString failed = ExportSheet(TheSheet(), {}, format, path);
    if (!failed.isEmpty()) state.SkipWithError("the export failed");
  }
}
BENCHMARK_CAPTURE(Export, txt, ExportFormat::Txt, "s.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, gift, ExportFormat::Gift, "s.gift")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, tex, ExportFormat::Tex, "s.tex")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, odt, ExportFormat::Odt, "s.odt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, pdf, ExportFormat::Pdf, "s.pdf")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro

int main(int argc, char** argv) {
  // The pages are laid out with the fonts of a GUI application, on no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
