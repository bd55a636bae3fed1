#pragma once

// The working of the Integers window's results, from the values its panels use. Each ends in
// the text the panel shows, its overflow text included.

#include <cstdint>
#include <optional>
#include <vector>

#include "working/working.h"

namespace tessaro {

// Euclid's divisions for the hcd of a and b, then the LCM, as the two-integer panel gives
// them: "84 = 2·36 + 12" ... "hcd(84,36) = 12", "LCM(84,36) = 84·36 ÷ 12 = 252". A negative
// operand first gives "hcd(-84,36) = hcd(84,36)"; a zero operand "hcd(84,0) = 84" alone.
Working HcdLcmWorking(std::int32_t a, std::int32_t b);

// The hcd and the LCM of the list panel's selection, pairwise from the left, ending with
// the hcd and the LCM of them all.
Working ListHcdLcmWorking(const std::vector<std::int32_t>& numbers);

// The factor ladder of n ("360 | 2" ... "  1 |"), numbers right-aligned, ending with the
// window's factorization "360 = 2^3 · 3^2 · 5".
Working FactorLadderWorking(std::int32_t n);

// n in basis b by repeated division ("360 = 30·12 + 0", a remainder of 10 or more followed by
// its digit), ending with the digits read upwards: "360 = 260 (basis 12)".
Working BaseChangeWorking(std::int32_t n, std::int32_t basis);

// The division with remainder of a by b: "7 = (-2)·(-3) + 1".
Working IntegerDivisionWorking(std::int32_t a, std::int32_t b);

// What the single-integer panel shows: the factor ladder of n, then its base change when the
// basis field holds a valid basis.
Working IntegerSingleWorking(std::int32_t n, std::optional<std::int32_t> basis);

// What the two-integer panel shows: the division with remainder, then the hcd and the LCM.
Working IntegerPairWorking(std::int32_t a, std::int32_t b);

}  // namespace tessaro
