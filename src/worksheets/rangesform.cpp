#include "worksheets/rangesform.h"

#include "numbers/words.h"

#include <type_traits>

namespace tessaro {

namespace {

// What each range is, in words; the key itself for one without words.
std::string LabelOf(std::string_view key) {
  if (key == "min") return translate("Ranges", "Smallest number");
  if (key == "max") return translate("Ranges", "Largest number");
  //: Empty: the field may be left empty, for any number of divisions.
  if (key == "euclid_steps") return translate("Ranges", "Divisions of Euclid's algorithm (empty: any)");
  if (key == "max_num") return translate("Ranges", "Largest numerator");
  if (key == "max_den") return translate("Ranges", "Largest denominator");
  if (key == "proper") return translate("Ranges", "Proper fractions only");
  //: The degree of the polynomials drawn.
  if (key == "degree") return translate("Ranges", "Degree");
  //: The coefficients of the polynomials drawn, but the leading one.
  if (key == "coef") return translate("Ranges", "Coefficients");
  if (key == "lead") return translate("Ranges", "Leading coefficient");
  if (key == "int_roots") return translate("Ranges", "Built from integer roots");
  if (key == "roots") return translate("Ranges", "Integer roots");
  //: The number x at which a polynomial's value is asked for.
  if (key == "point") return translate("Ranges", "Point of the value");
  //: A and B are the names of the two polynomials of the problem.
  if (key == "common_factor") return Fill(translate("Ranges", "%1 and %2 share a factor"), {"A", "B"});
  return std::string(key);
}

std::string Text(const std::optional<std::int32_t>& v) { return v ? std::to_string(*v) : ""; }

// One field of an entry into `ranges`; false when a number does not read.
bool Take(const RangeEntry& e, std::optional<std::int32_t>& out) {
  if (e.key == "euclid_steps" && e.lo.find_first_not_of(' ') == std::string::npos) {
    out.reset();
    return true;
  }
  out = RangeNumber(e.lo);
  return out.has_value();
}
bool Take(const RangeEntry& e, std::optional<bool>& out) {
  out = e.flag;
  return true;
}
bool Take(const RangeEntry& e, std::optional<IntRange>& out) {
  const std::optional<std::int32_t> lo = RangeNumber(e.lo), hi = RangeNumber(e.hi);
  if (!lo || !hi) return false;
  out = IntRange{*lo, *hi};
  return true;
}

}  // namespace

std::string NotARangeNumber() {
  //: After the key of a range: "min must be a whole number from -2147483646 to 2147483646".
  return Fill(translate("Ranges", "must be a whole number from %1 to %2"),
              {std::to_string(-RangeBound), std::to_string(RangeBound)});
}

std::optional<std::int32_t> RangeNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  std::int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v > RangeBound) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -v : v);
}

std::vector<RangeEntry> RangeEntries(const ProblemParams& params, const Ranges& ranges) {
  const Ranges shown = WithDefaults(params, ranges);
  std::vector<RangeEntry> entries;
  ForEachRangeField([&](std::string_view key, auto field) {
    if (!HasRangeField(params, key)) return;
    RangeEntry e;
    e.key = std::string(key);
    e.label = LabelOf(key);
    const auto& value = shown.*field;
    using V = std::decay_t<decltype(*value)>;
    if constexpr (std::is_same_v<V, bool>) {
      e.type = RangeType::Flag;
      e.flag = value.value_or(false);
    } else if constexpr (std::is_same_v<V, IntRange>) {
      e.type = RangeType::Pair;
      e.lo = value ? std::to_string(value->lo) : "";
      e.hi = value ? std::to_string(value->hi) : "";
    } else {
      e.lo = Text(value);
    }
    entries.push_back(std::move(e));
  });
  return entries;
}

RangesEntered RangesOfEntries(const ProblemParams& params,
                              const std::vector<RangeEntry>& entries) {
  const Ranges defaults = DefaultRanges(params);
  Ranges r;
  std::optional<RangeRefusal> fault;
  for (const RangeEntry& e : entries) {
    ForEachRangeField([&](std::string_view key, auto field) {
      if (fault || key != e.key) return;
      if (!Take(e, r.*field)) fault = RangeRefusal{e.key, NotARangeNumber()};
    });
    if (fault) return {std::nullopt, *fault};
  }
  if (std::optional<RangeRefusal> refusal = CheckRanges(params, r)) return {std::nullopt, *refusal};
  ForEachRangeField([&](std::string_view, auto field) {
    if (r.*field == defaults.*field) (r.*field).reset();
  });
  return {r, {}};
}

}  // namespace tessaro
