#include "problems/workingtext.h"

#include <type_traits>

#include "numbers/conversionerror.h"
#include "numbers/letters.h"
#include "numbers/rational.h"
#include "numbers/words.h"
#include "panels/integerpanel.h"
#include "polynomials/polynomial.h"
#include "working/combinedworking.h"
#include "working/fractionworking.h"
#include "working/integerworking.h"
#include "working/polynomialworking.h"

namespace tessaro {

namespace {

// The fraction texts as the Fractions window lists them (RatText of what was typed).
std::vector<std::string> FractionTexts(const std::vector<std::string>& typed) {
  std::vector<std::string> texts;
  for (const std::string& t : typed) {
    Rational r;
    RatFromText(t, r);
    texts.push_back(RatText(r));
  }
  return texts;
}

Polynomial PolynomialOf(const std::string& text) {
  Polynomial p{};
  PolFromText(text, p);
  return p;
}

Working Make(const ProblemParams& params) {
  return std::visit(
      [](const auto& p) -> Working {
        using P = std::decay_t<decltype(p)>;
        if constexpr (std::is_same_v<P, IntegerSingleParams>) {
          return IntegerSingleWorking(p.n, p.basis);
        } else if constexpr (std::is_same_v<P, IntegerPairParams>) {
          return IntegerPairWorking(p.a, p.b);
        } else if constexpr (std::is_same_v<P, IntegerListParams>) {
          return ListHcdLcmWorking(p.numbers);
        } else if constexpr (std::is_same_v<P, IntegerCombinedParams>) {
          return IntegerCombinedWorking(CombinedText(p.expression, p.numbers));
        } else if constexpr (std::is_same_v<P, FractionPairParams>) {
          const std::vector<std::string> f = FractionTexts({p.f1, p.f2});
          return FractionPairWorking(f[0], f[1]);
        } else if constexpr (std::is_same_v<P, FractionCombinedParams>) {
          return FractionCombinedWorking(ReplaceLetters(p.expression, FractionTexts(p.fractions)));
        } else if constexpr (std::is_same_v<P, PolynomialSingleParams>) {
          return PolynomialSingleWorking(PolynomialOf(p.p));
        } else if constexpr (std::is_same_v<P, PolynomialPairParams>) {
          return PolynomialPairWorking(PolynomialOf(p.a), PolynomialOf(p.b));
        } else if constexpr (std::is_same_v<P, PolynomialCombinedParams>) {
          std::vector<Polynomial> list;
          for (const std::string& text : p.polynomials) list.push_back(PolynomialOf(text));
          return PolynomialCombinedWorking(p.expression, list);
        } else {
          return {};  // a text problem
        }
      },
      params);
}

}  // namespace

Working WorkingOf(const ProblemParams& params) {
  // Only what makes a problem has a working: the same checks, the same refusals.
  if (!MakeProblem(params).texts) return {};
  try {
    return Make(params);
  } catch (const ConversionError&) {
    return {};  // MakeProblem has refused such a text already; nothing to show
  }
}

std::vector<std::string> WorkingLines(const ProblemParams& params) {
  return WorkingOf(params).Lines();
}

std::string AnswerWithWorking(std::string_view answer, const std::vector<ProblemPart>& parts) {
  std::string lines;
  for (const ProblemPart& part : parts) {
    const std::vector<std::string> section = WorkingLines(part.params);
    if (section.empty()) continue;
    if (!lines.empty()) lines += "\r\n";
    for (const std::string& line : section) lines += line + "\r\n";
  }
  std::string out(answer);
  if (lines.empty()) return out;
  if (!out.empty() && !out.ends_with("\r\n")) out += "\r\n";
  //: The heading of the steps after an answer.
  return out + translate("Problems", "Working:") + "\r\n" + lines;
}

}  // namespace tessaro
