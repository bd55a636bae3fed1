#pragma once

// Words the workings of several themes share (used inside the library).

#include <string>

namespace tessaro::work {

// "12 ÷ 0: division by 0": `step` is the division that fails.
std::string DivisionByZero(const std::string& step);

}  // namespace tessaro::work
