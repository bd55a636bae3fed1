#pragma once

// What the Integers windows show, kept apart from their widgets. A handler tells the state
// what the user did (a text typed, a button pressed) and the window writes the state's texts
// back; nothing is read back from the widgets. Every Integers window of a run shows one list
// (IntegerShared); each window has its own N, n1, n2, combined operation and problem kinds
// (IntegerWindowState).
//
// Every section keeps the operands of the results it shows: a problem made from them repeats
// exactly those results, whatever has been typed since.

#include "panels/integeroperands.h"
#include "panels/integerpanel.h"
#include "panels/letteredlist.h"
#include "panels/session.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessaro {

// The problem kinds of an Integers window, in the order "All" joins them.
enum class IntegerSection { Single, Pair, Combined, List };
inline constexpr std::size_t IntegerSectionCount = 4;

// The single-integer panel: N, its results, the basis panel.
struct IntegerSingleShown {
  std::string n;  // the N field: as typed, or the accepted N
  std::string power, factorization, factorial;
  std::string hex, bin, oct;
  std::string basis = "12";  // the basis field, as typed
  std::string x;             // N in that basis
  std::string error;         // the basis panel's error line
};

// The two-integer panel. The division heading names the operands of the quotient below it.
struct IntegerPairShown {
  std::string a, b;  // the n1 and n2 fields
  std::string sum, difference, product, floatQuotient;
  std::string dividend = "n1", divisor = "n2";
  std::string quotient, remainder, hcd, lcm;
};

// The combined-operation panel.
struct IntegerCombinedShown {
  std::string expression;  // as typed
  std::string replaced;    // with the list's numbers in place of the letters
  std::string rational, decimal;
};

// The base fields the user may type in and press Enter.
enum class IntegerField { Hex, Bin, Oct, X, Basis };

class IntegerWindowState;

// The one list of the Integers windows: its numbers, their selection, the hcd and LCM of
// the selection, and what the n1 and n2 drop-downs offer.
class IntegerShared {
 public:
  IntegerShared();
  IntegerShared(const IntegerShared&) = delete;
  IntegerShared& operator=(const IntegerShared&) = delete;

  const LetteredList<std::int32_t>& List() const { return list_; }
  // The numbers n1 and n2 offer: the list's, kept when the list is cleared.
  const std::vector<std::int32_t>& Choices() const { return choices_; }
  const std::string& Hcd() const { return hcd_; }
  const std::string& Lcm() const { return lcm_; }
  // The numbers whose hcd and LCM are shown, while that problem is available.
  const std::optional<std::vector<std::int32_t>>& ListSection() const { return section_; }

  // A number already stored is not added again; a full list refuses it.
  ListAdd Add(std::int32_t v);
  // A random number not yet stored.
  ListAdd Generate();
  // Item i goes, the later ones take the letters before; the rows lose their hexadecimal part.
  void Erase(std::size_t i);
  // The list is emptied and its problem withdrawn; n1 and n2 keep what they offer.
  void Clear();
  // A window closes: the list and its selection are emptied; the hcd and LCM on display,
  // and their problem, stay.
  void Empty();
  void Unselect();
  // The user picked: these items are selected and `current` is the focused one. The hcd
  // and LCM follow the selection.
  void Pick(const std::vector<std::size_t>& selected, std::optional<std::size_t> current);

  // The list and its selection to remember, and taken back: the list is refilled as if the
  // items were typed, so a text that is no 32-bit integer, a repeat or an item beyond the
  // capacity is dropped, and the selection keeps the items that joined.
  ListSession Session() const;
  void Restore(const ListSession& session);

 private:
  friend class IntegerWindowState;
  void ShowSelection();

  LetteredList<std::int32_t> list_;
  std::vector<std::int32_t> choices_;
  std::string hcd_, lcm_;
  std::optional<std::vector<std::int32_t>> section_;
  std::vector<IntegerWindowState*> windows_;
};

// One Integers window.
class IntegerWindowState {
 public:
  explicit IntegerWindowState(IntegerShared& shared);
  ~IntegerWindowState();
  IntegerWindowState(const IntegerWindowState&) = delete;
  IntegerWindowState& operator=(const IntegerWindowState&) = delete;

  IntegerShared& Shared() const { return shared_; }
  std::int32_t N() const { return n_; }
  const IntegerSingleShown& Single() const { return single_; }
  const IntegerPairShown& Pair() const { return pair_; }
  const IntegerCombinedShown& Combined() const { return combined_; }
  // The rows of this window's list box.
  const std::vector<std::string>& Rows() const { return rows_; }
  // Whether "Add to list" takes the N field's number.
  bool CanAddN() const { return canAddN_; }

  // The problems this window offers, each with the operands it repeats.
  bool Offers(IntegerSection section) const;
  // "All": more than one kind on offer.
  bool OffersAll() const;
  const std::optional<IntegerSingleParams>& SingleSection() const { return singleSection_; }
  const std::optional<IntegerPairParams>& PairSection() const { return pairSection_; }
  const std::optional<IntegerCombinedParams>& CombinedSection() const {
    return combinedSection_;
  }

  // ---- Single integer ----
  // The user edits the N field: its results go.
  void EditN(const std::string& text);
  enum class NEntry { Empty, NotInteger, Accepted };
  // Accepts the N field: everything about N is shown. An empty text is refused silently, a
  // text that is no integer with the window's message; a number beyond 32 bits or a basis
  // that is no integer throws ConversionError before N or anything shown changes. Until N
  // is accepted, "Add to list" is off.
  NEntry AcceptN();
  ListAdd AddN() { return shared_.Add(n_); }
  // "Add to list": N is the N field's number, stored without being shown.
  ListAdd TakeNIntoList();
  // The exponent and the basis act on N, whatever the N field shows. Next to the results
  // of another number the single-integer problem is withdrawn.
  void ChooseExponent(std::int32_t k);
  // The user types in a base field or the basis field: only the text changes.
  void Edit(IntegerField field, const std::string& text);
  // A refused basis shows on the error line; the digits shown stay.
  void EnterBasis();
  // Enter in a base field reads N from it and shows it, its results waiting for acceptance.
  void EnterHex();
  void EnterOct();
  void EnterX();
  // Enter in the binary field only sets N.
  void EnterBin();
  // Proposes N from the binary field, not accepted.
  void DoubleClickBin();
  // The N field shows list item i, not accepted.
  void ProposeListNumber(std::size_t i);
  // The N field shows list item i, accepted without adding it again.
  NEntry AcceptListNumber(std::size_t i);

  // ---- Two integers ----
  void EditOperands(const std::string& a, const std::string& b);
  // Throws ConversionError for an operand that is no integer, before anything changes.
  void ComputePair(std::int32_t decimals);
  // Two operands from 1 to 10.
  void GeneratePair(std::int32_t decimals);

  // ---- Combined operation ----
  void EditExpression(const std::string& text);
  enum class Evaluation { Empty, Done, NotCalculable };
  // Throws ConversionError for a literal or an exponent that is no integer; the results
  // are then empty.
  Evaluation Evaluate(std::int32_t decimals);

 private:
  friend class IntegerShared;
  void ProposeN(const std::string& text);
  void ClearSingle();
  void Ops1(BasisCheck check, std::int32_t basis);
  void Bases(std::int32_t v, BasisCheck check, std::int32_t basis);
  void ShowBasis(BasisCheck check, std::int32_t basis);
  template <class Change>
  void FollowSingle(Change change);
  void ClearPair();
  // The list changed under this window.
  void ListGrew(std::int32_t v);
  void ListRefilled();

  IntegerShared& shared_;
  std::int32_t n_ = 0;
  std::int32_t exponent_ = 2;
  std::int32_t lastBasis_ = 12;  // the last basis N was written in
  // The number and basis whose digits the basis-X field shows.
  std::optional<std::pair<std::int32_t, std::int32_t>> xShows_;
  bool canAddN_ = false;
  IntegerSingleShown single_;
  IntegerPairShown pair_;
  IntegerCombinedShown combined_;
  std::vector<std::string> rows_;
  std::optional<IntegerSingleParams> singleSection_;
  std::optional<IntegerPairParams> pairSection_;
  std::optional<IntegerCombinedParams> combinedSection_;
};

}  // namespace tessaro
