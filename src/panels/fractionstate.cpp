#include "panels/fractionstate.h"

#include "numbers/letters.h"

namespace tessaro {

FractionState::FractionState() : list_(MakeFractionList()) {}

std::vector<std::string> FractionState::ListTexts() const {
  return FractionListTexts(list_.Items());
}

EnteredFraction FractionState::Enter(std::string_view numerator, std::string_view denominator,
                                     bool simplifyAlways) {
  return EnterFraction(list_, numerator, denominator, simplifyAlways);
}

bool FractionState::Erase(std::size_t i) { return list_.Erase(i); }

bool FractionState::Clear() {
  if (list_.Empty()) return false;
  list_.Clear();
  return true;
}

void FractionState::Select(std::optional<std::size_t> i) {
  if (i && *i < list_.Size())
    list_.SelectOnly(*i);
  else
    list_.ClearSelection();
}

ListSession FractionState::Session() const {
  ListSession session;
  // The pair as stored, not its text: 0/5 shows as 0 but is another item than 0/1.
  for (const Rational& r : list_.Items())
    session.items.push_back(std::to_string(r.Num) + "/" + std::to_string(r.Den));
  session.current = list_.Current();
  if (session.current) session.selected = {*session.current};
  return session;
}

void FractionState::Restore(const ListSession& session) {
  list_.Clear();
  const RowMap rows = RowMap::Enter(session.items, [this](const std::string& text) {
    const FractionItemTexts pair = SplitFraction(text);
    try {
      return Enter(pair.numerator, pair.denominator, false).Outcome == FractionEntry::Added;
    } catch (const ConversionError&) {
      return false;
    }
  });
  Select(rows(session.current));
}

BinaryResults FractionState::Binary(std::string_view f1, std::string_view f2) {
  BinaryResults results = BinaryOperations(f1, f2);
  if (results.Outcome == BinaryOutcome::Done)
    lastPair_ = FractionPairShown{results.F1, results.F2, results.Cells};
  return results;
}

std::string FractionState::Replaced(std::string_view expression) const {
  return ReplaceLetters(expression, ListTexts());
}

std::optional<std::string> FractionState::Combined(std::string_view expression) {
  std::vector<std::string> fractions = ListTexts();
  std::string replaced = ReplaceLetters(expression, fractions);
  std::optional<std::string> value = CombinedValue(replaced);
  if (value)
    lastCombined_ = FractionCombinedShown{std::string(expression), std::move(fractions),
                                          std::move(replaced), *value};
  return value;
}

}  // namespace tessaro
