#include "panels/integerpanel.h"

#include "numbers/conversionerror.h"
#include "numbers/numbers.h"
#include "numbers/words.h"
#include "panels/failuretexts.h"

#include <algorithm>
#include <climits>

namespace tessaro {

namespace {

const std::string Overflow(IntOverflow);
// What PowOk and Lcm give for a result beyond Long_Max.
constexpr std::int32_t Overflowed = 0;

std::string CheckedText(std::int64_t v) {
  return (v > Long_Max || v < -std::int64_t{Long_Max}) ? Overflow : std::to_string(v);
}

// The hcd of |a| and |b| is 2147483648, beyond 32 bits, exactly when both are
// -2147483648 or 0 and not both 0.
bool HcdFits(std::int32_t a, std::int32_t b) {
  const bool aBig = a == INT32_MIN || a == 0;
  const bool bBig = b == INT32_MIN || b == 0;
  return !(aBig && bBig && (a != 0 || b != 0));
}

}  // namespace

std::string PowerText(std::int32_t n, std::int32_t k) {
  if (n == 0) return "0";
  const std::int32_t p = PowOk(n, k);
  return p == Overflowed ? ShownFailure(NotCalculable) : std::to_string(p);
}

std::string FactorialText(std::int32_t n) {
  if (n < 0) return " " + NotCalculableBecause("N< 0");
  if (n > 160) return " " + NotCalculableBecause("N> 160");
  return FloatText(Fact(n));
}

BasisCheck ReadBasis(std::string_view text, std::int32_t& basis) {
  if (text.empty()) return BasisCheck::Empty;
  // IntOfText alone would take "x10" or " 12"; a basis is written in decimal digits.
  if (!IsIntText(text)) throw ConversionError(text);
  const std::int32_t b = IntOfText(text);
  if (b < 2 || b > MaxBasis) return BasisCheck::Refused;
  basis = b;
  return BasisCheck::Valid;
}

std::string BasisRefusal(std::string_view text) {
  //: %1 is the number typed as a basis.
  return Fill(translate("Integers", "%1 isn't a valid basis"), {text});
}

TwoIntTexts TwoIntResults(std::int32_t n1, std::int32_t n2, int decimals) {
  TwoIntTexts t;
  // Sums and differences of two 32-bit values always fit 64 bits.
  t.Sum = CheckedText(std::int64_t{n1} + n2);
  t.Diff = CheckedText(std::int64_t{n1} - n2);
  std::int32_t product = 0;
  t.Prod = MulOk(n1, n2, product) ? std::to_string(product) : Overflow;
  t.Quot = "-";
  t.Rem = "-";
  if (n2 != 0) {
    t.Divided = true;
    t.FloatDiv = FloatTextDec(static_cast<long double>(n1) / n2, decimals);
    // Truncating division in 64 bits: -2147483648 / -1 is 2147483648, beyond 32 bits.
    const std::int64_t q = std::int64_t{n1} / n2;
    t.Quot = q > INT32_MAX ? Overflow : std::to_string(q);
    t.Rem = std::to_string(std::int64_t{n1} - std::int64_t{n2} * q);
  } else {
    //: The quotient n1/n2 shown for n2 = 0.
    t.FloatDiv = translate("Integers", "infinite");
  }
  t.Hcd = HcdFits(n1, n2) ? std::to_string(Hcd(n1, n2)) : Overflow;
  if (n1 == 0 || n2 == 0) {
    t.Lcm = "0";
  } else {
    const std::int32_t l = Lcm(n1, n2);
    t.Lcm = l == Overflowed ? Overflow : std::to_string(l);
  }
  return t;
}

std::int32_t DrawOperand() { return Rnd(10) + 1; }

SelectionTexts SelectionResults(const std::vector<std::int32_t>& values) {
  std::int32_t h = 0;
  bool hBig = false;  // h stands for 2147483648
  std::int32_t l = 1;
  bool zero = false;
  bool overflow = false;
  for (std::int32_t v : values) {
    if (hBig) {
      // hcd(2147483648, v) is hcd(-2147483648, v), unless v leaves it unchanged.
      if (v != 0 && v != INT32_MIN) {
        h = Hcd(INT32_MIN, v);
        hBig = false;
      }
    } else if (HcdFits(h, v)) {
      h = Hcd(h, v);
    } else {
      hBig = true;
    }
    if (v == 0) {
      zero = true;
    } else if (!overflow) {
      l = Lcm(l, v);
      overflow = l == Overflowed;
    }
  }
  SelectionTexts t;
  t.Hcd = hBig ? std::string(ListOverflow) : std::to_string(h);
  // A zero operand makes the LCM 0, whatever the others are.
  t.Lcm = zero ? "0" : overflow ? std::string(ListOverflow) : std::to_string(l);
  return t;
}

std::string ListRowText(std::int32_t v) {
  return std::to_string(v) + std::string(18, ' ') + HexText(v);
}

std::int32_t DrawListNumber(const std::vector<std::int32_t>& stored) {
  const std::int32_t range = Rnd(10) > 7 ? 200 : 30;
  for (;;) {
    const std::int32_t v = Rnd(range) + 1;
    if (std::find(stored.begin(), stored.end(), v) == stored.end()) return v;
  }
}

std::string CombinedText(std::string_view expression, const std::vector<std::int32_t>& nums) {
  std::vector<std::string> texts;
  texts.reserve(nums.size());
  for (std::int32_t v : nums) texts.push_back(std::to_string(v));
  return ReplaceLetters(expression, texts);
}

CombinedTexts CombinedResults(std::string_view replaced, int decimals) {
  CombinedTexts t;
  Rational r;
  if (!RatEval(replaced, r) || r.Den == 0) return t;
  t.Ok = true;
  t.Rational = RatText(r);
  t.Float = FloatTextDec(static_cast<long double>(r.Num) / r.Den, decimals);
  return t;
}

}  // namespace tessaro
