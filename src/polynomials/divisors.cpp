#include "polynomials/divisors.h"

#include <algorithm>

namespace tessaro {

std::vector<int32_t> DivisorsAscending(int32_t e) {
  std::vector<int32_t> divisors;
  if (e < 1) return divisors;
  // Every divisor of e = p1^k1 ... pm^km is p1^a1 ... pm^am with 0 <= ai <= ki, and each such
  // product divides e; taking the primes one by one and multiplying the divisors found so far
  // by p, p^2, ..., p^k builds each of them exactly once. Sorting gives the order of a plain
  // trial of s = 1, 2, ..., e.
  divisors.push_back(1);
  int32_t rest = e;
  const auto takePrime = [&](int32_t prime) {
    const std::size_t known = divisors.size();
    int32_t power = 1;
    while (rest % prime == 0) {
      rest /= prime;
      power *= prime;  // divides e, so it fits
      for (std::size_t i = 0; i < known; ++i) divisors.push_back(divisors[i] * power);
    }
  };
  // A factor left after trial division up to the square root of what remains is prime.
  for (int32_t f = 2; static_cast<int64_t>(f) * f <= rest; f += (f == 2 ? 1 : 2)) {
    if (rest % f == 0) takePrime(f);
  }
  if (rest > 1) takePrime(rest);
  std::sort(divisors.begin(), divisors.end());
  return divisors;
}

}  // namespace tessaro
