#include "panels/integerstate.h"

#include "numbers/numbers.h"

#include <algorithm>

namespace tessaro {

namespace {

std::string Decimal(std::int32_t v) { return std::to_string(v); }

std::vector<std::string> DecimalRows(const std::vector<std::int32_t>& values) {
  std::vector<std::string> rows;
  rows.reserve(values.size());
  for (std::int32_t v : values) rows.push_back(Decimal(v));
  return rows;
}

}  // namespace

// ---- The shared list ----

IntegerShared::IntegerShared() : list_(IntegerListRules()) {}

ListAdd IntegerShared::Add(std::int32_t v) {
  const ListAdd added = list_.Add(v);
  if (added != ListAdd::Added) return added;
  choices_.push_back(v);
  for (IntegerWindowState* w : windows_) w->ListGrew(v);
  return added;
}

ListAdd IntegerShared::Generate() {
  if (list_.Full()) return ListAdd::Full;
  return Add(DrawListNumber(list_.Items()));
}

void IntegerShared::Erase(std::size_t i) {
  if (!list_.Erase(i)) return;
  choices_ = list_.Items();
  for (IntegerWindowState* w : windows_) w->ListRefilled();
}

void IntegerShared::Clear() {
  Empty();
  section_.reset();
}

void IntegerShared::Empty() {
  list_.Clear();
  for (IntegerWindowState* w : windows_) w->ListRefilled();
}

void IntegerShared::Unselect() {
  list_.ClearSelection();
  hcd_.clear();
  lcm_.clear();
  section_.reset();
}

void IntegerShared::Pick(const std::vector<std::size_t>& selected,
                         std::optional<std::size_t> current) {
  list_.ClearSelection();
  for (std::size_t i : selected) list_.Select(i);
  list_.SetCurrent(current);
  ShowSelection();
}

ListSession IntegerShared::Session() const {
  return {DecimalRows(list_.Items()), list_.SelectedIndices(), list_.Current()};
}

void IntegerShared::Restore(const ListSession& session) {
  Clear();
  const RowMap rows = RowMap::Enter(session.items, [this](const std::string& text) {
    const std::optional<std::int32_t> v = RememberedInteger(text);
    return v && Add(*v) == ListAdd::Added;
  });
  Pick(rows(session.selected), rows(session.current));
}

void IntegerShared::ShowSelection() {
  hcd_.clear();
  lcm_.clear();
  section_.reset();
  std::vector<std::int32_t> selected = list_.SelectedItems();
  if (selected.size() < 2) return;
  const SelectionTexts t = SelectionResults(selected);
  hcd_ = t.Hcd;
  lcm_ = t.Lcm;
  section_ = std::move(selected);
}

// ---- One window ----

IntegerWindowState::IntegerWindowState(IntegerShared& shared) : shared_(shared) {
  shared_.windows_.push_back(this);
  rows_ = DecimalRows(shared_.list_.Items());
}

IntegerWindowState::~IntegerWindowState() {
  auto& windows = shared_.windows_;
  windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

bool IntegerWindowState::Offers(IntegerSection section) const {
  switch (section) {
    case IntegerSection::Single: return singleSection_.has_value();
    case IntegerSection::Pair: return pairSection_.has_value();
    case IntegerSection::Combined: return combinedSection_.has_value();
    case IntegerSection::List: return shared_.section_.has_value();
  }
  return false;
}

bool IntegerWindowState::OffersAll() const {
  int kinds = 0;
  for (IntegerSection s : {IntegerSection::Single, IntegerSection::Pair,
                           IntegerSection::Combined, IntegerSection::List})
    kinds += Offers(s) ? 1 : 0;
  return kinds > 1;
}

// ---- Single integer ----

void IntegerWindowState::EditN(const std::string& text) {
  single_.n = text;
  ClearSingle();
}

void IntegerWindowState::ProposeN(const std::string& text) {
  // Writing the same text changes nothing, as in the field itself.
  if (text != single_.n) EditN(text);
}

void IntegerWindowState::ClearSingle() {
  single_.power.clear();
  single_.factorization.clear();
  single_.factorial.clear();
  single_.hex.clear();
  single_.bin.clear();
  single_.oct.clear();
  single_.x.clear();
  xShows_.reset();
  singleSection_.reset();
}

IntegerWindowState::NEntry IntegerWindowState::AcceptN() {
  canAddN_ = false;
  const std::string text = single_.n;
  if (text.empty()) return NEntry::Empty;
  if (!IsIntText(text)) return NEntry::NotInteger;
  const std::int32_t v = IntOfText(text);
  std::int32_t basis = 0;
  const BasisCheck check = ReadBasis(single_.basis, basis);
  n_ = v;
  canAddN_ = true;
  Ops1(check, basis);
  return NEntry::Accepted;
}

void IntegerWindowState::Ops1(BasisCheck check, std::int32_t basis) {
  single_.error.clear();
  Bases(n_, check, basis);
  single_.power = PowerText(n_, exponent_);
  single_.factorial = FactorialText(n_);
  single_.factorization = FactorText(n_);
  // Digits of another number, left by a refused basis, are no result of this N.
  if (xShows_ && xShows_->first != n_) {
    single_.x.clear();
    xShows_.reset();
  }
  singleSection_ = IntegerSingleParams{n_, exponent_, xShows_ ? xShows_->second : lastBasis_};
}

void IntegerWindowState::Bases(std::int32_t v, BasisCheck check, std::int32_t basis) {
  n_ = v;
  // Showing a different N in its field clears the results of the former one.
  ProposeN(Decimal(v));
  single_.hex = HexText(v);
  single_.bin = BaseText(v, 2);
  single_.oct = BaseText(v, 8);
  ShowBasis(check, basis);
}

void IntegerWindowState::ShowBasis(BasisCheck check, std::int32_t basis) {
  switch (check) {
    case BasisCheck::Empty:
      break;
    case BasisCheck::Valid:
      single_.x = BaseText(n_, basis);
      xShows_ = {n_, basis};
      lastBasis_ = basis;
      FollowSingle([basis](IntegerSingleParams& s) { s.basis = basis; });
      break;
    case BasisCheck::Refused:
      single_.error = BasisRefusal(single_.basis);
      break;
  }
}

// A result written for N joins the single-integer section when the section is N's; next
// to the results of another number, the section no longer shows one number's results.
template <class Change>
void IntegerWindowState::FollowSingle(Change change) {
  if (singleSection_ && singleSection_->n == n_)
    change(*singleSection_);
  else
    singleSection_.reset();
}

ListAdd IntegerWindowState::TakeNIntoList() {
  n_ = IntOfText(single_.n);
  return AddN();
}

void IntegerWindowState::ChooseExponent(std::int32_t k) {
  exponent_ = k;
  single_.power = PowerText(n_, k);
  FollowSingle([k](IntegerSingleParams& s) { s.exponent = k; });
}

void IntegerWindowState::Edit(IntegerField field, const std::string& text) {
  switch (field) {
    case IntegerField::Hex: single_.hex = text; break;
    case IntegerField::Bin: single_.bin = text; break;
    case IntegerField::Oct: single_.oct = text; break;
    case IntegerField::X: single_.x = text; break;
    case IntegerField::Basis: single_.basis = text; break;
  }
}

void IntegerWindowState::EnterBasis() {
  std::int32_t basis = 0;
  const BasisCheck check = ReadBasis(single_.basis, basis);
  ShowBasis(check, basis);
}

void IntegerWindowState::EnterHex() {
  std::int32_t basis = 0;
  const BasisCheck check = ReadBasis(single_.basis, basis);
  Bases(HexValue(single_.hex), check, basis);
}

void IntegerWindowState::EnterOct() {
  std::int32_t basis = 0;
  const BasisCheck check = ReadBasis(single_.basis, basis);
  Bases(BaseValue(single_.oct, 8), check, basis);
}

void IntegerWindowState::EnterX() {
  std::int32_t basis = 0;
  // Digits need their basis: an empty one is no integer either.
  if (single_.basis.empty()) throw ConversionError(single_.basis);
  const BasisCheck check = ReadBasis(single_.basis, basis);
  if (check == BasisCheck::Valid)
    Bases(BaseValue(single_.x, basis), check, basis);
  else
    ShowBasis(check, basis);
}

void IntegerWindowState::EnterBin() {
  if (!single_.bin.empty()) n_ = BinValue(single_.bin);
}

void IntegerWindowState::DoubleClickBin() {
  if (!single_.bin.empty()) ProposeN(Decimal(BinValue(single_.bin)));
}

void IntegerWindowState::ProposeListNumber(std::size_t i) {
  if (i < shared_.list_.Size()) ProposeN(Decimal(shared_.list_.At(i)));
}

IntegerWindowState::NEntry IntegerWindowState::AcceptListNumber(std::size_t i) {
  if (i >= shared_.list_.Size()) return NEntry::Empty;
  ProposeListNumber(i);
  return AcceptN();
}

// ---- Two integers ----

void IntegerWindowState::EditOperands(const std::string& a, const std::string& b) {
  pair_.a = a;
  pair_.b = b;
  ClearPair();
}

void IntegerWindowState::ClearPair() {
  for (std::string* t : {&pair_.sum, &pair_.difference, &pair_.product, &pair_.floatQuotient,
                         &pair_.quotient, &pair_.remainder, &pair_.hcd, &pair_.lcm})
    t->clear();
  pair_.dividend = "n1";
  pair_.divisor = "n2";
  pairSection_.reset();
}

void IntegerWindowState::ComputePair(std::int32_t decimals) {
  const std::int32_t a = IntOfText(pair_.a);
  const std::int32_t b = IntOfText(pair_.b);
  const TwoIntTexts t = TwoIntResults(a, b, decimals);
  // The operands are shown as they were read, so the fields, the heading and a problem
  // all name the same numbers.
  pair_.a = Decimal(a);
  pair_.b = Decimal(b);
  pair_.sum = t.Sum;
  pair_.difference = t.Diff;
  pair_.product = t.Prod;
  pair_.floatQuotient = t.FloatDiv;
  pair_.dividend = pair_.a;
  pair_.divisor = pair_.b;
  pair_.quotient = t.Quot;
  pair_.remainder = t.Rem;
  pair_.hcd = t.Hcd;
  pair_.lcm = t.Lcm;
  pairSection_ = IntegerPairParams{a, b, decimals};
}

void IntegerWindowState::GeneratePair(std::int32_t decimals) {
  const std::int32_t a = DrawOperand();
  const std::int32_t b = DrawOperand();
  EditOperands(Decimal(a), Decimal(b));
  ComputePair(decimals);
}

// ---- Combined operation ----

void IntegerWindowState::EditExpression(const std::string& text) {
  combined_ = IntegerCombinedShown{text, {}, {}, {}};
  combinedSection_.reset();
}

IntegerWindowState::Evaluation IntegerWindowState::Evaluate(std::int32_t decimals) {
  if (combined_.expression.empty()) return Evaluation::Empty;
  // Whatever the outcome, the former results are no longer what is shown.
  EditExpression(combined_.expression);
  const std::vector<std::int32_t> numbers = shared_.list_.Items();
  combined_.replaced = CombinedText(combined_.expression, numbers);
  const CombinedTexts r = CombinedResults(combined_.replaced, decimals);
  if (!r.Ok) {
    combined_.rational = "  ---";
    combined_.decimal = "  ---";
    return Evaluation::NotCalculable;
  }
  combined_.rational = r.Rational;
  combined_.decimal = r.Float;
  combinedSection_ = IntegerCombinedParams{combined_.expression, numbers, decimals};
  return Evaluation::Done;
}

// ---- The list changed ----

void IntegerWindowState::ListGrew(std::int32_t v) {
  rows_.push_back(ListRowText(v));
  // An empty operand field shows the first number on offer; a typed one keeps its text.
  const std::string first = Decimal(shared_.choices_.front());
  if (pair_.a.empty() || pair_.b.empty())
    EditOperands(pair_.a.empty() ? first : pair_.a, pair_.b.empty() ? first : pair_.b);
}

void IntegerWindowState::ListRefilled() { rows_ = DecimalRows(shared_.list_.Items()); }

}  // namespace tessaro
