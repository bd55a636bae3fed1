#include "panels/letteredlist.h"

#include "numbers/letters.h"
#include "numbers/words.h"
#include "polynomials/polynomial.h"

namespace tessaro {

namespace {
std::string Count(std::size_t capacity) { return std::to_string(capacity); }
}  // namespace

ListRules IntegerListRules() {
  //: %1 is the capacity of the list (23).
  return {23, ItemLetters, Fill(translate("Lists", "List full (%1 numbers)"), {Count(23)}), false};
}

ListRules FractionListRules() {
  //: %1 is the capacity of the list (22).
  return {22, ItemLetters, Fill(translate("Lists", "List full (%1 fractions)"), {Count(22)}),
          false};
}

ListRules PolynomialListRules() {
  //: %1 is the capacity of the list (24).
  return {24, Letters,
          Fill(translate("Lists", "List full (%1 polynomials)"), {Count(24)}), true};
}

}  // namespace tessaro
