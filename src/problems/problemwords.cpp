#include "problems/problemwords.h"

#include "numbers/words.h"

namespace tessaro {

std::string IfCalculate(const std::string& given, const std::string& expression) {
  //: %1 gives the values of the letters ("  a= 5  b= 3", beginning with blanks); %2 is the
  //: expression to calculate.
  return Fill(translate("Problems", "If %1, calculate %2"), {given, expression});
}

std::string Calculate(const std::string& expression) {
  //: %1 is the expression to calculate.
  return Fill(translate("Problems", "Calculate %1"), {expression});
}

}  // namespace tessaro
