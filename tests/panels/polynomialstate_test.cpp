#include "panels/polynomialstate.h"

#include "numbers/conversionerror.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using Texts = std::vector<std::string>;

Polynomial Pol(const char* text) {
  Polynomial p{};
  EXPECT_TRUE(PolFromText(text, p)) << text;
  return p;
}

PolynomialState Listing(std::initializer_list<const char*> items) {
  PolynomialState s;
  for (const char* item : items) s.Add(Pol(item));
  return s;
}

// The letter each chooser shows and the text of its field: A's, then B's.
Texts Operands(const PolynomialState& s) {
  Texts out;
  for (int k = 0; k < 2; ++k) {
    const PolOperand& op = s.Operand(k);
    out.push_back(op.item ? std::string(1, s.List().Letter(*op.item)) : "");
    out.push_back(op.text);
  }
  return out;
}

Texts Lines(const PolynomialState& s) {
  Texts out;
  for (std::size_t i = 0; i < s.List().Size(); ++i) out.push_back(s.ItemText(i));
  return out;
}

TEST(PolynomialState, EachOperandShowsTheLetterOfItsText) {
  const struct {
    const char* why;
    std::function<void(PolynomialState&)> change;
    Texts operands;  // letter and text of A, then of B
  } cases[] = {
      {"an empty list: no letter, no text", [](PolynomialState&) {}, {"", "", "", ""}},
      {"the first item is both operands", [](PolynomialState& s) { s.Add(Pol("x")); },
       {"A", "x", "A", "x"}},
      {"the second becomes B",
       [](PolynomialState& s) {
         s.Add(Pol("x"));
         s.Add(Pol("x+1"));
       }, {"A", "x", "B", "x+1"}},
      {"a third chooses nothing",
       [](PolynomialState& s) {
         for (const char* p : {"x", "x+1", "x+2"}) s.Add(Pol(p));
       },
       {"A", "x", "B", "x+1"}},
      {"an erase before an operand keeps its polynomial under the new letter",
       [](PolynomialState& s) {
         for (const char* p : {"x", "x+1", "x+2"}) s.Add(Pol(p));
         s.Choose(1, 2);
         s.Erase(0);
       },
       {"A", "x+1", "B", "x+2"}},
      {"an operand whose item goes is chosen again at its place",
       [](PolynomialState& s) {
         for (const char* p : {"x", "x+1", "x+2"}) s.Add(Pol(p));
         s.Erase(1);
       },
       {"A", "x", "B", "x+2"}},
      {"at the end of the list, the new last item",
       [](PolynomialState& s) {
         s.Add(Pol("x"));
         s.Add(Pol("x+1"));
         s.Erase(1);
       },
       {"A", "x", "A", "x"}},
      {"erasing the only item leaves no operand",
       [](PolynomialState& s) {
         s.Add(Pol("x"));
         s.Erase(0);
       },
       {"", "", "", ""}},
      {"the operands go with a cleared list",
       [](PolynomialState& s) {
         s.Add(Pol("x"));
         s.Add(Pol("x+1"));
         s.Clear();
       },
       {"", "", "", ""}},
      {"after clearing, the first item is both operands again",
       [](PolynomialState& s) {
         s.Add(Pol("x"));
         s.Add(Pol("x+1"));
         s.Clear();
         s.Add(Pol("x+7"));
       },
       {"A", "x+7", "A", "x+7"}},
      {"a choice beyond the list is refused",
       [](PolynomialState& s) {
         s.Add(Pol("x"));
         EXPECT_FALSE(s.Choose(0, 1));
       },
       {"A", "x", "A", "x"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    PolynomialState s;
    c.change(s);
    EXPECT_EQ(Operands(s), c.operands);
  }
}

TEST(PolynomialState, ListKeepsTwentyFourRepeatsAllowedAndSaysWhatToWrite) {
  PolynomialState s;
  EXPECT_EQ(s.Add(Pol("x")), ListAdd::Added);
  EXPECT_EQ(s.TakeChanges().list, ListChange::Appended);
  EXPECT_EQ(s.Add(Pol("x")), ListAdd::Added) << "the same polynomial twice";
  for (int i = 2; i < 24; ++i) s.Add(Pol("x"));
  EXPECT_EQ(s.Add(Pol("1")), ListAdd::Full);
  EXPECT_EQ(s.List().Letter(23), 'Y');
  EXPECT_EQ(s.TakeChanges().list, ListChange::Rebuilt) << "more than one new row";
  EXPECT_EQ(s.TakeChanges().list, ListChange::None) << "taken once";
  s.Erase(0);
  EXPECT_EQ(s.TakeChanges().list, ListChange::Rebuilt);
  EXPECT_FALSE(s.Erase(23)) << "no such item";
}

TEST(PolynomialState, GoComputesTheTypedOperandsOrChangesNothing) {
  PolynomialState s = Listing({"x+5", "x^2-1", "x-1"});
  s.Choose(0, 1);
  s.Choose(1, 2);
  s.TakeChanges();
  ASSERT_TRUE(s.Go("x^2-1", "x-1"));
  ASSERT_TRUE(s.Binary());
  EXPECT_EQ(s.Binary()->texts.quotient, "x+1");
  EXPECT_EQ(s.Captions().sum, "B + C");
  EXPECT_TRUE(s.TakeChanges().binary);

  EXPECT_FALSE(s.Go("x^2-1", "1+x")) << "not a polynomial";
  EXPECT_FALSE(s.TakeChanges().binary);
  EXPECT_EQ(s.Binary()->b, "x-1");
  EXPECT_THROW(s.Go("x^99999999999", "x"), ConversionError);
  EXPECT_EQ(s.Binary()->a, "x^2-1");

  // An erase before the operands keeps the results and renames them.
  s.Erase(0);
  ASSERT_TRUE(s.Binary());
  EXPECT_EQ(s.Captions().sum, "A + B");
  // Choosing again clears the results on display; the last computation stays.
  s.Choose(0, 0);
  EXPECT_FALSE(s.Binary());
  ASSERT_TRUE(s.LastBinary());
  EXPECT_EQ((Texts{s.LastBinary()->a, s.LastBinary()->b}), (Texts{"x^2-1", "x-1"}));
  EXPECT_EQ(s.Captions().sum, "A + B") << "captions stay until the next Go";
}

TEST(PolynomialState, OperandsTypedIntoAnEmptyListGoByTheirOwnNames) {
  PolynomialState s;
  ASSERT_TRUE(s.Go("x", "x+1"));
  EXPECT_EQ(s.Captions().letters, "A,B");
  EXPECT_FALSE(s.EverListed());
}

TEST(PolynomialState, UnaryPanelShowsAnItemOrATypedPolynomial) {
  PolynomialState s = Listing({"x+3", "x^2-1"});
  EXPECT_EQ(s.Unary().name, "P");
  EXPECT_FALSE(s.Unary().shown);
  s.ShowItem(1, "0");
  EXPECT_EQ((Texts{s.Unary().name, s.Unary().text, s.Unary().value, s.Unary().texts.roots}),
            (Texts{"B", "x^2-1", "-1", "-1, 1"}));
  EXPECT_TRUE(s.TakeChanges().polText);

  ASSERT_TRUE(s.ShowTyped("x^2-4", "1"));
  EXPECT_EQ((Texts{s.Unary().name, s.Unary().text, s.Unary().value}), (Texts{"P1", "x^2-4", "-3"}));
  EXPECT_FALSE(s.TakeChanges().polText) << "the field already holds what was typed";

  EXPECT_FALSE(s.ShowTyped("1+x", "0"));
  EXPECT_EQ(s.Unary().text, "x^2-4");
  EXPECT_THROW(s.ShowItem(0, "99999999999"), ConversionError);
  EXPECT_EQ(s.Unary().text, "x^2-4") << "nothing changed";

  s.SetX("3");
  EXPECT_EQ((Texts{s.Unary().x, s.Unary().value}), (Texts{"3", "5"}));

  s.EditPolText();
  EXPECT_FALSE(s.Unary().shown);
  EXPECT_EQ((Texts{s.Unary().name, s.Unary().value, s.Unary().texts.derivative}),
            (Texts{"P1", "", ""}));
  EXPECT_TRUE(s.EverUnary());
  // P stays the polynomial of the panel: a new x still gives its value.
  s.SetX("2");
  EXPECT_EQ(s.Unary().value, "0");
}

TEST(PolynomialState, CombinedOperationKeepsTheListItRangedOver) {
  PolynomialState s = Listing({"x+1", "x-1", "x+2"});
  s.Evaluate("A*B");
  EXPECT_EQ(s.CombinedShown().text, "x^2-1");
  EXPECT_TRUE(s.CombinedOk());
  ASSERT_TRUE(s.LastCombined());
  EXPECT_EQ(s.LastCombined()->list, (Texts{"x+1", "x-1", "x+2"}));

  s.Erase(1);
  s.Evaluate("C");
  EXPECT_EQ(s.CombinedShown().text, "WHAT IS IT?") << "C left the list";
  EXPECT_FALSE(s.CombinedOk());
  EXPECT_EQ(s.LastCombined()->expression, "A*B") << "a failure keeps the last success";
  EXPECT_EQ(s.LastCombined()->list, (Texts{"x+1", "x-1", "x+2"}));
  EXPECT_EQ(Lines(s), (Texts{"x+1", "x+2"}));

  s.Evaluate("2147483646*A*A");
  EXPECT_EQ(s.CombinedShown().text, "Some coefficient > Long_Max");
  EXPECT_FALSE(s.CombinedOk());

  s.Evaluate("A+B");
  s.TakeChanges();
  s.EditExpression();
  EXPECT_EQ(s.CombinedShown().text, "");
  EXPECT_TRUE(s.CombinedOk()) << "its problem is still there to make";
  EXPECT_TRUE(s.TakeChanges().combined);
  s.Evaluate("");
  EXPECT_FALSE(s.TakeChanges().combined) << "an empty expression does nothing";
  EXPECT_THROW(s.Evaluate("A^99999999999"), ConversionError);
  EXPECT_EQ(s.LastCombined()->expression, "A+B");
}

}  // namespace
}  // namespace tessaro
