#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro {

// Digits of n in basis b (2..201), "-" before those of |n| for negative n. Digit values
// from 10 up are the characters Windows code page 1252 has at code 55 + v (A..Z, then on to
// code 255), written as UTF-8; the eight codes that page leaves empty or invisible (DEL, five
// undefined, the no-break space and the soft hyphen) are the Greek letters alpha to theta.
// An unusable basis gives "".
std::string BaseText(int32_t n, int32_t b);

// Upper-case hexadecimal; negative values as their eight-digit two's complement.
std::string HexText(int32_t n);

// Value of digits from "0123456789ABCDEF" (case-sensitive) weighted by powers of 16,
// kept to its low 32 bits; any other character gives 0, and so does "".
int32_t HexValue(std::string_view text);

// The same with the first b digits of BaseText's set (2 <= b <= 201; 0 for any other b),
// so every text BaseText writes reads back.
int32_t BaseValue(std::string_view text, int32_t b);

// The last character is read by IntOfText (so it throws ConversionError unless it is a
// decimal digit); every earlier "1" at k places from the right adds 2^k.
int32_t BinValue(std::string_view text);

}  // namespace tessaro
