#pragma once

// Words the workings of several themes share (used inside the library).

#include <cstdint>
#include <string>

namespace tessaro::work {

inline constexpr const char* Dot = "\xC2\xB7";     // the middle dot of a product
inline constexpr const char* Divide = "\xC3\xB7";  // the sign of a division step

inline std::string Str(std::int64_t v) { return std::to_string(v); }

// A factor after an operator: a negative one in parentheses.
inline std::string Factor(std::int64_t v) { return v < 0 ? "(" + Str(v) + ")" : Str(v); }

// "12 ÷ 0: division by 0": `step` is the division that fails.
std::string DivisionByZero(const std::string& step);

}  // namespace tessaro::work
