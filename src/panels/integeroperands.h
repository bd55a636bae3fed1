#pragma once

// What an Integers window's results are computed from: the operands a section keeps and the
// params its problem is made from, one and the same.

#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

// Integers: N with the exponent (2 to 9) and the basis (2 to 201) it was shown in.
struct IntegerSingleParams {
  std::int32_t n = 0;
  std::int32_t exponent = 2;
  std::int32_t basis = 12;
  bool operator==(const IntegerSingleParams&) const = default;
};
// Integers: n1 and n2 with the decimals (1 to 9) of their float quotient.
struct IntegerPairParams {
  std::int32_t a = 0;
  std::int32_t b = 0;
  std::int32_t decimals = 2;
  bool operator==(const IntegerPairParams&) const = default;
};
// Integers: an expression over the list a, b, ... (at most 23), its decimals 1 to 9.
struct IntegerCombinedParams {
  std::string expression;
  std::vector<std::int32_t> numbers;
  std::int32_t decimals = 2;
  bool operator==(const IntegerCombinedParams&) const = default;
};

}  // namespace tessaro
