#pragma once

// The texts the Integers window shows for its results: each function takes values and
// returns the words the user sees, the overflow and refusal texts included.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The largest basis whose digits the number core can write (the last is code 255).
inline constexpr std::int32_t MaxBasis = 201;

// N^k: "0" for N = 0, "Not calculable" when the power overflows.
std::string PowerText(std::int32_t n, std::int32_t k);

// N!: " Not calculable (N< 0)", " Not calculable (N> 160)" or the floating value.
std::string FactorialText(std::int32_t n);

// A basis text for the basis-X field: empty, a basis 2 ... 201, or an integer refused as a
// basis (0, 1, negative, beyond 201). A text that is no integer throws ConversionError.
enum class BasisCheck { Empty, Valid, Refused };
BasisCheck ReadBasis(std::string_view text, std::int32_t& basis);
// What the error line shows for a refused basis.
std::string BasisRefusal(std::string_view text);

// The results of the two-integer panel for n1 and n2.
struct TwoIntTexts {
  std::string Sum, Diff, Prod;
  bool Divided = false;  // n2 is not 0: the next three hold the division
  std::string FloatDiv, Quot, Rem;
  std::string Hcd, Lcm;
};
TwoIntTexts TwoIntResults(std::int32_t n1, std::int32_t n2, int decimals);
// A random operand for the two-integer panel, 1 ... 10.
std::int32_t DrawOperand();

// The hcd and LCM of the selected list numbers.
struct SelectionTexts {
  std::string Hcd, Lcm;
};
SelectionTexts SelectionResults(const std::vector<std::int32_t>& values);

// A row of the list as it is added: the number, 18 blanks and its hexadecimal text.
std::string ListRowText(std::int32_t v);

// A random number for the list, not yet in `stored` (which holds fewer than 30):
// 1 ... 30 four times in five, 1 ... 200 once in five.
std::int32_t DrawListNumber(const std::vector<std::int32_t>& stored);

// The combined operation: the expression with each letter replaced by its list number,
// then its value as a fraction and as a decimal with `decimals` decimals.
std::string CombinedText(std::string_view expression, const std::vector<std::int32_t>& nums);
struct CombinedTexts {
  bool Ok = false;  // false: division by 0, an overflow or an unreadable text
  std::string Rational, Float;
};
// Throws ConversionError for a literal or exponent that does not convert.
CombinedTexts CombinedResults(std::string_view replaced, int decimals);

}  // namespace tessaro
