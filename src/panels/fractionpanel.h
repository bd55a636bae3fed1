#pragma once

// The computations behind the Fractions window: entering a fraction into the list, the
// four binary operations as cell texts and the combined operation's value text.
#include "panels/failuretexts.h"
#include "panels/letteredlist.h"
#include "numbers/numbers.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The Fractions window's list: FractionListRules(), a repeat being the same numerator and
// the same denominator (1/2 and 2/4 are different items).
using FractionList = LetteredList<Rational>;
FractionList MakeFractionList();

enum class FractionEntry { Added, ZeroDenominator, DoesNotFit, AlreadyListed, ListFull };

struct EnteredFraction {
  FractionEntry Outcome = FractionEntry::Added;
  std::string AsTyped;     // the pair as typed: 2/4, 3/-4
  std::string Simplified;  // its reduced copy: 1/2, -3/4
};

// Whether the reduced form of r (Den not 0) carries its sign in the numerator within
// Long_Max: 1/-2147483648 cannot, as -1/2147483648, and no operation can use it.
bool ReducesWithinLongMax(Rational r);

// Reads the numerator and then the denominator with IntOfText (a text it rejects throws
// ConversionError) and appends the pair to `list`, reduced when `simplifyAlways`. The pair is
// refused, in this order, when its denominator is 0, when it does not reduce within Long_Max,
// when an item already has exactly this numerator and denominator, or when the list is full;
// `list` is then unchanged.
EnteredFraction EnterFraction(FractionList& list, std::string_view numerator,
                              std::string_view denominator, bool simplifyAlways);

// The texts of the list's items, in order.
std::vector<std::string> FractionListTexts(const std::vector<Rational>& list);

// Operand labels of the binary operations: "f1 + f2", "f1 - f2", "f1 · f2", "f1 / f2".
std::array<std::string, 4> BinaryLabels(std::string_view first, std::string_view second);

enum class BinaryOutcome { Done, NotFractions, ZeroDenominator };

struct BinaryResults {
  BinaryOutcome Outcome = BinaryOutcome::NotFractions;
  std::string F1, F2;                // the operands as read, when Done: +3 reads 3
  std::array<std::string, 4> Cells;  // sum, difference, product, quotient, or NotCalculable
};

// The four operations of two operand texts (fractions a/b or whole numbers). Texts that are
// not fractions, or an operand with denominator 0, give no cells. May throw ConversionError
// for a number out of range.
BinaryResults BinaryOperations(std::string_view first, std::string_view second);

// The value text of an expression without letters, or nothing when it cannot be evaluated.
// May throw ConversionError for a number the evaluator rejects.
std::optional<std::string> CombinedValue(std::string_view expression);

}  // namespace tessaro
