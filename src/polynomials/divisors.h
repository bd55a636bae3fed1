#pragma once

#include <cstdint>
#include <vector>

namespace tessaro {

// The positive divisors of e >= 1 in increasing order (empty for e < 1): the s of 1..e with
// e mod s = 0, found from the prime factorization of e by trial division up to its square root.
std::vector<int32_t> DivisorsAscending(int32_t e);

}  // namespace tessaro
