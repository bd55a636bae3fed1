#include "numbers/wideint.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tessaro {

namespace {
constexpr int LimbBits = 32;
constexpr uint64_t LimbBase = uint64_t{1} << LimbBits;
}  // namespace

WideInt::WideInt(int64_t v) {
  negative_ = v < 0;
  // Through unsigned arithmetic, so that INT64_MIN has its magnitude too.
  uint64_t m = negative_ ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  while (m != 0) {
    limbs_.push_back(static_cast<uint32_t>(m));
    m >>= LimbBits;
  }
}

bool WideInt::FromText(std::string_view text, WideInt& out) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  WideInt value;
  const WideInt ten(10);
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value.MulAdd(ten, WideInt(c - '0'));
  }
  if (negative) value = -value;
  out = value;
  return true;
}

std::string WideInt::ToText() const {
  if (IsZero()) return "0";
  // Nine decimal digits at a time, by short division of the magnitude.
  Limbs m = limbs_;
  std::string digits;
  while (!m.empty()) {
    uint64_t rest = 0;
    for (std::size_t i = m.size(); i-- > 0;) {
      const uint64_t cur = (rest << LimbBits) | m[i];
      m[i] = static_cast<uint32_t>(cur / 1000000000u);
      rest = cur % 1000000000u;
    }
    while (!m.empty() && m.back() == 0) m.pop_back();
    for (int k = 0; k < 9 && (rest != 0 || !m.empty()); ++k) {
      digits.push_back(static_cast<char>('0' + rest % 10));
      rest /= 10;
    }
  }
  if (negative_) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

int WideInt::BitLength() const {
  if (limbs_.empty()) return 0;
  return static_cast<int>(limbs_.size() - 1) * LimbBits + std::bit_width(limbs_.back());
}

bool WideInt::FitsInt64() const {
  if (limbs_.size() <= 1) return true;
  if (limbs_.size() > 2) return false;
  const uint64_t m = (uint64_t{limbs_[1]} << LimbBits) | limbs_[0];
  return negative_ ? m <= (uint64_t{1} << 63) : m < (uint64_t{1} << 63);
}

int64_t WideInt::ToInt64() const {
  uint64_t m = 0;
  for (std::size_t i = std::min<std::size_t>(limbs_.size(), 2); i-- > 0;)
    m = (m << LimbBits) | limbs_[i];
  return negative_ ? static_cast<int64_t>(uint64_t{0} - m) : static_cast<int64_t>(m);
}

double WideInt::ToDouble() const {
  // The top three limbs hold at least 65 significant bits, more than a double keeps.
  double m = 0;
  const std::size_t n = limbs_.size();
  const std::size_t low = n > 3 ? n - 3 : 0;
  for (std::size_t i = n; i-- > low;) m = m * static_cast<double>(LimbBase) + limbs_[i];
  const double value = std::ldexp(m, static_cast<int>(low) * LimbBits);
  return negative_ ? -value : value;
}

uint32_t WideInt::Mod(uint32_t m) const {
  uint64_t rest = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) rest = ((rest << LimbBits) | limbs_[i]) % m;
  return negative_ && rest != 0 ? static_cast<uint32_t>(m - rest) : static_cast<uint32_t>(rest);
}

WideInt WideInt::operator-() const {
  WideInt r = *this;
  if (!r.IsZero()) r.negative_ = !r.negative_;
  return r;
}

WideInt WideInt::Abs() const {
  WideInt r = *this;
  r.negative_ = false;
  return r;
}

void WideInt::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
  if (limbs_.empty()) negative_ = false;
}

int WideInt::CompareMagnitudes(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

void WideInt::AddMagnitudes(Limbs& a, const Limbs& b) {
  if (a.size() < b.size()) a.resize(b.size(), 0);
  uint32_t* pa = a.data();
  const uint32_t* pb = b.data();
  const std::size_t nb = b.size(), na = a.size();
  uint64_t carry = 0;
  std::size_t i = 0;
  for (; i < nb; ++i) {
    const uint64_t s = uint64_t{pa[i]} + pb[i] + carry;
    pa[i] = static_cast<uint32_t>(s);
    carry = s >> LimbBits;
  }
  for (; carry != 0 && i < na; ++i) {
    const uint64_t s = uint64_t{pa[i]} + carry;
    pa[i] = static_cast<uint32_t>(s);
    carry = s >> LimbBits;
  }
  if (carry != 0) a.push_back(static_cast<uint32_t>(carry));
}

void WideInt::SubtractMagnitudes(Limbs& a, const Limbs& b) {
  uint32_t* pa = a.data();
  const uint32_t* pb = b.data();
  const std::size_t nb = b.size(), na = a.size();
  uint64_t borrow = 0;
  std::size_t i = 0;
  for (; i < nb; ++i) {
    // Modulo 2^64, the top half is all ones exactly when the difference went below zero.
    const uint64_t d = uint64_t{pa[i]} - pb[i] - borrow;
    pa[i] = static_cast<uint32_t>(d);
    borrow = d >> 63;
  }
  for (; borrow != 0 && i < na; ++i) {
    const uint64_t d = uint64_t{pa[i]} - borrow;
    pa[i] = static_cast<uint32_t>(d);
    borrow = d >> 63;
  }
}

void WideInt::SubtractFromMagnitude(Limbs& a, const Limbs& b) {
  a.resize(b.size(), 0);
  uint32_t* pa = a.data();
  const uint32_t* pb = b.data();
  uint64_t borrow = 0;
  for (std::size_t i = 0; i < b.size(); ++i) {
    const uint64_t d = uint64_t{pb[i]} - pa[i] - borrow;
    pa[i] = static_cast<uint32_t>(d);
    borrow = d >> 63;
  }
}

void WideInt::AddSigned(const WideInt& b, bool negateB) {
  const bool bNegative = b.negative_ != negateB;
  if (b.IsZero()) return;
  if (IsZero()) {
    limbs_ = b.limbs_;
    negative_ = bNegative;
    return;
  }
  if (negative_ == bNegative) {
    AddMagnitudes(limbs_, b.limbs_);
    return;
  }
  // Opposite signs: the larger magnitude keeps its sign.
  if (CompareMagnitudes(limbs_, b.limbs_) >= 0) {
    SubtractMagnitudes(limbs_, b.limbs_);
  } else {
    SubtractFromMagnitude(limbs_, b.limbs_);
    negative_ = bNegative;
  }
  Trim();
}

WideInt& WideInt::operator+=(const WideInt& b) {
  if (&b == this) return *this <<= 1;
  AddSigned(b, false);
  return *this;
}

WideInt& WideInt::operator-=(const WideInt& b) {
  if (&b == this) return *this = WideInt();
  AddSigned(b, true);
  return *this;
}

void WideInt::Multiply(const Limbs& a, const Limbs& b, Limbs& out) {
  out.assign(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    uint64_t carry = 0;
    const uint64_t ai = a[i];
    if (ai == 0) continue;
    for (std::size_t j = 0; j < b.size(); ++j) {
      // ai·bj + out + carry <= (2^32-1)^2 + 2·(2^32-1) = 2^64 - 1: no overflow.
      const uint64_t t = ai * b[j] + out[i + j] + carry;
      out[i + j] = static_cast<uint32_t>(t);
      carry = t >> LimbBits;
    }
    out[i + b.size()] = static_cast<uint32_t>(carry);
  }
}

WideInt operator*(const WideInt& a, const WideInt& b) {
  WideInt r;
  if (a.IsZero() || b.IsZero()) return r;
  WideInt::Multiply(a.limbs_, b.limbs_, r.limbs_);
  r.negative_ = a.negative_ != b.negative_;
  r.Trim();
  return r;
}

WideInt& WideInt::operator*=(const WideInt& b) { return *this = *this * b; }

void WideInt::MulAdd(const WideInt& m, const WideInt& c) {
  if (IsZero() || m.IsZero()) {
    *this = c;
    return;
  }
  if (m.limbs_.size() == 1 && !m.negative_) {
    // The common step of reading digits: in place.
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint64_t t = uint64_t{limb} * m.limbs_[0] + carry;
      limb = static_cast<uint32_t>(t);
      carry = t >> LimbBits;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
    return AddSigned(c, false);
  }
  *this = *this * m;
  AddSigned(c, false);
}

WideInt& WideInt::operator<<=(int bits) {
  if (IsZero() || bits <= 0) return *this;
  const std::size_t whole = static_cast<std::size_t>(bits / LimbBits);
  const int part = bits % LimbBits;
  if (part != 0) {
    uint32_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint32_t next = limb >> (LimbBits - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), whole, 0);
  return *this;
}

void WideInt::DivideMagnitudes(const Limbs& a, const Limbs& b, Limbs& q, Limbs& r) {
  if (CompareMagnitudes(a, b) < 0) {
    q.clear();
    r = a;
    return;
  }
  const std::size_t n = b.size();
  const std::size_t m = a.size();
  if (n == 1) {
    q.assign(m, 0);
    uint64_t rest = 0;
    for (std::size_t i = m; i-- > 0;) {
      const uint64_t cur = (rest << LimbBits) | a[i];
      q[i] = static_cast<uint32_t>(cur / b[0]);
      rest = cur % b[0];
    }
    r.assign(1, static_cast<uint32_t>(rest));
    return;
  }
  // Long division in base 2^32 (Knuth's algorithm D). Normalizing so that the divisor's top
  // bit is set makes each estimated quotient digit at most two above the true one, and the
  // test against the second divisor digit leaves at most one correction by adding back.
  const int s = std::countl_zero(b.back());
  Limbs vn(n), un(m + 1);
  for (std::size_t i = n - 1; i > 0; --i)
    vn[i] = (b[i] << s) | (s ? static_cast<uint32_t>(uint64_t{b[i - 1]} >> (LimbBits - s)) : 0);
  vn[0] = b[0] << s;
  un[m] = s ? static_cast<uint32_t>(uint64_t{a[m - 1]} >> (LimbBits - s)) : 0;
  for (std::size_t i = m - 1; i > 0; --i)
    un[i] = (a[i] << s) | (s ? static_cast<uint32_t>(uint64_t{a[i - 1]} >> (LimbBits - s)) : 0);
  un[0] = a[0] << s;

  q.assign(m - n + 1, 0);
  for (std::size_t j = m - n + 1; j-- > 0;) {
    const uint64_t top = (uint64_t{un[j + n]} << LimbBits) | un[j + n - 1];
    uint64_t qhat = top / vn[n - 1];
    uint64_t rhat = top % vn[n - 1];
    while (qhat >= LimbBase || qhat * vn[n - 2] > ((rhat << LimbBits) | un[j + n - 2])) {
      --qhat;
      rhat += vn[n - 1];
      if (rhat >= LimbBase) break;
    }
    // un[j..j+n] -= qhat·vn
    int64_t borrow = 0;
    uint64_t carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const uint64_t p = qhat * vn[i] + carry;
      carry = p >> LimbBits;
      const int64_t t = int64_t{un[i + j]} - borrow - static_cast<int64_t>(p & 0xFFFFFFFFu);
      un[i + j] = static_cast<uint32_t>(t);
      borrow = t < 0 ? 1 : 0;
    }
    const int64_t t = int64_t{un[j + n]} - borrow - static_cast<int64_t>(carry);
    un[j + n] = static_cast<uint32_t>(t);
    if (t < 0) {
      // qhat was one too large: add the divisor back once.
      --qhat;
      uint64_t c = 0;
      for (std::size_t i = 0; i < n; ++i) {
        const uint64_t sum = uint64_t{un[i + j]} + vn[i] + c;
        un[i + j] = static_cast<uint32_t>(sum);
        c = sum >> LimbBits;
      }
      un[j + n] = static_cast<uint32_t>(uint64_t{un[j + n]} + c);
    }
    q[j] = static_cast<uint32_t>(qhat);
  }
  r.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i)
    r[i] = (un[i] >> s) | (s ? static_cast<uint32_t>(uint64_t{un[i + 1]} << (LimbBits - s)) : 0);
}

void WideInt::DivMod(const WideInt& a, const WideInt& b, WideInt& q, WideInt& r) {
  Limbs ql, rl;
  DivideMagnitudes(a.limbs_, b.limbs_, ql, rl);
  const bool qNegative = a.negative_ != b.negative_;
  const bool rNegative = a.negative_;
  q.limbs_ = std::move(ql);
  q.negative_ = qNegative;
  q.Trim();
  r.limbs_ = std::move(rl);
  r.negative_ = rNegative;
  r.Trim();
}

WideInt operator/(const WideInt& a, const WideInt& b) {
  WideInt q, r;
  WideInt::DivMod(a, b, q, r);
  return q;
}

WideInt operator%(const WideInt& a, const WideInt& b) {
  WideInt q, r;
  WideInt::DivMod(a, b, q, r);
  return r;
}

WideInt WideInt::FloorDiv(const WideInt& a, const WideInt& b) {
  WideInt q, r;
  DivMod(a, b, q, r);
  // Truncation rounded up exactly when the true quotient is negative and not whole.
  if (!r.IsZero() && (r.Sign() != b.Sign())) q -= WideInt(1);
  return q;
}

std::strong_ordering operator<=>(const WideInt& a, const WideInt& b) {
  if (a.negative_ != b.negative_)
    return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
  const int c = WideInt::CompareMagnitudes(a.limbs_, b.limbs_);
  const int signed_c = a.negative_ ? -c : c;
  return signed_c < 0 ? std::strong_ordering::less
         : signed_c > 0 ? std::strong_ordering::greater
                        : std::strong_ordering::equal;
}

WideInt Gcd(WideInt a, WideInt b) {
  a = a.Abs();
  b = b.Abs();
  while (!b.IsZero()) {
    WideInt q, r;
    WideInt::DivMod(a, b, q, r);
    a = std::move(b);
    b = std::move(r);
  }
  return a;
}

WideRational WideRational::Reduced(WideInt num, WideInt den) {
  if (den.Sign() < 0) {
    num = -num;
    den = -den;
  }
  const WideInt g = Gcd(num, den);
  if (!(g == WideInt(1))) {
    num = num / g;
    den = den / g;
  }
  return {std::move(num), std::move(den)};
}

std::string WideRational::Text() const {
  return den == WideInt(1) ? num.ToText() : num.ToText() + "/" + den.ToText();
}

double WideRational::ToDouble() const {
  // Both parts scaled into the range of a double first, so that a quotient of two huge
  // parts is not infinity over infinity.
  const int shift = std::max(num.BitLength(), den.BitLength()) - 1000;
  if (shift <= 0) return num.ToDouble() / den.ToDouble();
  WideInt q, r;
  WideInt::DivMod(num << 64, den, q, r);
  return std::ldexp(q.ToDouble(), -64);
}

}  // namespace tessaro
