#include "numbers/conversionerror.h"

#include <string>

namespace tessaro {

namespace {
std::string Message(std::string_view text) {
  std::string message = "'";
  // what() is read up to its first NUL, which would cut the message short: a pasted NUL
  // shows as the replacement character.
  for (char c : text) {
    if (c == '\0')
      message.append("\xEF\xBF\xBD");
    else
      message.push_back(c);
  }
  message.append("' is not a valid integer value");
  return message;
}
}  // namespace

ConversionError::ConversionError(std::string_view text) : std::runtime_error(Message(text)) {}

}  // namespace tessaro
