#include "working/polynomialworking.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "numbers/words.h"
#include "panels/failuretexts.h"
#include "polynomials/coefficient.h"
#include "polynomials/divisors.h"
#include "polynomials/polanalysis.h"
#include "polynomials/polarith.h"
#include "working/stepwords.h"

namespace tessaro {

namespace {

using work::Dot;
using work::Divide;
using work::Str;

constexpr const char* Integral = "\xE2\x88\xAB";
constexpr const char* PlusMinus = "\xC2\xB1";

// The text of c·x^k alone.
std::string Term(Rational c, int k) {
  Polynomial m{};
  PolZero(m);
  m[k] = c;
  return PolToText(m);
}

// A polynomial text as a factor or a subtrahend: in parentheses when it has several terms
// or a sign.
std::string Grouped(const std::string& text) {
  return text.find_first_of("+-", 0) != std::string::npos ? "(" + text + ")" : text;
}

// "P(2) = 0: root".
std::string Root(const std::string& step) {
  //: %1 shows a value 0 of the polynomial: "P(2) = 0".
  return Fill(translate("Working", "%1: root"), {step});
}

// "x^2 ÷ 2x: a coefficient > LONG_MAX".
std::string CoefficientPasses(const std::string& step) {
  //: %1 is a step of a polynomial calculation, %2 is "> LONG_MAX".
  return Fill(translate("Working", "%1: a coefficient %2"), {step, "> LONG_MAX"});
}

// "P(0) = 3, multiplicity of 0: 2".
std::string Multiplicity(const std::string& step, std::int32_t root, int times) {
  //: %1 shows the value of the polynomial at a root after dividing it out ("P(2) = 3"), %2 is
  //: the root, %3 how many times it is one.
  return Fill(translate("Working", "%1, multiplicity of %2: %3"), {step, Str(root), Str(times)});
}

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The cells of one row of a long-division scheme: the terms of p by power, from `top` down.
std::vector<std::string> SchemeRow(const Polynomial& p, int top) {
  std::vector<std::string> cells(static_cast<std::size_t>(top) + 1);
  bool first = true;
  for (int k = top; k >= 0; --k) {
    if (coef::IsZero(p[k])) continue;
    const std::string term = Term(p[k], k);
    cells[static_cast<std::size_t>(top - k)] = (first || term[0] == '-') ? term : "+" + term;
    first = false;
  }
  return cells;
}

void AddSchemeRow(WorkTable& scheme, const Polynomial& p, int top, const std::string& side) {
  std::vector<std::string> row = SchemeRow(p, top);
  row.push_back("|");
  row.push_back(side);
  scheme.rows.push_back(std::move(row));
}

}  // namespace

Working PolDivisionWorking(const Polynomial& a, const Polynomial& b) {
  Working w;
  const std::string aText = PolToText(a), bText = PolToText(b);
  w.Add(Grouped(aText) + " " + Divide + " " + Grouped(bText));
  Polynomial q{}, r{};
  const int code = PolDivMod(a, b, q, r);
  if (code == PolZeroDivisor) {
    w.Add(work::DivisionByZero(bText));
    const std::string failure = ShownFailure(NotCalculable);
    w.Add("Q = " + failure + ", R = " + failure);
    return w;
  }
  const int da = PolDegree(a), db = PolDegree(b);
  std::vector<std::string> steps;
  if (da < db) {
    //: %1 and %2 are polynomials.
    steps.push_back(Fill(translate("Working", "%1 has a lower degree than %2"), {aText, bText}));
  }

  // Each leading term over the divisor's, the product, the rest: the division's own steps.
  Polynomial rest = a;
  WorkTable scheme;
  scheme.align.assign(static_cast<std::size_t>(da) + 1, CellAlign::Right);
  scheme.align.push_back(CellAlign::Left);
  scheme.align.push_back(CellAlign::Left);
  AddSchemeRow(scheme, a, da, bText);
  bool failed = false;
  for (int k = da; k >= db && !failed; --k) {
    if (coef::IsZero(rest[k])) continue;
    const std::string leading = Term(rest[k], k) + " " + Divide + " " + Term(b[db], db);
    Rational t;
    if (!coef::Div(rest[k], b[db], t)) {
      steps.push_back(CoefficientPasses(leading));
      failed = true;
      break;
    }
    steps.push_back(leading + " = " + Term(t, k - db));
    Polynomial product{}, next = rest;
    PolZero(product);
    for (int j = 0; j <= db && !failed; ++j) {
      if (coef::IsZero(b[j])) continue;
      Rational s;
      failed = !coef::Mul(t, b[j], s) || !coef::Sub(next[k - db + j], s, next[k - db + j]);
      product[k - db + j] = s;
    }
    const std::string productHead = Term(t, k - db) + Dot + Grouped(bText);
    if (failed) {
      steps.push_back(CoefficientPasses(productHead));
      break;
    }
    steps.push_back(productHead + " = " + PolToText(product));
    steps.push_back(PolToText(rest) + " - " + Grouped(PolToText(product)) + " = " +
                    PolToText(next));
    Polynomial negated = product;
    for (Rational& c : negated) c.Num = -c.Num;  // products stay within Long_Max
    AddSchemeRow(scheme, negated, da, scheme.rows.size() == 1 ? PolToText(q) : "");
    AddSchemeRow(scheme, next, da, "");
    rest = next;
  }
  const bool done = code >= PolDividesExactly && !failed;
  // The scheme goes before the lines that spell it out.
  if (done && scheme.rows.size() > 1) w.AddTable({}, std::move(scheme));
  for (std::string& line : steps) w.Add(std::move(line));
  if (!done) {
    const std::string over = ShownFailure(CoefficientOverflow);
    w.Add("Q = " + over + ", R = " + over);
    return w;
  }
  w.Add("Q = " + PolToText(q) + ", R = " + PolToText(r));
  return w;
}

Working PolRootsWorking(const Polynomial& p) {
  Working w;
  const std::string pText = PolToText(p);
  RootList found;
  const int count = PolIntRoots(p, found);
  if (!PolIsNonZero(p)) {
    //: %1 is "P = 0".
    w.Add(Fill(translate("Working", "%1: every number is a root"), {"P = 0"}));
  } else {
    IntPolynomial ip{};
    if (!PolToIntScaled(p, ip)) {
      //: %1 is "P = " and the polynomial, %2 is LONG_MAX.
      w.Add(Fill(translate("Working", "%1: an integer multiple passes %2"),
                 {"P = " + pText, "LONG_MAX"}));
      w.Add(ShownFailure(NotCalculable));
      return w;
    }
    // The scale is the LCM of the denominators; the content the hcd of the coefficients.
    const int d = PolDegree(p);
    const std::int32_t scale = ip[d] / p[d].Num * p[d].Den;
    const std::int32_t content = IntPolContent(ip);
    if (scale != 1) w.Add(Str(scale) + Dot + Grouped(pText) + " = " + IntPolToText(ip));
    if (content != 1) {
      IntPolynomial primitive = ip;
      for (std::int32_t& c : primitive) c /= content;
      w.Add(IntPolToText(ip) + " = " + Str(content) + Dot + Grouped(IntPolToText(primitive)));
      ip = primitive;
    }
    w.Add("P = " + IntPolToText(ip));

    // The root 0 as often as the constant term is 0: each time a division by x.
    int zeros = 0;
    while (ip[0] == 0) {
      w.Add(Root("P(0) = 0"));
      IntPolynomial next{};
      std::copy(ip.begin() + 1, ip.end(), next.begin());
      w.Add("P = " + Grouped(IntPolToText(ip)) + " " + Divide + " x = " + IntPolToText(next));
      ip = next;
      ++zeros;
    }
    if (zeros > 0) w.Add(Multiplicity("P(0) = " + Str(ip[0]), 0, zeros));

    // Each divisor s of the constant term as -s, then s, until P is a constant.
    const std::int32_t constant = ip[0];
    const std::int32_t e = std::abs(constant);
    std::vector<std::string> trials;
    std::string tried;
    bool overflow = false;
    for (const std::int32_t s : DivisorsAscending(e)) {
      if (IntPolDegree(ip) == 0 || overflow) break;
      tried += (tried.empty() ? "" : ", ") + std::string(PlusMinus) + Str(s);
      for (const std::int32_t v : {-s, s}) {
        std::int32_t value = IntPolValueAt(ip, v);
        if (value == IntPolOverflow) {
          trials.push_back("P(" + Str(v) + ") > LONG_MAX");
          overflow = true;
          break;
        }
        if (value != 0) {
          trials.push_back("P(" + Str(v) + ") = " + Str(value));
          continue;
        }
        const std::string factor =
            v < 0 ? "(x+" + Str(-std::int64_t{v}) + ")" : "(x-" + Str(v) + ")";
        int multiplicity = 0;
        while (value == 0 && !overflow) {
          trials.push_back(Root("P(" + Str(v) + ") = 0"));
          IntPolynomial next{};
          if (!IntPolDeflate(ip, v, next)) {
            trials.push_back(
                CoefficientPasses("P = " + Grouped(IntPolToText(ip)) + " " + Divide + " " + factor));
            overflow = true;
            break;
          }
          trials.push_back("P = " + Grouped(IntPolToText(ip)) + " " + Divide + " " + factor +
                           " = " + IntPolToText(next));
          ip = next;
          ++multiplicity;
          value = IntPolValueAt(ip, v);
          if (value == IntPolOverflow) {
            trials.push_back("P(" + Str(v) + ") > LONG_MAX");
            overflow = true;
          }
        }
        if (overflow) break;
        trials.push_back(Multiplicity("P(" + Str(v) + ") = " + Str(value), v, multiplicity));
      }
    }
    if (!tried.empty()) {
      //: %1 is the constant term of the polynomial, %2 its divisors: "±1, ±2".
      w.Add(Fill(translate("Working", "constant term %1, divisors tried: %2"),
                 {Str(constant), tried}));
    }
    for (std::string& line : trials) w.Add(std::move(line));
    if (overflow || count < 0) {
      w.Add(ShownFailure(NotCalculable));
      return w;
    }
  }
  const TwoS texts = RootsText(found);
  //: %1 lists the integer roots.
  w.Add(Fill(translate("Working", "roots: %1"), {Trimmed(texts.roots)}));
  const std::string factorization = Trimmed(texts.factorization);
  w.Add(pText + " = " + (factorization.empty() ? pText : factorization));
  return w;
}

Working PolDerivativeWorking(const Polynomial& p) {
  Working w;
  const int d = PolDegree(p);
  for (int i = d; i >= 0; --i) {
    if (coef::IsZero(p[i]) && !(i == 0 && d == 0)) continue;
    const std::string head = "(" + Term(p[i], i) + ")'";
    Rational c{0, p[i].Den};
    if (i > 0 && (!MulOk(i, p[i].Num, c.Num) || !coef::Reduce(c))) {
      w.Add(head + ": " + Str(i) + Dot + Str(p[i].Num) + " > LONG_MAX");
      w.Add(ShownFailure(CoefficientOverflow));
      return w;
    }
    w.Add(head + " = " + (i == 0 ? "0" : Term(c, i - 1)));
  }
  Polynomial derivative{};
  if (PolDerivative(p, derivative) != PolDone) {
    w.Add(ShownFailure(CoefficientOverflow));
    return w;
  }
  const std::string whole = "(" + PolToText(p) + ")' = " + PolToText(derivative);
  if (whole != w.LastLine()) w.Add(whole);
  return w;
}

Working PolIntegralWorking(const Polynomial& p) {
  Working w;
  const int d = PolDegree(p);
  const std::string integrand = std::string(Integral) + " " + Grouped(PolToText(p)) + " dx";
  if (d == MaxDegree) {
    //: %1 is the integral asked for, %2 the degree it would have: "10 > 9".
    w.Add(Fill(translate("Working", "%1: degree %2"), {integrand, Str(d + 1) + " > 9"}));
    w.Add(ShownFailure(DegreeAbove9));
    return w;
  }
  for (int k = d; k >= 0; --k) {
    if (coef::IsZero(p[k])) continue;
    const std::string head = std::string(Integral) + " " + Term(p[k], k) + " dx";
    Rational c{p[k].Num, 0};
    if (!MulOk(k + 1, p[k].Den, c.Den) || !coef::Reduce(c)) {
      w.Add(head + ": " + Str(k + 1) + Dot + Str(p[k].Den) + " > LONG_MAX");
      w.Add(ShownFailure(CoefficientOverflow));
      return w;
    }
    w.Add(head + " = " + Term(c, k + 1));
  }
  Polynomial integral{};
  if (PolIntegral(p, integral) != PolDone) {
    w.Add(ShownFailure(CoefficientOverflow));
    return w;
  }
  w.Add(integrand + " = " + PolToText(integral) + "+C");
  return w;
}

Working PolynomialSingleWorking(const Polynomial& p) {
  Working w = PolRootsWorking(p);
  w.Append(PolDerivativeWorking(p));
  w.Append(PolIntegralWorking(p));
  return w;
}

Working PolynomialPairWorking(const Polynomial& a, const Polynomial& b) {
  return PolDivisionWorking(a, b);
}

}  // namespace tessaro
