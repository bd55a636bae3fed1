#include "panels/polynomialstate.h"

#include "polynomials/poleval.h"

#include <utility>

namespace tessaro {

PolynomialList MakePolynomialList() {
  // Equal as stored, coefficient by coefficient (1/2 and 2/4 differ, as their texts do).
  return PolynomialList(PolynomialListRules(), [](const Polynomial& a, const Polynomial& b) {
    for (std::size_t k = 0; k < a.size(); ++k)
      if (!RatEqual(a[k], b[k])) return false;
    return true;
  });
}

PolynomialState::PolynomialState()
    : list_(MakePolynomialList()), captions_(BinaryCaptionsOf('A', 'B')) {}

std::string PolynomialState::ItemText(std::size_t i) const { return PolToText(list_.At(i)); }

ListAdd PolynomialState::Add(const Polynomial& entry) {
  const ListAdd added = list_.Add(entry);
  if (added != ListAdd::Added) return added;
  everListed_ = true;
  // The window appends one row; anything more is written afresh.
  changes_.list = changes_.list == ListChange::None ? ListChange::Appended : ListChange::Rebuilt;
  if (list_.Size() == 1) {
    Choose(0, 0);
    Choose(1, 0);
  } else if (list_.Size() == 2) {
    Choose(1, 1);
  }
  return added;
}

bool PolynomialState::Erase(std::size_t i) {
  if (!list_.Erase(i)) return false;
  changes_.list = ListChange::Rebuilt;
  bool moved = false;
  for (int k = 0; k < 2; ++k) {
    const std::optional<std::size_t> item = operands_[k].item;
    if (!item || *item < i) continue;
    if (*item > i) {
      operands_[k].item = *item - 1;
      moved = true;
    } else if (list_.Empty()) {
      SetOperand(k, std::nullopt);
    } else {
      Choose(k, std::min(i, list_.Size() - 1));
    }
  }
  // Results still on display name their operands by the letters they now carry.
  if (moved && binary_) {
    captions_ = BinaryCaptionsOf(OperandLetter(0), OperandLetter(1));
    changes_.binary = true;
  }
  return true;
}

void PolynomialState::Clear() {
  list_.Clear();
  changes_.list = ListChange::Rebuilt;
  SetOperand(0, std::nullopt);
  SetOperand(1, std::nullopt);
}

void PolynomialState::Show(PolUnary u) {
  u.texts = UnaryTextsOf(u.p);
  u.shown = true;
  unary_ = std::move(u);
  everUnary_ = true;
  changes_.unary = true;
}

void PolynomialState::ShowItem(std::size_t i, std::string_view x) {
  PolUnary u;
  u.name = std::string(1, list_.Letter(i));
  u.text = ItemText(i);
  u.p = list_.At(i);
  u.x = std::string(x);
  u.value = PolValueText(u.p, x);  // may throw: nothing changed yet
  Show(std::move(u));
  changes_.polText = true;
}

bool PolynomialState::ShowTyped(std::string_view text, std::string_view x) {
  PolUnary u;
  if (!PolFromText(text, u.p)) return false;
  u.name = "P1";
  u.text = std::string(text);
  u.x = std::string(x);
  u.value = PolValueText(u.p, x);
  Show(std::move(u));
  return true;
}

void PolynomialState::SetX(std::string_view x) {
  std::string value = PolValueText(unary_.p, x);
  unary_.x = std::string(x);
  unary_.value = std::move(value);
  changes_.unary = true;
}

void PolynomialState::EditPolText() {
  unary_.value.clear();
  unary_.texts = {};
  unary_.shown = false;
  changes_.unary = true;
}

char PolynomialState::OperandLetter(int k) const {
  const std::optional<std::size_t> item = operands_[k].item;
  // Operands typed while the list is empty go by their own names.
  return item ? list_.Letter(*item) : (k == 0 ? 'A' : 'B');
}

void PolynomialState::SetOperand(int k, std::optional<std::size_t> item) {
  operands_[k] = {item, item ? ItemText(*item) : std::string()};
  changes_.operand[k] = true;
}

void PolynomialState::ClearBinary() {
  if (binary_) changes_.binary = true;
  binary_.reset();
}

bool PolynomialState::Choose(int k, std::size_t item) {
  if (k < 0 || k > 1 || item >= list_.Size()) return false;
  SetOperand(k, item);
  ClearBinary();
  return true;
}

bool PolynomialState::Go(std::string_view a, std::string_view b) {
  Polynomial pa{}, pb{};
  if (!PolFromText(a, pa) || !PolFromText(b, pb)) return false;
  captions_ = BinaryCaptionsOf(OperandLetter(0), OperandLetter(1));
  binary_ = PolBinary{std::string(a), std::string(b), BinaryTextsOf(pa, pb)};
  lastBinary_ = binary_;
  changes_.binary = true;
  return true;
}

void PolynomialState::Evaluate(std::string_view expression) {
  if (expression.empty()) return;
  Polynomial result{};
  const int code = PolEval(expression, list_.Items(), result);
  combined_ = CombinedTextOf(code, result);
  combinedOk_ = code == EvalDone;
  if (combinedOk_) {
    PolCombined done{std::string(expression), {}};
    for (std::size_t i = 0; i < list_.Size(); ++i) done.list.push_back(ItemText(i));
    lastCombined_ = std::move(done);
  }
  changes_.combined = true;
}

void PolynomialState::EditExpression() {
  combined_.text.clear();
  changes_.combined = true;
}

PolynomialSession PolynomialState::Session() const {
  PolynomialSession session;
  for (std::size_t i = 0; i < list_.Size(); ++i) session.items.push_back(ItemText(i));
  session.operands = {operands_[0].item, operands_[1].item};
  return session;
}

void PolynomialState::Restore(const PolynomialSession& session) {
  Clear();
  const RowMap rows = RowMap::Enter(session.items, [this](const std::string& text) {
    Polynomial p{};
    try {
      if (!PolFromText(text, p)) return false;
    } catch (const ConversionError&) {
      return false;
    }
    return Add(p) == ListAdd::Added;
  });
  // Adding chose the first items, as typing them does; a remembered choice replaces that.
  for (int k = 0; k < 2; ++k)
    if (const std::optional<std::size_t> item = rows(session.operands[k])) Choose(k, *item);
}

PolChanges PolynomialState::TakeChanges() { return std::exchange(changes_, PolChanges{}); }

}  // namespace tessaro
