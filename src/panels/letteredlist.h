#pragma once

// The lettered list every theme window keeps: items in entry order, each named by the
// letter of its position, a bounded capacity with its refusal text, and a selection.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaro {

struct ListRules {
  std::size_t capacity = 0;     // never more than letters.size()
  std::string_view letters;     // item i is named letters[i]
  std::string fullText;         // the message that refuses one item more
  bool duplicates = false;      // whether an item equal to a stored one may be added
};

// The rules of the three windows' lists.
ListRules IntegerListRules();      // 23 numbers, a to w, never twice
ListRules FractionListRules();     // 22 fractions, a to v, never twice (same numerator and denominator)
ListRules PolynomialListRules();   // 24 polynomials, A to Y without Q, repeats allowed

enum class ListAdd { Added, Duplicate, Full };

template <class T>
class LetteredList {
 public:
  // `same` tells a duplicate; by default operator==.
  explicit LetteredList(ListRules rules,
                        std::function<bool(const T&, const T&)> same = std::equal_to<T>())
      : rules_(std::move(rules)), same_(std::move(same)) {}

  const ListRules& Rules() const { return rules_; }
  std::size_t Size() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  bool Full() const { return items_.size() >= rules_.capacity; }
  const T& At(std::size_t i) const { return items_.at(i); }
  const std::vector<T>& Items() const { return items_; }
  char Letter(std::size_t i) const { return rules_.letters.at(i); }
  // The letters of the items now in the list, in order.
  std::string UsedLetters() const { return std::string(rules_.letters.substr(0, items_.size())); }

  // A duplicate is refused before a full list: adding a number already there says nothing.
  ListAdd Add(const T& value) {
    if (!rules_.duplicates && Contains(value)) return ListAdd::Duplicate;
    if (Full()) return ListAdd::Full;
    items_.push_back(value);
    selected_.push_back(false);
    return ListAdd::Added;
  }
  bool Contains(const T& value) const {
    return std::any_of(items_.begin(), items_.end(),
                       [&](const T& item) { return same_(item, value); });
  }
  // Replaces item i in place (its letter stays); false when there is no item i.
  bool Replace(std::size_t i, const T& value) {
    if (i >= items_.size()) return false;
    items_[i] = value;
    return true;
  }
  // Removes item i; the items after it take the letters before. The selection is cleared.
  bool Erase(std::size_t i) {
    if (i >= items_.size()) return false;
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    selected_.assign(items_.size(), false);
    current_.reset();
    return true;
  }
  void Clear() {
    items_.clear();
    selected_.clear();
    current_.reset();
  }

  // The selection: any set of items, and the current item (the one last picked).
  void Select(std::size_t i, bool on = true) {
    if (i < selected_.size()) selected_[i] = on;
  }
  void SelectOnly(std::size_t i) {
    ClearSelection();
    Select(i);
    SetCurrent(i);
  }
  void ClearSelection() {
    selected_.assign(items_.size(), false);
    current_.reset();
  }
  bool IsSelected(std::size_t i) const { return i < selected_.size() && selected_[i]; }
  std::vector<std::size_t> SelectedIndices() const {
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < selected_.size(); ++i)
      if (selected_[i]) out.push_back(i);
    return out;
  }
  std::vector<T> SelectedItems() const {
    std::vector<T> out;
    for (std::size_t i : SelectedIndices()) out.push_back(items_[i]);
    return out;
  }
  void SetCurrent(std::optional<std::size_t> i) {
    current_ = (i && *i < items_.size()) ? i : std::nullopt;
  }
  std::optional<std::size_t> Current() const { return current_; }

 private:
  ListRules rules_;
  std::function<bool(const T&, const T&)> same_;
  std::vector<T> items_;
  std::vector<bool> selected_;
  std::optional<std::size_t> current_;
};

}  // namespace tessaro
