// RatEval against a separate model: a tokenizing recursive-descent parser of the same
// grammar that computes in 128-bit integers and applies the overflow rule of each step
// (every value the step forms must stay within Long_Max; a power strictly below it).

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <random>
#include <string>

#include "numbers/numbers.h"

namespace tessaro {
namespace {

using Int = __int128;
constexpr Int kMax = Long_Max;

Int Abs(Int v) { return v < 0 ? -v : v; }
Int Gcd(Int a, Int b) { return b == 0 ? Abs(a) : Gcd(b, a % b); }

// A fraction; values the model computes are kept in lowest terms with a positive
// denominator, while a fraction literal is kept as written.
struct Frac { Int n = 0, d = 1; };
using Value = std::optional<Frac>;

Value Reduced(Int n, Int d) {
  if (n == 0) return Frac{0, 1};
  Int g = Gcd(n, d);
  if (d < 0) g = -g;
  return Frac{n / g, d / g};
}

bool Fits(Int v) { return Abs(v) <= kMax; }

Value Apply(char op, Frac a, Frac b) {
  switch (op) {
    case '+': case '-': {
      Int l = Abs(a.d) / Gcd(a.d, b.d) * Abs(b.d);
      Int p = l / a.d * a.n, q = l / b.d * b.n;
      Int s = op == '+' ? p + q : p - q;
      if (!Fits(l) || !Fits(p) || !Fits(q) || !Fits(s)) return {};
      return Reduced(s, l);
    }
    case '*': {
      if (a.n == 0 || b.n == 0) return Frac{0, 1};
      Int g1 = Gcd(a.n, b.d), g2 = Gcd(b.n, a.d);
      if (!Fits(a.n / g1 * (b.n / g2)) || !Fits(a.d / g2 * (b.d / g1))) return {};
      return Reduced(a.n * b.n, a.d * b.d);
    }
    default: {  // '/', no cancelling before the products
      if (b.n == 0 || !Fits(a.n * b.d) || !Fits(a.d * b.n)) return {};
      return Reduced(a.n * b.d, a.d * b.n);
    }
  }
}

Value Power(Frac a, int k) {
  if (k == 0) return Frac{1, 1};
  if (a.n == 0) return k > 0 ? Value(Frac{0, 1}) : Value();
  Int n = 1, d = 1;
  for (int i = 0; i < std::abs(k); ++i) {
    n *= a.n;
    d *= a.d;
    if (Abs(n) >= kMax || d >= kMax) return {};
  }
  return k > 0 ? Reduced(n, d) : Reduced(d, n);
}

class Model {
 public:
  explicit Model(std::string text) : s_(std::move(text)) {}
  Value Evaluate() { return Sum().value; }

 private:
  struct Node { Value value; size_t begin, end; };

  char At(size_t i) const { return i < s_.size() ? s_[i] : '\0'; }
  bool Binary(char op) const {
    return At(pos_) == op && pos_ > 0 && (std::isalnum(static_cast<unsigned char>(s_[pos_ - 1])) || s_[pos_ - 1] == ')');
  }

  // An operand written as integer "/" integer, signs allowed, is used as written.
  Value OperandValue(const Node& node) const {
    std::string t = s_.substr(node.begin, node.end - node.begin);
    size_t slash = t.find('/');
    auto isInt = [](const std::string& u) {
      size_t i = (!u.empty() && (u[0] == '+' || u[0] == '-')) ? 1 : 0;
      return i < u.size() && u.find_first_not_of("0123456789", i) == std::string::npos;
    };
    if (slash != std::string::npos && isInt(t.substr(0, slash)) && isInt(t.substr(slash + 1))) {
      Int d = std::stoll(t.substr(slash + 1));
      if (d == 0) return {};
      return Frac{std::stoll(t.substr(0, slash)), d};
    }
    return node.value;
  }

  Node Combine(char op, const Node& a, const Node& b) const {
    Value x = OperandValue(a), y = OperandValue(b);
    return {x && y ? Apply(op, *x, *y) : Value(), a.begin, b.end};
  }

  Node Sum() {  // + groups to the right
    Node a = Difference();
    if (!Binary('+')) return a;
    ++pos_;
    return Combine('+', a, Sum());
  }
  Node Difference() {
    Node a = Product();
    while (Binary('-')) {
      ++pos_;
      a = Combine('-', a, Product());
    }
    return a;
  }
  Node Product() {  // * groups to the right
    Node a = Quotient();
    if (At(pos_) != '*') return a;
    ++pos_;
    return Combine('*', a, Product());
  }
  Node Quotient() {
    Node a = Unary();
    while (At(pos_) == '/') {
      ++pos_;
      a = Combine('/', a, Unary());
    }
    return a;
  }
  Node Unary() {
    size_t begin = pos_;
    if (At(pos_) == '-' || At(pos_) == '+') {
      size_t j = pos_ + 1;
      while (std::isdigit(static_cast<unsigned char>(At(j)))) ++j;
      if (j > pos_ + 1 && At(j) != '^') {  // a signed literal
        Int v = std::stoll(s_.substr(pos_, j - pos_));
        pos_ = j;
        return {Frac{v, 1}, begin, j};
      }
      bool negative = At(pos_++) == '-';
      Node inner = Unary();
      if (negative && inner.value) inner.value->n = -inner.value->n;
      return {inner.value, begin, inner.end};
    }
    Node base = Primary();
    if (At(pos_) != '^') return base;
    size_t j = ++pos_;
    if (At(j) == '-' || At(j) == '+') ++j;
    while (std::isdigit(static_cast<unsigned char>(At(j)))) ++j;
    int k = std::stoi(s_.substr(pos_, j - pos_));
    pos_ = j;
    return {base.value ? Power(*base.value, k) : Value(), begin, j};
  }
  Node Primary() {
    size_t begin = pos_;
    if (At(pos_) == '(') {
      ++pos_;
      Node inner = Sum();
      ++pos_;  // ')'
      return {inner.value, begin, pos_};
    }
    while (std::isdigit(static_cast<unsigned char>(At(pos_)))) ++pos_;
    return {Frac{std::stoll(s_.substr(begin, pos_ - begin)), 1}, begin, pos_};
  }

  std::string s_;
  size_t pos_ = 0;
};

// Random expressions: small literals that keep most results exact, and literals near the
// square root of Long_Max and beyond it that make steps overflow.
class Generator {
 public:
  explicit Generator(uint32_t seed) : g_(seed) {}

  std::string Expression(int depth) {
    switch (depth <= 0 ? 0 : g_() % 10) {
      case 0: case 1: case 2: return (g_() % 5 == 0 ? "-" : "") + Literal();
      case 3: case 4: case 5: case 6:
        return Expression(depth - 1) + "+-*/"[g_() % 4] + Expression(depth - 1);
      case 7: return Group(Expression(depth - 1));
      case 8: {
        std::string base = g_() % 2 ? std::to_string(g_() % 13) : Group(Expression(depth - 1));
        int k = static_cast<int>(g_() % 16) - 4;
        if (g_() % 10 == 0) k = 31;
        return base + "^" + std::to_string(k);
      }
      default: return (g_() % 4 == 0 ? "+" : "-") + Expression(depth - 1);
    }
  }

 private:
  std::string Literal() {
    switch (g_() % 10) {
      case 0: return std::to_string(g_() % 70000);
      case 1: return std::to_string(g_() % 2147483648u);
      default: return std::to_string(g_() % 13);
    }
  }
  // A second pair around a group would not be removed; that case has its own test.
  static std::string Group(const std::string& e) {
    return e.front() == '(' && e.back() == ')' ? e : "(" + e + ")";
  }

  std::mt19937 g_;
};

TEST(RatEvalProperty, AgreesWithModelOnRandomExpressions) {
  Generator generator(20240611);
  int succeeded = 0, failed = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text = generator.Expression(1 + i % 5);
    Value expected = Model(text).Evaluate();
    Rational r;
    bool ok = RatEval(text, r);
    ASSERT_EQ(ok, expected.has_value()) << text;
    if (!ok) {
      ++failed;
      continue;
    }
    ++succeeded;
    ASSERT_EQ(r.Num, static_cast<int64_t>(expected->n)) << text;
    ASSERT_EQ(r.Den, static_cast<int64_t>(expected->d)) << text;
  }
  // Both outcomes must be well represented, or the comparison proves little.
  EXPECT_GT(succeeded, 1000);
  EXPECT_GT(failed, 200);
}

}  // namespace
}  // namespace tessaro
