#include "working/stepwords.h"

#include "numbers/words.h"

namespace tessaro::work {

std::string DivisionByZero(const std::string& step) {
  //: %1 is the division that fails ("12 ÷ 0"), %2 is 0.
  return Fill(translate("Working", "%1: division by %2"), {step, "0"});
}

}  // namespace tessaro::work
