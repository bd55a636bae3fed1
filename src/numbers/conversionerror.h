#pragma once

#include <stdexcept>
#include <string_view>

namespace tessaro {

// The one error the arithmetic raises: a text read as an integer that is not one.
// Windows never catch it themselves; it ends the handler and is shown centrally.
struct ConversionError : std::runtime_error {
  explicit ConversionError(std::string_view text);
};

}  // namespace tessaro
