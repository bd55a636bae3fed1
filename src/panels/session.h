#pragma once

// What the theme windows remember between runs when the user asks for it. The values are
// texts and rows as a settings file holds them, so a file from another version, edited by
// hand or damaged, may hold anything: each item goes back through the checks a typed one
// passes, and whatever no longer fits is dropped or put right without a word.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// A lettered list: its items in letter order and its selection.
struct ListSession {
  std::vector<std::string> items;
  std::vector<std::size_t> selected;   // the selected rows
  std::optional<std::size_t> current;  // the row last picked
  friend bool operator==(const ListSession&, const ListSession&) = default;
};

// The Polynomials window's list and the items its operands A and B show.
struct PolynomialSession {
  std::vector<std::string> items;
  std::array<std::optional<std::size_t>, 2> operands;
  friend bool operator==(const PolynomialSession&, const PolynomialSession&) = default;
};

// The decimals an Integers window shows for the quotient of n1 and n2 and for the combined
// operation: 1 to 9.
inline constexpr std::int32_t DefaultDecimals = 2;
struct IntegerDecimals {
  std::int32_t pair = DefaultDecimals;
  std::int32_t combined = DefaultDecimals;
  friend bool operator==(const IntegerDecimals&, const IntegerDecimals&) = default;
};

// A remembered number of decimals, or the default when it is outside 1 to 9.
std::int32_t FitDecimals(std::int64_t remembered);
IntegerDecimals FitDecimals(IntegerDecimals remembered);

// The integer a remembered item stands for, when the Integers window would take it as typed
// into N: an optionally signed run of digits within 32 bits.
std::optional<std::int32_t> RememberedInteger(std::string_view text);

// A remembered fraction item: its numerator and its denominator texts, split at the first
// '/'; a whole number has the denominator "1".
struct FractionItemTexts {
  std::string numerator;
  std::string denominator;
};
FractionItemTexts SplitFraction(std::string_view text);

// Where each remembered row lands once the items the list refuses are dropped: the later
// items move up, and a row whose item was dropped, or that lies beyond the items, is gone.
class RowMap {
 public:
  // Offers the items to a list in order; `enter(text)` adds one as the window adds a typed
  // one and says whether it joined the list.
  template <class Join>
  static RowMap Enter(const std::vector<std::string>& items, Join&& enter) {
    RowMap map;
    std::size_t next = 0;
    for (const std::string& text : items)
      map.landed_.push_back(enter(text) ? std::optional<std::size_t>(next++) : std::nullopt);
    return map;
  }

  std::optional<std::size_t> operator()(std::optional<std::size_t> row) const;
  // The rows that landed, in increasing order and each once.
  std::vector<std::size_t> operator()(const std::vector<std::size_t>& rows) const;

 private:
  std::vector<std::optional<std::size_t>> landed_;
};

}  // namespace tessaro
