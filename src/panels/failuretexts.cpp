#include "panels/failuretexts.h"

#include "numbers/words.h"

#include <array>

namespace tessaro {

std::string ShownFailure(std::string_view failure) {
  if (failure == NotCalculable) return translate("Failure", "Not calculable");
  if (failure == CoefficientOverflow) {
    //: A polynomial result too large to write; %1 is "> Long_Max".
    return Fill(translate("Failure", "Some coefficient %1"), {"> Long_Max"});
  }
  if (failure == DegreeAbove9) {
    //: A polynomial result whose degree would pass 9; %1 is ">9".
    return Fill(translate("Failure", "Degree of result %1"), {">9"});
  }
  if (failure == HcdLcmOverflow) {
    //: Begins with the words of "Not calculable"; keep the final full stop.
    return translate("Failure", "Not calculable (long integer overflow).");
  }
  return std::string(failure);
}

std::string StepFailure() {
  //: A combined operation of integers that fails; %1 is 0, %2 is ">Long_Max".
  return Fill(translate("Failure", "Division by %1 or %2 in any step"), {"0", ">Long_Max"});
}

std::string NotCalculableBecause(std::string_view condition) {
  //: Begins with the words of "Not calculable"; %1 is a condition such as "N< 0".
  return Fill(translate("Failure", "Not calculable (%1)"), {condition});
}

bool HoldsFailureText(std::string_view text) {
  const auto holds = [text](std::string_view failure) {
    return !failure.empty() && text.find(failure) != std::string_view::npos;
  };
  for (std::string_view failure :
       {NotCalculable, IntOverflow, ListOverflow, CoefficientOverflow, DegreeAbove9})
    if (holds(failure)) return true;
  if (!Translating()) return false;
  const std::string because = NotCalculableBecause("");
  const std::array<std::string, 4> translated = {
      ShownFailure(NotCalculable), ShownFailure(CoefficientOverflow), ShownFailure(DegreeAbove9),
      // The words before the condition: a translation may not begin with "Not calculable".
      because.substr(0, because.find('('))};
  for (const std::string& failure : translated)
    if (holds(failure)) return true;
  return false;
}

}  // namespace tessaro
