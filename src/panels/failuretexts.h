#pragma once

#include <string_view>

namespace tessaro {

// What a result field shows in place of a value that cannot be given.
inline constexpr std::string_view NotCalculable = "Not calculable";

}  // namespace tessaro
