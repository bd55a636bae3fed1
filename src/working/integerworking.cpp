#include "working/integerworking.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <string>

#include "numbers/numbers.h"
#include "numbers/words.h"
#include "panels/failuretexts.h"
#include "panels/integerpanel.h"
#include "working/stepwords.h"

namespace tessaro {

namespace {

using work::Dot;
using work::Divide;
using work::Factor;
using work::Str;

const std::string PairOverflow(IntOverflow);
const std::string ListEnd = " " + std::string(ListOverflow);  // after a blank in a line

// Magnitudes in 64 bits: |-2147483648| is no 32-bit value.
std::int64_t Magnitude(std::int64_t v) { return v < 0 ? -v : v; }

std::string Joined(const std::vector<std::int32_t>& values) {
  std::string text;
  for (std::int32_t v : values) text += (text.empty() ? "" : ",") + Str(v);
  return text;
}

// Euclid's divisions of the magnitudes x and y, larger first, after a first line for negative
// operands; the hcd's own line is left to the caller. Returns the hcd.
std::int64_t EuclidLines(std::int64_t a, std::int64_t b, Working& w) {
  const std::int64_t x = Magnitude(a), y = Magnitude(b);
  if (a < 0 || b < 0) {
    const std::string hcd = HcdName();
    w.Add(hcd + "(" + Str(a) + "," + Str(b) + ") = " + hcd + "(" + Str(x) + "," + Str(y) + ")");
  }
  if (x == 0 || y == 0) return x + y;
  std::int64_t big = std::max(x, y), small = std::min(x, y);
  while (small != 0) {
    const std::int64_t q = big / small, r = big % small;
    w.Add(Str(big) + " = " + Str(q) + Dot + Str(small) + " + " + Str(r));
    big = small;
    small = r;
  }
  return big;
}

std::string HcdHead(std::int64_t a, std::int64_t b) {
  return HcdName() + "(" + Str(Magnitude(a)) + "," + Str(Magnitude(b)) + ")";
}

// "LCM(l,v) = l·|v| ÷ g = m" for the LCM of l >= 1 and v != 0; false, after the line that
// says so, when m passes Long_Max.
bool LcmLine(const std::string& head, std::int64_t l, std::int64_t v, Working& w,
             std::int64_t& lcm) {
  const std::int64_t m = Magnitude(v);
  const std::int64_t g = std::gcd(l, m);
  lcm = l / g * m;  // below 2^62
  if (lcm > Long_Max) {
    w.Add(head + PairOverflow);
    return false;
  }
  w.Add(head + " = " + Str(l) + Dot + Str(m) + " " + Divide + " " + Str(g) + " = " + Str(lcm));
  return true;
}

}  // namespace

Working HcdLcmWorking(std::int32_t a, std::int32_t b) {
  Working w;
  const std::int64_t g = EuclidLines(a, b, w);
  w.Add(HcdHead(a, b) + (g > INT32_MAX ? PairOverflow : " = " + Str(g)));
  const std::string lcmHead = LcmName() + "(" + Str(a) + "," + Str(b) + ")";
  if (a == 0 || b == 0) {
    w.Add(lcmHead + " = 0");
  } else {
    std::int64_t lcm = 0;
    LcmLine(lcmHead, Magnitude(a), b, w, lcm);
  }
  return w;
}

Working ListHcdLcmWorking(const std::vector<std::int32_t>& numbers) {
  Working w;
  if (numbers.empty()) return w;
  const std::string list = Joined(numbers);

  // hcd(v0,v1), then hcd(that,v2), ...; an hcd of 2147483648, the one that no 32-bit value
  // holds, may come back below it.
  std::int64_t g = Magnitude(numbers[0]);
  std::int64_t left = numbers[0];
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    g = EuclidLines(left, numbers[i], w);
    w.Add(HcdHead(left, numbers[i]) + " = " + Str(g));
    left = g;
  }
  // The summaries of a pair would repeat its last lines, unless the panel has only its
  // overflow text to show.
  const bool pair = numbers.size() <= 2;
  if (!pair || g > INT32_MAX) {
    w.Add(HcdName() + "(" + list + ")" + (g > INT32_MAX ? ListEnd : " = " + Str(g)));
  }

  const std::string lcmHead = LcmName() + "(" + list + ")";
  if (std::find(numbers.begin(), numbers.end(), 0) != numbers.end()) {
    w.Add(lcmHead + " = 0");
    return w;
  }
  std::int64_t l = Magnitude(numbers[0]);
  bool fits = l <= Long_Max;
  if (!fits) w.Add("|" + Str(numbers[0]) + "| = " + Str(l) + PairOverflow);
  std::string last = Str(numbers[0]);
  for (std::size_t i = 1; i < numbers.size() && fits; ++i) {
    fits = LcmLine(LcmName() + "(" + last + "," + Str(numbers[i]) + ")", l, numbers[i], w, l);
    last = Str(l);
  }
  if (!pair || !fits) w.Add(lcmHead + (fits ? " = " + Str(l) : ListEnd));
  return w;
}

Working FactorLadderWorking(std::int32_t n) {
  Working w;
  if (n == 0 || n == 1) {
    //: %1 is 0.
    const std::string zero = translate("Working", "%1 has no prime factorization");
    //: %1 is 1.
    const std::string one = translate("Working", "%1 has no prime factor");
    w.Add(Fill(n == 0 ? zero : one, {Str(n)}));
    return w;
  }
  if (n == -1) {
    w.Add("-1 = -1");
    return w;
  }
  // The trial division of the factorization: p = 2, 3, 4, ... up to the square root of |n|.
  const std::int64_t m = Magnitude(n);
  WorkTable ladder{{CellAlign::Right, CellAlign::Left, CellAlign::Left}, {}};
  std::int64_t rest = m;
  for (std::int64_t p = 2; p * p <= m && rest > 1; ++p) {
    while (rest % p == 0) {
      ladder.rows.push_back({Str(rest), "|", Str(p)});
      rest /= p;
    }
  }
  if (rest > 1) ladder.rows.push_back({Str(rest), "|", Str(rest)});
  ladder.rows.push_back({"1", "|", ""});
  std::vector<std::string> lines = TableLines(ladder);
  w.AddTable(std::move(lines), std::move(ladder));
  w.Add(Str(n) + " = " + FactorText(n));
  return w;
}

Working BaseChangeWorking(std::int32_t n, std::int32_t basis) {
  Working w;
  if (basis < 2 || basis > MaxBasis) {
    w.Add(BasisRefusal(Str(basis)));
    return w;
  }
  // Divide until the quotient is 0; the remainders are the digits, the last one first.
  WorkTable table{{CellAlign::Right, CellAlign::Left, CellAlign::Right, CellAlign::Left,
                   CellAlign::Left, CellAlign::Right, CellAlign::Left},
                  {}};
  std::vector<std::string> lines;
  std::int64_t m = Magnitude(n);
  do {
    const std::int64_t q = m / basis, r = m % basis;
    const std::string digit =
        r >= 10 ? "(" + BaseText(static_cast<std::int32_t>(r), basis) + ")" : "";
    lines.push_back(Str(m) + " = " + Str(q) + Dot + Str(basis) + " + " + Str(r) +
                    (digit.empty() ? "" : " " + digit));
    table.rows.push_back({Str(m), "=", Str(q), Dot + Str(basis), "+", Str(r), digit});
    m = q;
  } while (m > 0);
  w.AddTable(std::move(lines), std::move(table));
  //: %1 is a number written in another basis ("255 = FF"), %2 that basis (16).
  w.Add(Fill(translate("Working", "%1 (basis %2)"), {Str(n) + " = " + BaseText(n, basis), Str(basis)}));
  return w;
}

Working IntegerDivisionWorking(std::int32_t a, std::int32_t b) {
  Working w;
  if (b == 0) {
    w.Add(work::DivisionByZero(Str(a) + " " + Divide + " 0"));
    return w;
  }
  // Truncating division: the remainder takes the sign of a.
  const std::int64_t q = std::int64_t{a} / b;
  const std::int64_t r = std::int64_t{a} - std::int64_t{b} * q;
  if (q > INT32_MAX) {
    w.Add(Str(a) + " " + Divide + " " + Factor(b) + " = " + Str(q) + PairOverflow);
    return w;
  }
  w.Add(Str(a) + " = " + Factor(b) + Dot + Factor(q) + " + " + Factor(r));
  return w;
}

Working IntegerSingleWorking(std::int32_t n, std::optional<std::int32_t> basis) {
  Working w = FactorLadderWorking(n);
  if (basis) w.Append(BaseChangeWorking(n, *basis));
  return w;
}

Working IntegerPairWorking(std::int32_t a, std::int32_t b) {
  Working w = IntegerDivisionWorking(a, b);
  w.Append(HcdLcmWorking(a, b));
  return w;
}

}  // namespace tessaro
