#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// A signed integer of any size, for the exact work that 32 and 64 bits cannot hold: a
// polynomial scaled to integer coefficients, its remainder sequences and its values at
// fractions with large denominators. Sign and magnitude; the magnitude has no leading zero
// limb, so zero has no limbs and is never negative. Every operation is exact: there is no
// overflow, only memory.
class WideInt {
 public:
  WideInt() = default;
  WideInt(int64_t v);  // NOLINT: small constants mix with wide ones freely

  // Decimal digits with an optional leading "-"; false for anything else.
  static bool FromText(std::string_view text, WideInt& out);
  // Decimal, with "-" for a negative value.
  std::string ToText() const;

  int Sign() const { return limbs_.empty() ? 0 : (negative_ ? -1 : 1); }
  bool IsZero() const { return limbs_.empty(); }
  // The bits of |v|: 0 for 0, 1 for ±1, 31 for 2147483647, 32 for -2147483648.
  int BitLength() const;
  bool FitsInt64() const;
  // Only when FitsInt64.
  int64_t ToInt64() const;
  // The nearest double within one unit in the last place; ±infinity beyond its range.
  double ToDouble() const;
  // The residue in 0..m-1 (m > 0), also for a negative value.
  uint32_t Mod(uint32_t m) const;

  WideInt operator-() const;
  WideInt Abs() const;
  WideInt& operator+=(const WideInt& b);
  WideInt& operator-=(const WideInt& b);
  WideInt& operator*=(const WideInt& b);
  // Multiplies by 2^bits (bits >= 0).
  WideInt& operator<<=(int bits);
  // this = this·m + c (the step of Horner's rule, without temporaries).
  void MulAdd(const WideInt& m, const WideInt& c);

  friend WideInt operator+(WideInt a, const WideInt& b) { return a += b; }
  friend WideInt operator-(WideInt a, const WideInt& b) { return a -= b; }
  friend WideInt operator*(const WideInt& a, const WideInt& b);
  friend WideInt operator<<(WideInt a, int bits) { return a <<= bits; }

  // Quotient truncated toward zero, remainder with the sign of a, as for int; b must not be 0.
  static void DivMod(const WideInt& a, const WideInt& b, WideInt& q, WideInt& r);
  friend WideInt operator/(const WideInt& a, const WideInt& b);
  friend WideInt operator%(const WideInt& a, const WideInt& b);
  // The largest integer not above a/b; b must not be 0.
  static WideInt FloorDiv(const WideInt& a, const WideInt& b);

  friend bool operator==(const WideInt& a, const WideInt& b) = default;
  friend std::strong_ordering operator<=>(const WideInt& a, const WideInt& b);

 private:
  using Limbs = std::vector<uint32_t>;
  static int CompareMagnitudes(const Limbs& a, const Limbs& b);
  static void AddMagnitudes(Limbs& a, const Limbs& b);
  // a -= b for |a| >= |b|.
  static void SubtractMagnitudes(Limbs& a, const Limbs& b);
  // a = b - a for |b| >= |a|.
  static void SubtractFromMagnitude(Limbs& a, const Limbs& b);
  static void Multiply(const Limbs& a, const Limbs& b, Limbs& out);
  static void DivideMagnitudes(const Limbs& a, const Limbs& b, Limbs& q, Limbs& r);
  void Trim();
  void AddSigned(const WideInt& b, bool negateB);

  Limbs limbs_;  // least significant first
  bool negative_ = false;
};

// The highest common divisor of |a| and |b|, never negative; 0 only for two zeros.
WideInt Gcd(WideInt a, WideInt b);

// A fraction of wide integers, in lowest terms with a positive denominator when made by
// Reduced.
struct WideRational {
  WideInt num;
  WideInt den{1};

  // num/den in lowest terms; den must not be 0.
  static WideRational Reduced(WideInt num, WideInt den);
  // "n" or "n/d", as the fractions of the rest of the program: -1/2, 3.
  std::string Text() const;
  double ToDouble() const;
  friend bool operator==(const WideRational& a, const WideRational& b) = default;
};

}  // namespace tessaro
