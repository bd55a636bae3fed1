#include "renewal/renew.h"

#include "numbers/words.h"
#include "panels/failuretexts.h"
#include "renewal/draw.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <variant>

namespace tessaro {

namespace {

// Why a draw was not taken.
enum class Miss {
  TooNarrow,  // the ranges left nothing to draw (a list's different values, a Euclid pair)
  Failure,    // an overflow or "Not calculable" in the answer, or while building a polynomial
  Degree,     // a result of degree above 9
  Refused,    // MakeProblem refused the params
  Count
};

struct Draft {
  std::optional<ProblemParams> params;
  Miss miss = Miss::TooNarrow;
};

Draft Missed(Miss why) { return Draft{std::nullopt, why}; }

std::string Text(std::int32_t v) { return std::to_string(v); }

std::string RangeText(const IntRange& r) { return SpanText(Text(r.lo), Text(r.hi)); }

std::optional<std::string> FractionTextOf(Stream& s, const Ranges& r) {
  const std::optional<Rational> f = DrawFraction(s, *r.max_num, *r.max_den, *r.proper);
  if (!f) return std::nullopt;
  return RatText(*f);
}

// Each kind's params drawn once. Every draw is a statement of its own: the order of the
// arguments of a call is not fixed, and the numbers must not depend on the compiler.
struct Drafter {
  const Ranges& r;
  Stream& s;

  Draft operator()(const TextParams&) { return Missed(Miss::Refused); }

  Draft operator()(IntegerSingleParams p) {
    p.n = static_cast<std::int32_t>(s.Between(*r.min, *r.max));
    return {p};
  }

  Draft operator()(IntegerPairParams p) {
    if (r.euclid_steps) {
      const std::optional<IntegerPair> pair = DrawEuclidPair(s, *r.min, *r.max, *r.euclid_steps);
      if (!pair) return Missed(Miss::TooNarrow);
      p.a = pair->a;
      p.b = pair->b;
      return {p};
    }
    p.a = static_cast<std::int32_t>(s.Between(*r.min, *r.max));
    p.b = DrawNonZero(s, *r.min, *r.max);
    return {p};
  }

  Draft operator()(IntegerListParams p) { return Numbers(p); }
  Draft operator()(IntegerCombinedParams p) { return Numbers(p); }

  template <class P>
  Draft Numbers(P p) {
    std::optional<std::vector<std::int32_t>> numbers =
        DrawDistinct(s, *r.min, *r.max, p.numbers.size());
    if (!numbers) return Missed(Miss::TooNarrow);
    p.numbers = std::move(*numbers);
    return {p};
  }

  // f2 other than f1 (f1 - f2 = 0 teaches little), unless the ranges hold hardly another.
  Draft operator()(FractionPairParams p) {
    std::optional<std::string> f1 = FractionTextOf(s, r);
    if (!f1) return Missed(Miss::TooNarrow);
    std::optional<std::string> f2;
    for (int tries = 0; tries < 64 && (!f2 || *f2 == *f1); ++tries) f2 = FractionTextOf(s, r);
    if (!f2) return Missed(Miss::TooNarrow);
    p.f1 = std::move(*f1);
    p.f2 = std::move(*f2);
    return {p};
  }

  // The Fractions window's list never holds a fraction twice.
  Draft operator()(FractionCombinedParams p) {
    std::vector<std::string> list;
    for (std::size_t i = 0; i < p.fractions.size(); ++i) {
      std::optional<std::string> f;
      for (int tries = 0; tries < 64 && !f; ++tries) {
        f = FractionTextOf(s, r);
        if (f && std::find(list.begin(), list.end(), *f) != list.end()) f.reset();
      }
      if (!f) return Missed(Miss::TooNarrow);
      list.push_back(std::move(*f));
    }
    p.fractions = std::move(list);
    return {p};
  }

  Draft operator()(PolynomialSingleParams p) {
    const std::optional<DrawnPolynomial> drawn = DrawPolynomial(s, r);
    if (!drawn) return Missed(Miss::Failure);
    p.p = PolToText(drawn->p);
    p.x = Text(static_cast<std::int32_t>(s.Between(r.point->lo, r.point->hi)));
    return {p};
  }

  Draft operator()(PolynomialPairParams p) {
    if (r.common_factor.value_or(false)) {
      const std::optional<PolynomialPair> pair = DrawCommonFactorPair(s, r);
      if (!pair) return Missed(Miss::Failure);
      p.a = PolToText(pair->a.p);
      p.b = PolToText(pair->b.p);
      return {p};
    }
    const std::optional<DrawnPolynomial> a = DrawPolynomial(s, r);
    if (!a) return Missed(Miss::Failure);
    const std::optional<DrawnPolynomial> b = DrawPolynomial(s, r);
    if (!b) return Missed(Miss::Failure);
    p.a = PolToText(a->p);
    p.b = PolToText(b->p);
    return {p};
  }

  Draft operator()(PolynomialCombinedParams p) {
    for (std::string& text : p.polynomials) {
      const std::optional<DrawnPolynomial> drawn = DrawPolynomial(s, r);
      if (!drawn) return Missed(Miss::Failure);
      text = PolToText(drawn->p);
    }
    return {p};
  }
};

// The size of the list a kind draws, 0 for the others.
std::size_t ListSize(const ProblemParams& params) {
  if (const auto* p = std::get_if<IntegerListParams>(&params)) return p->numbers.size();
  if (const auto* p = std::get_if<IntegerCombinedParams>(&params)) return p->numbers.size();
  if (const auto* p = std::get_if<FractionCombinedParams>(&params)) return p->fractions.size();
  return 0;
}

struct Advice {
  std::string field, message;
};

// What to change, by the kind and by the commonest reason the draws were not taken. Each
// advice is one sentence to translate; the keys of the ranges, the numbers and the failure
// texts (as the windows show them) are filled in.
Advice AdviceFor(const ProblemParams& params, const Ranges& r, Miss miss,
                 const std::string& refusal) {
  const std::string notCalculable = ShownFailure(NotCalculable);
  switch (FamilyOf(params)) {
    case RangeFamily::Integer: {
      const std::string range = SpanText(Text(*r.min), Text(*r.max));
      if (miss == Miss::TooNarrow && r.euclid_steps)
        //: %1 and %2 are the keys min and max, %3 their span ("50 to 60"), %4 a number of
        //: divisions, %5 the key euclid_steps.
        return {"min", Fill(translate("Renewal", "no pair within %1 and %2 (%3) takes exactly %4 "
                                                 "divisions of Euclid's algorithm. Widen %1 and "
                                                 "%2, or lower %5."),
                            {"min", "max", range, Text(*r.euclid_steps), "euclid_steps"})};
      if (miss == Miss::Failure)
        //: %1 is the text "Not calculable" as the windows show it; %2 and %3 are the keys min
        //: and max, %4 their span ("200 to 300").
        return {"max", Fill(translate("Renewal", "every draw gave a result the program cannot "
                                                 "show (an overflow or \"%1\") within %2 and %3 "
                                                 "(%4). Narrow %2 and %3."),
                            {notCalculable, "min", "max", range})};
      //: %1 is why the program refused the last draw ("expression cannot be calculated"); %2
      //: and %3 are the keys min and max, %4 their span ("1 to 30").
      return {"max", Fill(translate("Renewal", "the program refused every draw (%1) within %2 "
                                               "and %3 (%4). Change %2 and %3."),
                          {refusal, "min", "max", range})};
    }
    case RangeFamily::Fraction: {
      const std::string numerator = Text(*r.max_num), denominator = Text(*r.max_den);
      if (miss == Miss::TooNarrow)
        //: %1 and %2 are the keys max_num and max_den, %3 and %4 their values, %5 the size of
        //: the list.
        return {"max_den", Fill(translate("Renewal", "%1 and %2 (%3 and %4) leave too few "
                                                     "different fractions for a list of %5. "
                                                     "Widen %1 and %2."),
                                {"max_num", "max_den", numerator, denominator,
                                 std::to_string(ListSize(params))})};
      if (miss == Miss::Failure)
        //: %1 is the text "Not calculable" as the windows show it; %2 and %3 are the keys
        //: max_num and max_den, %4 and %5 their values.
        return {"max_den", Fill(translate("Renewal", "every draw gave a result the program "
                                                     "cannot show (an overflow or \"%1\"). "
                                                     "Narrow %2 and %3 (%4 and %5)."),
                                {notCalculable, "max_num", "max_den", numerator, denominator})};
      //: %1 is why the program refused the last draw; %2 and %3 are the keys max_num and
      //: max_den, %4 and %5 their values.
      return {"max_den", Fill(translate("Renewal", "the program refused every draw (%1). Change "
                                                   "%2 and %3 (%4 and %5)."),
                              {refusal, "max_num", "max_den", numerator, denominator})};
    }
    case RangeFamily::Polynomial: {
      const bool roots = r.int_roots.value_or(false);
      const char* others = roots ? "roots" : "coef";
      const std::string lead = RangeText(*r.lead);
      const std::string spread = RangeText(roots ? *r.roots : *r.coef);
      if (miss == Miss::Degree)
        //: %1 is 9, %2 the text "Degree of result >9" as the windows show it, %3 the key
        //: degree, %4 the top of its range.
        return {"degree", Fill(translate("Renewal", "every draw gave a result of degree above %1 "
                                                    "(\"%2\"). Lower the top of %3 (now %4)."),
                               {Text(MaxDegree), ShownFailure(DegreeAbove9), "degree",
                                Text(r.degree->hi)})};
      if (miss == Miss::Failure)
        //: %1 is the text "Not calculable" as the windows show it; %2 and %3 are the keys lead
        //: and coef (or roots), %4 and %5 their spans ("1 to 9"), %6 the key degree.
        return {others, Fill(translate("Renewal", "every draw gave a result the program cannot "
                                                  "show (an overflow or \"%1\"). Narrow %2 and "
                                                  "%3 (%4, %5), or lower %6."),
                             {notCalculable, "lead", others, lead, spread, "degree"})};
      //: %1 is why the program refused the last draw; %2 is the key degree, %3 its span; %4 and
      //: %5 are the keys lead and coef (or roots), %6 and %7 their spans.
      return {"degree", Fill(translate("Renewal", "the program refused every draw (%1). Change %2 "
                                                  "(%3) or %4 and %5 (%6, %7)."),
                             {refusal, "degree", RangeText(*r.degree), "lead", others, lead,
                              spread})};
    }
    case RangeFamily::None:
      break;
  }
  //: %1 is why the program refused the last draw.
  return {"kind", Fill(translate("Renewal", "the program refused every draw (%1)."), {refusal})};
}

Renewal Refuse(const ProblemParams& params, std::string field, std::string message,
               int draws) {
  Renewal out;
  out.outcome = RenewOutcome::Refused;
  out.params = params;
  out.field = std::move(field);
  out.message = std::move(message);
  out.draws = draws;
  return out;
}

}  // namespace

Renewal Renew(const ProblemParams& params, const Ranges& ranges, Stream& stream) {
  if (std::holds_alternative<TextParams>(params)) {
    Renewal kept;
    kept.params = params;
    return kept;
  }
  if (const std::optional<RangeRefusal> refusal = CheckRanges(params, ranges))
    return Refuse(params, refusal->field, RefusalText(*refusal), 0);
  const Ranges r = WithDefaults(params, ranges);

  // A list of different integers needs a range at least as long as the list.
  const std::size_t size = ListSize(params);
  if (FamilyOf(params) == RangeFamily::Integer &&
      std::int64_t{*r.max} - *r.min + 1 < static_cast<std::int64_t>(size))
    //: %1 and %2 are the keys min and max, %3 their span ("1 to 3"), %4 the size of the list.
    return Refuse(params, "max",
                  Fill(translate("Renewal", "%1 to %2 (%3) holds fewer than the %4 different "
                                            "numbers of the list. Widen %1 and %2."),
                       {"min", "max", SpanText(Text(*r.min), Text(*r.max)), std::to_string(size)}),
                  0);

  std::array<int, static_cast<int>(Miss::Count)> misses{};
  std::string lastRefusal;
  // The texts were made in the program's language: a degree above 9 is found in it.
  const std::string degreeAbove9 = ShownFailure(DegreeAbove9);
  for (int draw = 1; draw <= MaxDraws; ++draw) {
    Draft draft = std::visit(Drafter{r, stream}, params);
    if (draft.params) {
      MadeProblem made = MakeProblem(*draft.params);
      if (!made.texts) {
        // A combined polynomial operation beyond degree 9 is refused with that text.
        draft.miss = made.reason.find(degreeAbove9) != std::string::npos ? Miss::Degree
                                                                          : Miss::Refused;
        lastRefusal = FieldRefusal(made.field, made.reason);
      } else if (HoldsFailureText(made.texts->Resp)) {
        draft.miss = made.texts->Resp.find(degreeAbove9) != std::string::npos ? Miss::Degree
                                                                             : Miss::Failure;
      } else {
        Renewal out;
        out.outcome = RenewOutcome::Renewed;
        out.params = std::move(*draft.params);
        out.texts = std::move(*made.texts);
        out.draws = draw;
        return out;
      }
    }
    ++misses[static_cast<int>(draft.miss)];
  }
  const Miss commonest = static_cast<Miss>(
      std::max_element(misses.begin(), misses.end()) - misses.begin());
  const Advice advice = AdviceFor(params, r, commonest, lastRefusal);
  //: %1 is the number of draws made, %2 the advice: what went wrong and which range to change.
  return Refuse(params, advice.field,
                Fill(translate("Renewal", "No new numbers after %1 draws: %2"),
                     {std::to_string(MaxDraws), advice.message}),
                MaxDraws);
}

std::vector<Renewal> RenewAll(const std::vector<RenewalInput>& problems, std::uint64_t seed,
                              std::uint32_t version) {
  std::vector<Renewal> out;
  out.reserve(problems.size());
  for (std::size_t i = 0; i < problems.size(); ++i) {
    Stream stream(StreamSeed(seed, version, static_cast<std::uint32_t>(i)));
    out.push_back(Renew(problems[i].params, problems[i].ranges, stream));
  }
  return out;
}

std::string ProblemRefusal(int number, std::string_view message) {
  //: A refusal of a problem of the sheet: %1 is its number, from 1, %2 the message.
  return Fill(translate("Renewal", "Problem %1: %2"), {std::to_string(number), message});
}

std::string VersionCode(int version) {
  if (version < 1 || version > MaxVersions) return {};
  return std::string(1, static_cast<char>('A' + version - 1));
}

Versions MakeVersions(const std::vector<RenewalInput>& problems, int count, std::uint64_t seed) {
  Versions out;
  if (count < MinVersions || count > MaxVersions) {
    //: %1 and %2 are the fewest and the most versions.
    out.refusal = Fill(translate("Renewal", "The number of versions must be from %1 to %2."),
                       {std::to_string(MinVersions), std::to_string(MaxVersions)});
    return out;
  }
  for (int v = 1; v <= count; ++v) {
    std::vector<Renewal> renewed = RenewAll(problems, seed, static_cast<std::uint32_t>(v));
    for (std::size_t i = 0; i < renewed.size(); ++i) {
      if (renewed[i].outcome != RenewOutcome::Refused) continue;
      Versions refused;
      refused.refusal = ProblemRefusal(static_cast<int>(i) + 1, renewed[i].message);
      refused.refusedProblem = static_cast<int>(i);
      return refused;
    }
    out.versions.push_back({VersionCode(v), std::move(renewed)});
  }
  return out;
}

}  // namespace tessaro
