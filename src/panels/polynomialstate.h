#pragma once

// What the Polynomials window holds, without widgets: the lettered list, the unary panel,
// the two binary operands and their results, and the combined operation. Every change
// records which parts of the window it touched; the window writes those parts and never
// reads its state back from them.

#include "panels/letteredlist.h"
#include "panels/polynomialpanel.h"
#include "panels/session.h"
#include "polynomials/polynomial.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

// 24 polynomials named A to Y without Q; the same polynomial may be listed twice.
using PolynomialList = LetteredList<Polynomial>;
PolynomialList MakePolynomialList();

// The unary panel: P under its name, its value at x and its analysis.
struct PolUnary {
  std::string name = "P";  // a letter of the list, or "P1" for a typed polynomial
  std::string text;        // P as its field shows it
  Polynomial p{};
  std::string x = "0";     // the point of the value, as it was typed
  std::string value;
  PolUnaryTexts texts;
  bool shown = false;      // the results are those of `text`: false once the field is edited
};

// A binary operand: the item its chooser shows (none while the list is empty) and the
// text its field was given.
struct PolOperand {
  std::optional<std::size_t> item;
  std::string text;
};

// One computation of the binary panel: the operand texts it read and what it gave.
struct PolBinary {
  std::string a, b;
  PolBinaryTexts texts;
};

// One successful combined operation and the list it ranged over.
struct PolCombined {
  std::string expression;
  std::vector<std::string> list;  // the items' texts, in letter order
};

enum class ListChange { None, Appended, Rebuilt };

// The parts of the window a change touched.
struct PolChanges {
  ListChange list = ListChange::None;
  bool polText = false;  // the unary polynomial's field
  bool unary = false;    // the unary names and results
  bool operand[2] = {false, false};
  bool binary = false;   // captions and results
  bool combined = false;
};

class PolynomialState {
 public:
  PolynomialState();

  const PolynomialList& List() const { return list_; }
  std::string ItemText(std::size_t i) const;
  // Whether the list ever held an item: the binary and combined panels work from then on.
  bool EverListed() const { return everListed_; }

  // The first item becomes both operands, the second becomes B; later items choose nothing.
  ListAdd Add(const Polynomial& entry);
  // Each operand keeps its polynomial under its new letter; one whose item went is chosen
  // again at its place (the last item when it was the last). The unary panel stays.
  bool Erase(std::size_t i);
  // The operands go with the list; the results shown stay.
  void Clear();

  // The unary panel for item i, or for a typed text (false when it is no polynomial). Both
  // throw ConversionError, changing nothing, for an x or an exponent beyond 32 bits.
  void ShowItem(std::size_t i, std::string_view x);
  bool ShowTyped(std::string_view text, std::string_view x);
  // P's value at a new x; throws as above.
  void SetX(std::string_view x);
  // The user edits P's field: the results no longer belong to it.
  void EditPolText();
  const PolUnary& Unary() const { return unary_; }
  bool EverUnary() const { return everUnary_; }

  // Operand 0 is A, 1 is B.
  const PolOperand& Operand(int k) const { return operands_[k]; }
  // Chooses item `item` for operand k and clears the binary results; false for no such item.
  bool Choose(int k, std::size_t item);
  // Go with the operand fields as typed: false, changing nothing, when one is no
  // polynomial. Throws ConversionError as PolFromText does.
  bool Go(std::string_view a, std::string_view b);
  const PolBinaryCaptions& Captions() const { return captions_; }
  // The results on display; none once an operand is chosen again.
  const std::optional<PolBinary>& Binary() const { return binary_; }
  // The last Go that computed, whether or not its results are still on display.
  const std::optional<PolBinary>& LastBinary() const { return lastBinary_; }

  // An empty expression changes nothing. Throws ConversionError as PolEval does.
  void Evaluate(std::string_view expression);
  // The user edits the expression: its result is no longer shown.
  void EditExpression();
  const PolCombinedText& CombinedShown() const { return combined_; }
  bool CombinedOk() const { return combinedOk_; }  // the last evaluation succeeded
  const std::optional<PolCombined>& LastCombined() const { return lastCombined_; }

  // The list and the operands' items to remember, and taken back: each item is read as a
  // typed polynomial is, so a text that is none, or one past the capacity, is dropped, and
  // an operand whose item went chooses nothing of its own. The panels' results stay.
  PolynomialSession Session() const;
  void Restore(const PolynomialSession& session);

  // What changed since the last call.
  PolChanges TakeChanges();

 private:
  char OperandLetter(int k) const;
  void SetOperand(int k, std::optional<std::size_t> item);
  void ClearBinary();
  void Show(PolUnary u);

  PolynomialList list_;
  bool everListed_ = false;
  PolUnary unary_;
  bool everUnary_ = false;
  PolOperand operands_[2];
  PolBinaryCaptions captions_;
  std::optional<PolBinary> binary_, lastBinary_;
  PolCombinedText combined_;
  bool combinedOk_ = false;
  std::optional<PolCombined> lastCombined_;
  PolChanges changes_;
};

}  // namespace tessaro
