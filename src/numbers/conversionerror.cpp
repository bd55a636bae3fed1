#include "numbers/conversionerror.h"

#include <string>

namespace tessaro {

namespace {
std::string Message(std::string_view text) {
  std::string message = "'";
  message.append(text);
  message.append("' is not a valid integer value");
  return message;
}
}  // namespace

ConversionError::ConversionError(std::string_view text) : std::runtime_error(Message(text)) {}

}  // namespace tessaro
