#include "panels/letteredlist.h"

namespace tessaro {

ListRules IntegerListRules() { return {23, LowerLetters, "List full (23 numbers)", false}; }

ListRules FractionListRules() { return {22, LowerLetters, "List full (22 fractions)", false}; }

ListRules PolynomialListRules() {
  return {24, PolynomialLetters, "List full (24 polynomials)", true};
}

}  // namespace tessaro
