#pragma once

// What the Fractions window holds, without its widgets: the lettered list with its selection,
// and the operands and results of the last binary operations and of the last combined
// operation that succeeded. The window writes this state to its controls and makes its
// problems from it, so a problem always repeats operands and results that belong together.

#include "panels/fractionpanel.h"
#include "panels/session.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The last binary operations that gave results.
struct FractionPairShown {
  std::string f1, f2;                // the operands as read
  std::array<std::string, 4> cells;  // sum, difference, product, quotient
};

// The last combined operation that gave a value.
struct FractionCombinedShown {
  std::string expression;              // as typed
  std::vector<std::string> fractions;  // the list's texts it was evaluated over
  std::string replaced;                // the expression with the letters replaced
  std::string value;
};

class FractionState {
 public:
  FractionState();

  const FractionList& List() const { return list_; }
  // The items' texts, row by row, as the list shows them.
  std::vector<std::string> ListTexts() const;

  // Enters the pair of texts into the list (see EnterFraction). May throw ConversionError.
  EnteredFraction Enter(std::string_view numerator, std::string_view denominator,
                        bool simplifyAlways);
  // Erases item i and forgets the selection; false when there is no item i.
  bool Erase(std::size_t i);
  // Empties the list; false when it was empty already.
  bool Clear();
  // The one selected item, or none.
  void Select(std::optional<std::size_t> i);
  std::optional<std::size_t> Selected() const { return list_.Current(); }

  // The four operations of two operand texts (list items or not). Only results that are
  // Done replace the last pair. May throw ConversionError.
  BinaryResults Binary(std::string_view f1, std::string_view f2);

  // The expression with each letter of the list replaced by its item's text.
  std::string Replaced(std::string_view expression) const;
  // The value of the expression over the list, kept as the last combined operation; none
  // when it cannot be evaluated, and the last one stays. May throw ConversionError.
  std::optional<std::string> Combined(std::string_view expression);

  // The list and its selected item to remember, and taken back: each item is entered as a
  // typed numerator and denominator are, so one the window refuses (not a pair of integers,
  // a denominator 0, a repeat, one past the capacity) is dropped, and the selection follows
  // the item it picked. The results shown are not remembered.
  ListSession Session() const;
  void Restore(const ListSession& session);

  const std::optional<FractionPairShown>& LastPair() const { return lastPair_; }
  const std::optional<FractionCombinedShown>& LastCombined() const { return lastCombined_; }

 private:
  FractionList list_;
  std::optional<FractionPairShown> lastPair_;
  std::optional<FractionCombinedShown> lastCombined_;
};

}  // namespace tessaro
