#include "problems/kinds.h"

#include "numbers/conversionerror.h"
#include "numbers/letters.h"
#include "numbers/longint.h"
#include "numbers/basetext.h"
#include "numbers/rational.h"
#include "numbers/words.h"
#include "panels/fractionpanel.h"
#include "panels/integerpanel.h"
#include "panels/letteredlist.h"
#include "panels/polynomialpanel.h"
#include "polynomials/poleval.h"
#include "polynomials/polynomial.h"
#include "problems/fractionproblems.h"
#include "problems/integerproblems.h"
#include "problems/polynomialproblems.h"

#include <array>
#include <type_traits>

namespace tessaro {

namespace {

// A param the window would refuse: the problem is not made.
struct Refusal {
  std::string field;
  std::string reason;
};

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// The reasons given in more than one place.
std::string NotAFraction() {
  //: After the name of a field: "f2 is not a fraction".
  return translate("ProblemParams", "is not a fraction");
}
std::string CannotBeCalculated() {
  //: After the name of a field: "expression cannot be calculated".
  return translate("ProblemParams", "cannot be calculated");
}
std::string NoTextsToMake() {
  //: After "kind", the name of a field: "kind has no texts to make" (a typed problem).
  return translate("ProblemParams", "has no texts to make");
}

void InRange(std::int32_t v, std::int32_t lo, std::int32_t hi, const char* field) {
  if (v < lo || v > hi)
    //: After the name of a field: "basis must be from 2 to 201".
    throw Refusal{field, Fill(translate("ProblemParams", "must be from %1 to %2"),
                              {std::to_string(lo), std::to_string(hi)})};
}

void ListSize(std::size_t size, std::size_t lo, std::size_t hi, const char* field) {
  if (size < lo || size > hi)
    //: After the name of a list: "numbers must hold from 2 to 23 items".
    throw Refusal{field, Fill(translate("ProblemParams", "must hold from %1 to %2 items"),
                              {std::to_string(lo), std::to_string(hi)})};
}

void Expression(const std::string& e) {
  //: After the name of a field: "expression is empty".
  if (e.empty()) throw Refusal{"expression", translate("ProblemParams", "is empty")};
}

// A fraction text as the Fractions window's list shows it.
std::string FractionText(const std::string& text, const char* field) {
  Rational r;
  if (!RatFromText(text, r)) throw Refusal{field, NotAFraction()};
  //: After the name of a field: "f1 has denominator 0"; %1 is 0.
  if (r.Den == 0) throw Refusal{field, Fill(translate("ProblemParams", "has denominator %1"), {"0"})};
  return RatText(r);
}

Polynomial PolynomialOf(const std::string& text, const char* field) {
  Polynomial p{};
  if (!PolFromText(text, p)) {
    //: After the name of a field: "a is not a rational polynomial".
    throw Refusal{field, translate("ProblemParams", "is not a rational polynomial")};
  }
  return p;
}

// The fields of the Integers window's single-integer section for N.
void FillSingle(const IntegerSingleParams& p, IntegerProblemInput& in) {
  InRange(p.exponent, 2, 9, "exponent");
  InRange(p.basis, 2, MaxBasis, "basis");
  in.IdN = std::to_string(p.n);
  in.Lexp = std::to_string(p.exponent);
  in.IdBX = std::to_string(p.basis);
  in.IdPot = PowerText(p.n, p.exponent);
  in.IdDF = FactorText(p.n);
  in.IdFctr = FactorialText(p.n);
  in.IdHex = HexText(p.n);
  in.IdBin = BaseText(p.n, 2);
  in.IdOct = BaseText(p.n, 8);
  in.IdX = BaseText(p.n, p.basis);
  in.Tps[0] = true;
}

void FillPair(const IntegerPairParams& p, IntegerProblemInput& in) {
  InRange(p.decimals, 1, 9, "decimals");
  const TwoIntTexts t = TwoIntResults(p.a, p.b, p.decimals);
  in.IdA = std::to_string(p.a);
  in.IdB = std::to_string(p.b);
  in.IdM = t.Prod;
  in.IdD = t.FloatDiv;
  in.IdQ = t.Quot;
  in.IdR = t.Rem;
  in.IdMCD = t.Hcd;
  in.IdMCM = t.Lcm;
  in.Tps[1] = true;
}

void FillCombined(const IntegerCombinedParams& p, IntegerProblemInput& in) {
  Expression(p.expression);
  ListSize(p.numbers.size(), 0, IntegerListRules().capacity, "numbers");
  InRange(p.decimals, 1, 9, "decimals");
  const std::string replaced = CombinedText(p.expression, p.numbers);
  const CombinedTexts r = CombinedResults(replaced, p.decimals);
  if (!r.Ok) throw Refusal{"expression", CannotBeCalculated()};
  in.IdOC = p.expression;
  in.EtOC = replaced;
  in.IdROC1 = r.Rational;
  in.IdROC2 = r.Float;
  in.UsedLetters = std::string(ItemLetters.substr(0, p.numbers.size()));
  in.Nums = p.numbers;
  in.Tps[2] = true;
}

void FillList(const IntegerListParams& p, IntegerProblemInput& in) {
  ListSize(p.numbers.size(), 2, IntegerListRules().capacity, "numbers");
  const SelectionTexts t = SelectionResults(p.numbers);
  in.EtMCDn = t.Hcd;
  in.EtMCMn = t.Lcm;
  in.Sels = p.numbers;
  in.Tps[3] = true;
}

void FillFractionPair(const FractionPairParams& p, FractionTexts& t) {
  const std::string f1 = FractionText(p.f1, "f1");
  const std::string f2 = FractionText(p.f2, "f2");
  const BinaryResults r = BinaryOperations(f1, f2);
  if (r.Outcome != BinaryOutcome::Done) throw Refusal{"f2", NotAFraction()};
  t.F1 = f1;
  t.F2 = f2;
  t.Labels = BinaryLabels("f1", "f2");
  t.Results = r.Cells;
}

void FillFractionCombined(const FractionCombinedParams& p, FractionTexts& t) {
  Expression(p.expression);
  ListSize(p.fractions.size(), 0, FractionListRules().capacity, "fractions");
  t.List.clear();
  for (const std::string& f : p.fractions) t.List.push_back(FractionText(f, "fractions"));
  t.TxtOC = p.expression;
  t.EtOC = ReplaceLetters(p.expression, t.List);
  const std::optional<std::string> value = CombinedValue(t.EtOC);
  if (!value) throw Refusal{"expression", CannotBeCalculated()};
  t.IdROC = *value;
}

void FillPolynomialSingle(const PolynomialSingleParams& p, PolShown& s) {
  const Polynomial pol = PolynomialOf(p.p, "p");
  const PolUnaryTexts t = UnaryTextsOf(pol);
  s.pol = p.p;
  s.x = p.x;
  s.value = PolValueText(pol, p.x);
  s.roots = t.roots;
  s.factorization = t.factorization;
  s.derivative = t.derivative;
  s.integral = t.integral;
}

void FillPolynomialPair(const PolynomialPairParams& p, PolShown& s) {
  const PolBinaryTexts t = BinaryTextsOf(PolynomialOf(p.a, "a"), PolynomialOf(p.b, "b"));
  s.a = p.a;
  s.b = p.b;
  s.sum = t.sum;
  s.difference = t.difference;
  s.product = t.product;
  s.quotient = t.quotient;
  s.remainder = t.remainder;
  s.hcd = t.hcd;
  s.lcm = t.lcm;
  s.binaryDone = true;
}

void FillPolynomialCombined(const PolynomialCombinedParams& p, PolShown& s) {
  Expression(p.expression);
  ListSize(p.polynomials.size(), 0, PolynomialListRules().capacity, "polynomials");
  std::vector<Polynomial> list;
  s.list.clear();
  for (std::size_t i = 0; i < p.polynomials.size(); ++i) {
    list.push_back(PolynomialOf(p.polynomials[i], "polynomials"));
    s.list.push_back({std::string(1, Letters[i]), PolToText(list.back())});
  }
  Polynomial result{};
  const int code = PolEval(p.expression, list, result);
  if (code != EvalDone) throw Refusal{"expression", CombinedTextOf(code, result).text};
  s.expression = p.expression;
  s.combined = CombinedTextOf(code, result).text;
  s.combinedDone = true;
}

TPrbl Make(const ProblemParams& params) {
  return std::visit(
      Overloaded{
          [](const TextParams&) -> TPrbl { throw Refusal{"kind", NoTextsToMake()}; },
          [](const IntegerSingleParams& p) {
            IntegerProblemInput in;
            FillSingle(p, in);
            return IntegerProblem(PrOne, in);
          },
          [](const IntegerPairParams& p) {
            IntegerProblemInput in;
            FillPair(p, in);
            return IntegerProblem(PrTwo, in);
          },
          [](const IntegerListParams& p) {
            IntegerProblemInput in;
            FillList(p, in);
            return IntegerProblem(PrList, in);
          },
          [](const IntegerCombinedParams& p) {
            IntegerProblemInput in;
            FillCombined(p, in);
            return IntegerProblem(PrCombined, in);
          },
          [](const FractionPairParams& p) {
            FractionTexts t;
            FillFractionPair(p, t);
            return FractionProblem(t, FractionProblemMode::Binary);
          },
          [](const FractionCombinedParams& p) {
            FractionTexts t;
            FillFractionCombined(p, t);
            return FractionProblem(t, FractionProblemMode::Combined);
          },
          [](const PolynomialSingleParams& p) {
            PolShown s;
            FillPolynomialSingle(p, s);
            return PolMenuProblem(PolProblemKind::Unary, s);
          },
          [](const PolynomialPairParams& p) {
            PolShown s;
            FillPolynomialPair(p, s);
            return PolMenuProblem(PolProblemKind::Binary, s);
          },
          [](const PolynomialCombinedParams& p) {
            PolShown s;
            FillPolynomialCombined(p, s);
            return PolMenuProblem(PolProblemKind::Combined, s);
          },
      },
      params);
}

enum class Theme { None, Integers, Fractions, Polynomials };

Theme ThemeOf(const ProblemParams& p) {
  switch (p.index()) {
    case 1: case 2: case 3: case 4: return Theme::Integers;
    case 5: case 6: return Theme::Fractions;
    case 7: case 8: case 9: return Theme::Polynomials;
    default: return Theme::None;
  }
}

TPrbl MakeAll(const std::vector<ProblemParams>& sections) {
  //: After "kind", the name of a field: "kind has no sections".
  if (sections.empty()) throw Refusal{"kind", translate("ProblemParams", "has no sections")};
  const Theme theme = ThemeOf(sections.front());
  for (const ProblemParams& p : sections)
    //: After "kind", the name of a field: "kind mixes themes" (integers with fractions...).
    if (ThemeOf(p) != theme) throw Refusal{"kind", translate("ProblemParams", "mixes themes")};
  switch (theme) {
    case Theme::Integers: {
      IntegerProblemInput in;
      for (const ProblemParams& p : sections) {
        if (auto* s = std::get_if<IntegerSingleParams>(&p)) FillSingle(*s, in);
        if (auto* s = std::get_if<IntegerPairParams>(&p)) FillPair(*s, in);
        if (auto* s = std::get_if<IntegerCombinedParams>(&p)) FillCombined(*s, in);
        if (auto* s = std::get_if<IntegerListParams>(&p)) FillList(*s, in);
      }
      return IntegerProblem(PrAll, in);
    }
    case Theme::Fractions: {
      FractionTexts t;
      bool pair = false, combined = false;
      for (const ProblemParams& p : sections) {
        if (auto* s = std::get_if<FractionPairParams>(&p)) FillFractionPair(*s, t), pair = true;
        if (auto* s = std::get_if<FractionCombinedParams>(&p))
          FillFractionCombined(*s, t), combined = true;
      }
      if (!pair || !combined) {
        //: After "kind", the name of a field: "kind needs both fraction sections".
        throw Refusal{"kind", translate("ProblemParams", "needs both fraction sections")};
      }
      return FractionProblem(t, FractionProblemMode::All);
    }
    case Theme::Polynomials: {
      PolShown s;
      bool pair = false, combined = false;
      for (const ProblemParams& p : sections) {
        if (auto* x = std::get_if<PolynomialSingleParams>(&p)) FillPolynomialSingle(*x, s);
        if (auto* x = std::get_if<PolynomialPairParams>(&p)) FillPolynomialPair(*x, s), pair = true;
        if (auto* x = std::get_if<PolynomialCombinedParams>(&p))
          FillPolynomialCombined(*x, s), combined = true;
      }
      if (!pair || !combined) {
        //: After "kind", the name of a field: "kind needs the pair and combined sections".
        throw Refusal{"kind", translate("ProblemParams", "needs the pair and combined sections")};
      }
      return PolMenuProblem(PolProblemKind::All, s);
    }
    case Theme::None:
      break;
  }
  throw Refusal{"kind", NoTextsToMake()};
}

template <class F>
MadeProblem Guard(F make) {
  MadeProblem made;
  try {
    made.texts = make();
  } catch (const Refusal& r) {
    made.field = r.field;
    made.reason = r.reason;
  } catch (const ConversionError& e) {
    // A number beyond 32 bits in a text param: the window's own message says which.
    made.field = "params";
    made.reason = e.what();
  }
  return made;
}

constexpr std::array<std::string_view, std::variant_size_v<ProblemParams>> KindNames = {
    "text",          "integer-single",    "integer-pair",      "integer-list",
    "integer-combined", "fraction-pair",  "fraction-combined", "polynomial-single",
    "polynomial-pair", "polynomial-combined"};

template <std::size_t... I>
std::optional<ProblemParams> ParamsAt(std::size_t index, std::index_sequence<I...>) {
  std::optional<ProblemParams> out;
  ((index == I ? (out = ProblemParams(std::in_place_index<I>), 0) : 0), ...);
  return out;
}

}  // namespace

std::string_view KindName(const ProblemParams& params) { return KindNames[params.index()]; }

std::optional<ProblemParams> ParamsOfKind(std::string_view name) {
  for (std::size_t i = 0; i < KindNames.size(); ++i)
    if (KindNames[i] == name)
      return ParamsAt(i, std::make_index_sequence<std::variant_size_v<ProblemParams>>());
  return std::nullopt;
}

std::string FieldRefusal(std::string_view field, std::string_view reason) {
  //: A field and what is wrong with it: "f2 is not a fraction". %1 is the field's name as the
  //: files write it (kept as it is), %2 the reason ("is not a fraction"); order them and add
  //: words as your language needs.
  return Fill(translate("ProblemParams", "%1 %2"), {field, reason});
}

MadeProblem MakeProblem(const ProblemParams& params) {
  return Guard([&] { return Make(params); });
}

MadeProblem MakeAllProblem(const std::vector<ProblemParams>& sections) {
  return Guard([&] { return MakeAll(sections); });
}

MadeShown MakeShownProblem(const std::vector<ProblemParams>& sections, bool all) {
  if (sections.empty()) return {};
  ShownProblem shown;
  for (const ProblemParams& params : sections) {
    MadeProblem part = MakeProblem(params);
    if (!part.texts) return {std::nullopt, std::move(part.field), std::move(part.reason)};
    shown.parts.push_back({params, std::move(*part.texts)});
  }
  if (!all) {
    shown.texts = shown.parts.front().texts;
    return {std::move(shown), {}, {}};
  }
  MadeProblem joined = MakeAllProblem(sections);
  if (!joined.texts) return {std::nullopt, std::move(joined.field), std::move(joined.reason)};
  shown.texts = std::move(*joined.texts);
  return {std::move(shown), {}, {}};
}

}  // namespace tessaro
