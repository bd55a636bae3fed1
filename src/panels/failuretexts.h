#pragma once

#include <string_view>

namespace tessaro {

// What a result field shows in place of a value that cannot be given.
inline constexpr std::string_view NotCalculable = "Not calculable";
// The two-integer panel's overflow; the list's hcd and LCM say it their own way.
inline constexpr std::string_view IntOverflow = " > LONG_MAX";
inline constexpr std::string_view ListOverflow = ">Long_Max";
// The polynomial results.
inline constexpr std::string_view CoefficientOverflow = "Some coefficient > Long_Max";
inline constexpr std::string_view DegreeAbove9 = "Degree of result >9";
inline constexpr std::string_view HcdLcmOverflow = "Not calculable (long integer overflow).";

// Whether a text holds a value the program could not give: an overflow, a degree above 9 or
// "Not calculable" (of which the factorial's and the hcd's texts are longer forms).
inline bool HoldsFailureText(std::string_view text) {
  for (std::string_view failure :
       {NotCalculable, IntOverflow, ListOverflow, CoefficientOverflow, DegreeAbove9})
    if (text.find(failure) != std::string_view::npos) return true;
  return false;
}

}  // namespace tessaro
