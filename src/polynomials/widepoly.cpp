#include "polynomials/widepoly.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tessaro {

int Degree(const WidePoly& a) { return static_cast<int>(a.size()) - 1; }

void TrimZeros(WidePoly& a) {
  while (!a.empty() && a.back().IsZero()) a.pop_back();
}

bool WidePolyOf(const Polynomial& p, WidePoly& out, WideInt* scale) {
  WideInt l(1);
  for (const Rational& c : p) {
    if (c.Num == 0) continue;
    if (c.Den == 0) return false;
    const WideInt den = WideInt(c.Den).Abs();
    l = l / Gcd(l, den) * den;
  }
  out.assign(p.size(), WideInt());
  for (std::size_t k = 0; k < p.size(); ++k) {
    if (p[k].Num == 0) continue;
    // A negative denominator moves its sign to the numerator.
    const WideInt den(p[k].Den);
    out[k] = l / den.Abs() * WideInt(p[k].Num) * WideInt(den.Sign());
  }
  TrimZeros(out);
  if (scale) *scale = l;
  return true;
}

WidePoly Derivative(const WidePoly& a) {
  WidePoly d;
  for (std::size_t k = 1; k < a.size(); ++k) d.push_back(a[k] * WideInt(static_cast<int64_t>(k)));
  TrimZeros(d);
  return d;
}

namespace {

WideInt Content(const WidePoly& a) {
  WideInt g;
  for (const WideInt& c : a) {
    g = Gcd(g, c);
    if (g == WideInt(1)) break;
  }
  return g;
}

// Divides by the content, keeping the sign.
void DivideByContent(WidePoly& a) {
  const WideInt g = Content(a);
  if (g.IsZero() || g == WideInt(1)) return;
  for (WideInt& c : a) c = c / g;
}

}  // namespace

WidePoly PrimitivePart(WidePoly a) {
  TrimZeros(a);
  DivideByContent(a);
  if (!a.empty() && a.back().Sign() < 0)
    for (WideInt& c : a) c = -c;
  return a;
}

WidePoly PseudoRemainder(const WidePoly& a, const WidePoly& b, WidePoly* quotient,
                         bool* negative) {
  WidePoly r = a;
  const int db = Degree(b);
  const int steps = Degree(a) - db + 1;
  WidePoly q(std::max(steps, 0));
  const WideInt& lc = b.back();
  // Each step multiplies r (and q) by lc and cancels r's top term with a multiple of b; the
  // steps that find a top term already cancelled multiply all the same, so c is always
  // lc^steps.
  for (int s = steps - 1; s >= 0; --s) {
    const int top = db + s;
    const WideInt t = top < static_cast<int>(r.size()) ? r[top] : WideInt();
    for (WideInt& c : r) c *= lc;
    for (WideInt& c : q) c *= lc;
    if (!t.IsZero()) {
      q[s] += t;
      for (int i = 0; i <= db; ++i) r[s + i] -= t * b[i];
    }
  }
  if (steps > 0) r.resize(std::min<std::size_t>(r.size(), static_cast<std::size_t>(db)));
  TrimZeros(r);
  if (quotient) {
    TrimZeros(q);
    *quotient = std::move(q);
  }
  if (negative) *negative = lc.Sign() < 0 && steps > 0 && steps % 2 == 1;
  return r;
}

WidePoly ExactQuotient(const WidePoly& a, const WidePoly& b) {
  WidePoly q;
  PseudoRemainder(a, b, &q);
  return PrimitivePart(q);
}

WidePoly Gcd(const WidePoly& a, const WidePoly& b) {
  WidePoly x = PrimitivePart(a);
  WidePoly y = PrimitivePart(b);
  if (Degree(x) < Degree(y)) std::swap(x, y);
  while (!y.empty()) {
    WidePoly r = PrimitivePart(PseudoRemainder(x, y));
    x = std::move(y);
    y = std::move(r);
  }
  return x;
}

void TaylorShift(WidePoly& a, bool minus) {
  // Horner's rule for every coefficient at once: after pass i, a[i] is final.
  const int d = Degree(a);
  for (int i = 0; i < d; ++i) {
    for (int j = d - 1; j >= i; --j) {
      if (minus) {
        a[j] -= a[j + 1];
      } else {
        a[j] += a[j + 1];
      }
    }
  }
}

int SignVariations(const WidePoly& a) {
  int changes = 0, last = 0;
  for (const WideInt& c : a) {
    const int s = c.Sign();
    if (s == 0) continue;
    if (last != 0 && s != last) ++changes;
    last = s;
  }
  return changes;
}

namespace {

// Polynomials over the integers modulo a prime below 2^31, index = power, trimmed.
using ModPoly = std::vector<uint64_t>;

ModPoly Reduce(const WidePoly& a, uint32_t prime) {
  ModPoly m;
  for (const WideInt& c : a) m.push_back(c.Mod(prime));
  while (!m.empty() && m.back() == 0) m.pop_back();
  return m;
}

uint64_t PowMod(uint64_t b, uint64_t e, uint64_t prime) {
  uint64_t r = 1;
  for (b %= prime; e != 0; e >>= 1, b = b * b % prime)
    if (e & 1) r = r * b % prime;
  return r;
}

// x mod y, y not zero.
ModPoly RemainderMod(ModPoly x, const ModPoly& y, uint64_t prime) {
  const uint64_t inverse = PowMod(y.back(), prime - 2, prime);
  while (x.size() >= y.size()) {
    const uint64_t factor = x.back() * inverse % prime;
    const std::size_t shift = x.size() - y.size();
    for (std::size_t i = 0; i < y.size(); ++i)
      x[shift + i] = (x[shift + i] + prime - factor * y[i] % prime) % prime;
    while (!x.empty() && x.back() == 0) x.pop_back();
  }
  return x;
}

// Primes below 2^32, so that products of residues fit 64 bits, and above any denominator a
// coefficient can have, so that the LCM of the denominators never makes them divide lc.
constexpr uint32_t LargePrimes[] = {4294967291u, 4294967279u, 4294967231u};
constexpr uint32_t SmallPrimes[] = {3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                    43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

}  // namespace

// If g = hcd(a, a') has degree >= 1, g divides a and a' over the integers (Gauss), so g mod p
// divides a mod p and a' mod p; its leading coefficient divides lc a, so for p not dividing
// lc a, g mod p keeps its degree. An hcd of degree 0 modulo one such p therefore proves a
// square-free.
bool SquareFreeByPrimes(const WidePoly& a) {
  if (Degree(a) <= 1) return true;
  const WidePoly d = Derivative(a);
  for (uint32_t prime : LargePrimes) {
    if (a.back().Mod(prime) == 0) continue;
    ModPoly x = Reduce(a, prime), y = Reduce(d, prime);
    while (!y.empty()) {
      ModPoly r = RemainderMod(x, y, prime);
      x = std::move(y);
      y = std::move(r);
    }
    if (x.size() == 1) return true;
  }
  return false;
}

// A rational root n/q of a in lowest terms has q dividing lc a (the rational-root theorem);
// for a prime p not dividing lc a, q is invertible modulo p and n·q^-1 is a root of a mod p.
// A prime modulo which a has no root at all therefore proves a without rational roots.
bool NoRationalRootByPrimes(const WidePoly& a) {
  for (uint32_t prime : SmallPrimes) {
    if (a.back().Mod(prime) == 0) continue;
    const ModPoly m = Reduce(a, prime);
    bool hasRoot = false;
    for (uint64_t x = 0; x < prime && !hasRoot; ++x) {
      uint64_t v = 0;
      for (std::size_t k = m.size(); k-- > 0;) v = (v * x + m[k]) % prime;
      hasRoot = v == 0;
    }
    if (!hasRoot) return true;
  }
  return false;
}

namespace {

// a(n/d)·d^deg: Horner's rule on the homogeneous form, the same sign as a(n/d) for d > 0.
// `shift` > 0 stands for d = 2^shift.
WideInt HomogeneousValue(const WidePoly& a, const WideInt& n, const WideInt* d, int shift) {
  if (a.empty()) return WideInt();
  WideInt v = a.back();
  WideInt scale(1);
  for (int k = Degree(a) - 1; k >= 0; --k) {
    if (d) {
      scale *= *d;
      v.MulAdd(n, a[k] * scale);
    } else {
      v.MulAdd(n, a[k] << (shift * (Degree(a) - k)));
    }
  }
  return v;
}

}  // namespace

int SignAtDyadic(const WidePoly& a, const WideInt& n, int e) {
  return HomogeneousValue(a, n, nullptr, e).Sign();
}

int SignAt(const WidePoly& a, const WideInt& n, const WideInt& d) {
  return HomogeneousValue(a, n, &d, 0).Sign();
}

WideRational ValueAt(const WidePoly& a, const WideRational& x) {
  WideInt power(1);
  for (std::size_t k = 1; k < a.size(); ++k) power *= x.den;
  return WideRational::Reduced(HomogeneousValue(a, x.num, &x.den, 0), power);
}

}  // namespace tessaro
