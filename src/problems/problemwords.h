#pragma once

// Words the problem texts of several themes share, in the program's language.

#include <string>

namespace tessaro {

// "If  a= 5  b= 3, calculate a+b": `given` holds the values, with the blanks before them.
std::string IfCalculate(const std::string& given, const std::string& expression);
// "Calculate a+b".
std::string Calculate(const std::string& expression);

}  // namespace tessaro
