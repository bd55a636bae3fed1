// The words of the pure libraries in another language: every word goes through the
// translator, every number and every piece of notation is put in afterwards as the program
// writes it.

#include "numbers/conversionerror.h"
#include "panels/failuretexts.h"
#include "panels/integerpanel.h"
#include "panels/letteredlist.h"
#include "panels/polynomialpanel.h"
#include "polynomials/poleval.h"
#include "problems/kinds.h"
#include "problems/problemfile.h"
#include "problems/workingtext.h"
#include "pseudolanguage.h"
#include "working/combinedworking.h"
#include "working/fractionworking.h"
#include "working/integerworking.h"
#include "working/polynomialworking.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tessaro {
namespace {

Polynomial Pol(const char* text) {
  Polynomial p{};
  PolFromText(text, p);
  return p;
}

std::string Question(const ProblemParams& params) {
  const MadeProblem made = MakeProblem(params);
  return made.texts ? made.texts->Enun : "refused: " + made.field + " " + made.reason;
}

std::string Answer(const ProblemParams& params) {
  const MadeProblem made = MakeProblem(params);
  return made.texts ? made.texts->Resp : "refused: " + made.field + " " + made.reason;
}

std::string Reason(const ProblemParams& params) { return MakeProblem(params).reason; }

std::string Last(const Working& w) { return w.LastLine(); }

struct WordsRow {
  const char* why;
  std::function<std::string()> text;
  const char* translated;
};

TEST(PureWords, GoThroughTheTranslatorAndTheNumbersAndNotationStayAsWritten) {
  const WordsRow rows[] = {
      {"a list's capacity is put in", [] { return IntegerListRules().fullText; },
       "⟦LIST FULL (23 NUMBERS)⟧"},
      {"the factorial's condition stays notation", [] { return FactorialText(-1); },
       " ⟦NOT CALCULABLE (N< 0)⟧"},
      {"an overflow of the two integers is notation alone",
       [] { return TwoIntResults(2147483647, 1, 2).Sum; }, " > LONG_MAX"},
      {"a degree above 9 keeps its >9", [] { return UnaryTextsOf(Pol("x^9")).integral; },
       "⟦DEGREE OF RESULT >9⟧"},
      {"a bad exponent keeps its >1",
       [] { return CombinedTextOf(EvalBadExponent, Polynomial{}).text; },
       "⟦EXPONENT SHOULD BE >1 INTEGER⟧"},
      {"no integer roots, between the dashes", [] { return UnaryTextsOf(Pol("x^2+1")).roots; },
       "  - ⟦NONE⟧ -  "},
      {"the conversion message keeps the text typed",
       [] { return std::string(ConversionError("12a").what()); },
       "⟦'12a' IS NOT A VALID INTEGER VALUE⟧"},
      {"a question with its polynomial and point",
       [] { return Question(PolynomialSingleParams{"x^2-1", "2"}); },
       "⟦FOR THE POYNOMIAL x^2-1 CALCULATE:⟧\r\n⟦ITS VALUE FOR x= 2⟧\r\n"
       "⟦ITS INTEGER ROOTS (IF ANY)⟧\r\n⟦ITS FACTORIZATION.⟧\r\n⟦ITS DERIVATIVE.⟧\r\n"
       "⟦ITS INTEGRAL.⟧\r\n"},
      {"hcd and LCM are words of the language, the operations stay",
       [] { return Answer(IntegerPairParams{12, 18, 2}); },
       "a\xC2\xB7" "b= 216\r\na/b= 0.66 (Q= 0, R= 12)\r\n⟦HCD⟧(a,b)= 6\r\n⟦LCM⟧(a,b)= 36\r\n"},
      {"the names go into the sentence", [] { return Question(IntegerListParams{{12, 18}}); },
       "⟦CALCULATE THE ⟦HCD⟧ AND ⟦LCM⟧ OF 12, 18⟧"},
      {"the values of the letters in one pattern",
       [] { return Question(FractionCombinedParams{"a+b", {"1/2", "3/4"}}); },
       "⟦IF  a = 1/2, b = 3/4, CALCULATE a+b⟧"},
      {"a single basis line keeps its blank",
       [] { return Answer(IntegerSingleParams{10, 2, 16}); },
       "N^2 = 100\r\n⟦FACTORIZATION: N = 2 \xC2\xB7 5⟧\r\nN! = 3628800\r\n"
       "⟦EXPRESSION IN OTHER BASIS:⟧\r\n ⟦HEXADECIMAL, N= A⟧\r\n ⟦BINARY, N= 1010⟧\r\n"
       " ⟦OCTAL, N= 12⟧\r\n ⟦BASIS 16, N= A⟧\r\n"},
      {"a refusal's range is put in", [] { return Reason(IntegerSingleParams{5, 1, 12}); },
       "⟦MUST BE FROM 2 TO 9⟧"},
      {"the headings of a problem file",
       [] { return ProblemFileText(GrdMtx, "", "1+1", "2"); },
       "⟦QUESTION:⟧\r\n1+1\r\n\r\n⟦ANSWER:⟧\r\n2\r\n"},
      {"the heading of the working",
       [] { return AnswerWithWorking("a", {{IntegerPairParams{7, 0, 2}, {}}}).substr(0, 19); },
       "a\r\n⟦WORKING:⟧\r\n"},
      {"a division by 0 in the working", [] { return Last(IntegerDivisionWorking(7, 0)); },
       "⟦7 \xC3\xB7 0: DIVISION BY 0⟧"},
      {"a fraction with denominator 0, then Not calculable",
       [] { return Last(FractionOperationWorking('+', {1, 0}, {1, 2})); },
       "⟦1/0 + 1/2: DENOMINATOR 0⟧, ⟦NOT CALCULABLE⟧"},
      {"a fraction already in lowest terms", [] { return Last(SimplifyWorking({3, 4})); },
       "⟦3/4: ⟦HCD⟧(3,4) = 1, ALREADY IN LOWEST TERMS⟧"},
      {"a root found by trial", [] { return PolRootsWorking(Pol("x-2")).Lines().at(5); },
       "⟦P(2) = 0: ROOT⟧"},
      {"a failing step of a combined operation keeps the expression",
       [] { return IntegerCombinedWorking("1/(2-2)").Lines().at(2); },
       "⟦1/0: DIVISION BY 0⟧"},
  };
  test::PseudoLanguage pseudo;
  for (const WordsRow& row : rows) EXPECT_EQ(row.text(), row.translated) << row.why;
}

TEST(PureWords, FailureTextsAreFoundInEitherLanguage) {
  // In English, the words shown are the constants themselves.
  for (std::string_view failure : {NotCalculable, IntOverflow, ListOverflow, CoefficientOverflow,
                                   DegreeAbove9, HcdLcmOverflow})
    EXPECT_EQ(ShownFailure(failure), failure);
  EXPECT_TRUE(HoldsFailureText(FactorialText(200)));
  test::PseudoLanguage pseudo;
  // A problem made in another language still tells its failures from its values.
  EXPECT_TRUE(HoldsFailureText(Answer(PolynomialSingleParams{"x^9", "0"})));
  EXPECT_TRUE(HoldsFailureText(FactorialText(-1)));
  EXPECT_TRUE(HoldsFailureText(ShownFailure(HcdLcmOverflow)));
  EXPECT_FALSE(HoldsFailureText(Answer(IntegerPairParams{12, 18, 2})));
}

}  // namespace
}  // namespace tessaro
