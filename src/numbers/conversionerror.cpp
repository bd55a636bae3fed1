#include "numbers/conversionerror.h"

#include <string>

namespace tessaro {

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

}  // namespace tessaro
