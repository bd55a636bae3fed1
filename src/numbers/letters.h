#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// The letters that name list items: a, b, c, ... by position.
inline constexpr std::string_view ItemLetters = "abcdefghijklmnopqrstuvwxyz";

// Replaces every lower-case letter of `expression` that names an item (the i-th letter for
// texts[i]) by that item's text. A text other than an unsigned whole number goes in
// parentheses, so a substituted -3 or 3/4 keeps its grouping: a^2 with a = -3 gives (-3)^2,
// a/b with a = 1/2, b = 3/4 gives (1/2)/(3/4). Everything else stays as typed.
std::string ReplaceLetters(std::string_view expression, const std::vector<std::string>& texts);

}  // namespace tessaro
