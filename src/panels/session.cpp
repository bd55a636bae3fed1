#include "panels/session.h"

#include "numbers/numbers.h"

#include <algorithm>

namespace tessaro {

std::int32_t FitDecimals(std::int64_t remembered) {
  return remembered >= 1 && remembered <= 9 ? static_cast<std::int32_t>(remembered)
                                            : DefaultDecimals;
}

IntegerDecimals FitDecimals(IntegerDecimals remembered) {
  return {FitDecimals(std::int64_t{remembered.pair}),
          FitDecimals(std::int64_t{remembered.combined})};
}

std::optional<std::int32_t> RememberedInteger(std::string_view text) {
  if (text.empty() || !IsIntText(text)) return std::nullopt;
  try {
    return IntOfText(text);
  } catch (const ConversionError&) {
    // Beyond 32 bits, or a lone sign.
    return std::nullopt;
  }
}

FractionItemTexts SplitFraction(std::string_view text) {
  const std::size_t bar = text.find('/');
  if (bar == std::string_view::npos) return {std::string(text), "1"};
  return {std::string(text.substr(0, bar)), std::string(text.substr(bar + 1))};
}

std::optional<std::size_t> RowMap::operator()(std::optional<std::size_t> row) const {
  if (!row || *row >= landed_.size()) return std::nullopt;
  return landed_[*row];
}

std::vector<std::size_t> RowMap::operator()(const std::vector<std::size_t>& rows) const {
  std::vector<std::size_t> out;
  for (std::size_t row : rows)
    if (const std::optional<std::size_t> landed = (*this)(std::optional<std::size_t>(row)))
      out.push_back(*landed);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

}  // namespace tessaro
