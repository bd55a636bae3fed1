#include "numbers/conversionerror.h"

#include "numbers/words.h"

#include <string>

namespace tessaro {

namespace {
std::string Message(std::string_view text) {
  std::string shown;
  // what() is read up to its first NUL, which would cut the message short: a pasted NUL
  // shows as the replacement character.
  for (char c : text) {
    if (c == '\0')
      shown.append("\xEF\xBF\xBD");
    else
      shown.push_back(c);
  }
  //: %1 is the text typed where an integer belongs, as typed; keep the quotes around it.
  return Fill(translate("Numbers", "'%1' is not a valid integer value"), {shown});
}
}  // namespace

ConversionError::ConversionError(std::string_view text) : std::runtime_error(Message(text)) {}

}  // namespace tessaro
