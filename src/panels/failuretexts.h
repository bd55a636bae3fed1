#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// What a result field shows in place of a value that cannot be given, in English. A window
// shows them through ShownFailure, in its language.
inline constexpr std::string_view NotCalculable = "Not calculable";
// The two-integer panel's overflow; the list's hcd and LCM say it their own way.
inline constexpr std::string_view IntOverflow = " > LONG_MAX";
inline constexpr std::string_view ListOverflow = ">Long_Max";
// The polynomial results.
inline constexpr std::string_view CoefficientOverflow = "Some coefficient > Long_Max";
inline constexpr std::string_view DegreeAbove9 = "Degree of result >9";
inline constexpr std::string_view HcdLcmOverflow = "Not calculable (long integer overflow).";

// One of the texts above as the user reads it: its words in the program's language, its
// notation (" > LONG_MAX", ">Long_Max", ">9") as it is. The integer overflows are notation
// alone and stay as they are.
std::string ShownFailure(std::string_view failure);

// What the Integers window says of a combined operation that fails:
// "Division by 0 or >Long_Max in any step".
std::string StepFailure();

// "Not calculable (N< 0)": the words of "Not calculable" with the condition that makes it so.
std::string NotCalculableBecause(std::string_view condition);

// Whether a text holds a value the program could not give: an overflow, a degree above 9 or
// "Not calculable" (of which the factorial's and the hcd's texts are longer forms), in
// English or as ShownFailure gives them.
bool HoldsFailureText(std::string_view text);

}  // namespace tessaro
