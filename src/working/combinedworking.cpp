#include "working/combinedworking.h"

#include <algorithm>
#include <optional>
#include <string>

#include "numbers/numbers.h"
#include "numbers/words.h"
#include "panels/failuretexts.h"
#include "panels/polynomialpanel.h"
#include "polynomials/poleval.h"
#include "working/rewrite.h"
#include "working/stepwords.h"

namespace tessaro {

namespace {

using work::Dot;

// Copies text[from, to) with the middle dot for "*".
void Plain(std::string_view text, std::string& out, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    if (text[i] == '*')
      out += Dot;
    else
      out += text[i];
  }
}

bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

// Past this many bytes of lines a working writes no more whole lines: it counts the steps
// left out and ends with the value. A 1,000-character expression over long list items would
// otherwise take megabytes, which no window shows in one frame and no reader follows.
constexpr std::size_t LineBudget = 64 * 1024;

// The lines as the steps come: one for each step that changes more than parentheses.
class StepLines {
 public:
  explicit StepLines(work::Rewrite& rewrite) : rewrite_(rewrite) { Push(rewrite_.Render()); }

  void Read(std::string_view part, const std::string& value) { rewrite_.Replace(part, value); }

  void Worked(std::string_view part, const std::string& value) {
    // A number in parentheses worked out to itself: the parentheses go, no step is shown.
    const bool same = rewrite_.Shows(part, value);
    rewrite_.Replace(part, value);
    if (same) return;
    if (bytes_ >= LineBudget) {
      ++leftOut_;
    } else {
      Push(rewrite_.Render());
    }
  }

  // `why` is a pattern whose %1 is the failing part as the line shows it.
  void Failed(std::string_view part, const std::string& why) {
    failure_ = Fill(why, {rewrite_.Render(part)});
  }

  // The lines, ending with the value, or with the failing step and the panel's text.
  Working Finish(std::optional<std::string> value, std::string_view failureText) {
    if (leftOut_ > 0) {
      const std::string count = std::to_string(leftOut_);
      //: After a working cut short: %1 is the number of steps left out (1).
      const std::string one = translate("Working", "%1 more step");
      //: After a working cut short: %1 is the number of steps left out (2 or more).
      const std::string many = translate("Working", "%1 more steps");
      w_.Add("\xE2\x80\xA6 " + Fill(leftOut_ == 1 ? one : many, {count}));
    }
    if (value) {
      Push(*value);
    } else {
      if (failure_) w_.Add(*failure_);
      if (!failure_ || failure_->find(failureText) == std::string::npos)
        w_.Add(std::string(failureText));
    }
    return std::move(w_);
  }

 private:
  void Push(std::string line) {
    bytes_ += line.size();
    if (w_.Empty()) {
      last_ = line;
      w_.Add(std::move(line));
    } else if (line != last_) {
      last_ = line;
      w_.Add("= " + std::move(line));
    }
  }

  work::Rewrite& rewrite_;
  Working w_;
  std::string last_;
  std::size_t bytes_ = 0;
  int leftOut_ = 0;
  std::optional<std::string> failure_;
};

// A pattern of the failing step: %1 is the part that failed.
std::string Reason(RatEvalFailure why) {
  switch (why) {
    case RatEvalFailure::Overflow:
      return "%1 > LONG_MAX";
    case RatEvalFailure::DivisionByZero:
      return work::DivisionByZero("%1");
    case RatEvalFailure::TooDeep:
      //: %1 is the part of an expression that has too many brackets inside brackets.
      return translate("Working", "%1: nested too deeply");
    case RatEvalFailure::Unreadable:
      break;
  }
  //: %1 is the part of an expression that is no number or operation.
  return translate("Working", "%1: cannot be read");
}

// A value needs parentheses where the evaluator would read it otherwise: a sign after an
// operator, a fraction or a sign before "^", a fraction next to "/", and any value after a
// sign that itself follows an operator (52/-1/81 would read as (52/-1)/81, 45/-91125 as one
// fraction literal).
bool RationalNeedsParens(const std::string& value, std::string_view text, std::size_t begin,
                         std::size_t end) {
  const char before = begin > 0 ? text[begin - 1] : '\0';
  const char after = end < text.size() ? text[end] : '\0';
  const bool isSigned = !value.empty() && value[0] == '-';
  const bool fraction = value.find('/') != std::string::npos;
  if (after == '^' && (isSigned || fraction)) return true;
  if (isSigned && before != '\0' && before != '(') return true;
  if ((before == '-' || before == '+') && begin >= 2 && IsOperator(text[begin - 2])) return true;
  return fraction && (before == '/' || after == '/');
}

class RatSteps : public RatEvalObserver {
 public:
  explicit RatSteps(std::string_view text)
      : rewrite_(
            text,
            [text](std::string& out, std::size_t from, std::size_t to) {
              Plain(text, out, from, to);
            },
            RationalNeedsParens),
        lines_(rewrite_) {}

  void Read(std::string_view part, Rational value) override { lines_.Read(part, RatText(value)); }
  void Worked(std::string_view part, Rational value) override {
    lines_.Worked(part, RatText(value));
  }
  void Failed(std::string_view part, RatEvalFailure why) override {
    lines_.Failed(part, Reason(why));
  }
  StepLines& Lines() { return lines_; }

 private:
  work::Rewrite rewrite_;
  StepLines lines_;
};

Working RationalCombinedWorking(std::string_view text, std::string_view failureText) {
  if (text.empty()) return {};
  RatSteps steps(text);
  std::optional<std::string> value;
  try {
    Rational r;
    if (RatEval(text, r, &steps)) value = RatText(r);
  } catch (const ConversionError& e) {
    // The window shows the conversion message instead of its own.
    return steps.Lines().Finish(std::nullopt, e.what());
  }
  return steps.Lines().Finish(value, failureText);
}

// A letter of the list standing alone as an operand: after the start, "(" or an operator
// that splits (a "-" only after an operand), before the end, ")" or an operator.
bool AloneAt(std::string_view text, std::size_t i) {
  const auto endsOperand = [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ')';
  };
  bool before = i == 0 || text[i - 1] == '(' ||
                (IsOperator(text[i - 1]) && text[i - 1] != '^' && text[i - 1] != '-') ||
                (text[i - 1] == '-' && i >= 2 && endsOperand(text[i - 2]));
  bool after = i + 1 == text.size() || text[i + 1] == ')' || IsOperator(text[i + 1]);
  return before && after;
}

bool AllDigits(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class PolSteps : public PolEvalObserver {
 public:
  PolSteps(std::string_view text, std::span<const Polynomial> items)
      : text_(text),
        values_(TextsOf(items)),
        rewrite_(
            text,
            [this](std::string& out, std::size_t from, std::size_t to) { Original(out, from, to); },
            [](const std::string& value, std::string_view text, std::size_t begin,
               std::size_t end) {
              // Only a whole line or an unsigned whole number goes without parentheses.
              return !(begin == 0 && end == text.size()) && !AllDigits(value);
            }),
        lines_(rewrite_) {}

  void Read(std::string_view part, const Polynomial& value) override {
    lines_.Read(part, PolToText(value));
  }
  void Worked(std::string_view part, const Polynomial& value) override {
    lines_.Worked(part, PolToText(value));
  }
  void Failed(std::string_view part, int code) override {
    //: %1 is the part of an expression that fails, %2 why: "A/B: Not divisible polynomials".
    lines_.Failed(part, Fill(translate("Working", "%1: %2"),
                             {"%1", CombinedTextOf(code, Polynomial{}).text}));
  }
  StepLines& Lines() { return lines_; }

 private:
  static std::vector<std::string> TextsOf(std::span<const Polynomial> items) {
    std::vector<std::string> texts;
    for (const Polynomial& p : items) texts.push_back(PolToText(p));
    return texts;
  }

  // A letter of the list is shown as its polynomial, in parentheses unless they are there.
  void Original(std::string& out, std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to; ++i) {
      const char c = text_[i];
      const std::size_t item = Letters.find(c);
      if (item < values_.size() && AloneAt(text_, i)) {
        const std::string& v = values_[item];
        const bool enclosed =
            i > 0 && text_[i - 1] == '(' && i + 1 < text_.size() && text_[i + 1] == ')';
        const bool whole = text_.size() == 1;
        if (enclosed || whole || AllDigits(v))
          out += v;
        else
          out += "(" + v + ")";
      } else if (c == '*') {
        out += Dot;
      } else {
        out += c;
      }
    }
  }

  std::string_view text_;
  std::vector<std::string> values_;
  work::Rewrite rewrite_;
  StepLines lines_;
};

}  // namespace

Working IntegerCombinedWorking(std::string_view replaced) {
  return RationalCombinedWorking(replaced, StepFailure());
}

Working FractionCombinedWorking(std::string_view replaced) {
  return RationalCombinedWorking(replaced, WrongEntry());
}

Working PolynomialCombinedWorking(std::string_view expression, std::span<const Polynomial> items) {
  if (expression.empty()) return {};
  PolSteps steps(expression, items);
  Polynomial result{};
  int code = EvalDone;
  try {
    code = PolEval(expression, items, result, &steps);
  } catch (const ConversionError& e) {
    return steps.Lines().Finish(std::nullopt, e.what());
  }
  const std::string shown = CombinedTextOf(code, result).text;
  if (code == EvalDone) return steps.Lines().Finish(shown, shown);
  return steps.Lines().Finish(std::nullopt, shown);
}

}  // namespace tessaro
