#pragma once

#include "problems/problem.h"

#include <string>
#include <vector>

namespace tessaro {

// One row of the Polynomials window's list: its letter (LL) and its text (LPols).
struct PolListRow {
  std::string letter;
  std::string text;
};

// What the Polynomials window shows when a problem is asked for. The builders compute
// nothing: a problem repeats these texts as they stand.
struct PolShown {
  // Unary panel.
  std::string pol, x, value, roots, factorization, derivative, integral;
  // Binary panel.
  std::string a, b, sum, difference, product, quotient, remainder, hcd, lcm;
  bool binaryDone = false;
  // Combined operation and the list it ranges over.
  std::string expression, combined;
  bool combinedDone = false;
  std::vector<PolListRow> list;
};

// Which problem: the menu kinds (All is 0), the buttons use 1 to 3.
enum class PolProblemKind { All = 0, Unary = 1, Binary = 2, Combined = 3 };

// A problem button: the problem of its kind, or `last` unchanged when its precondition
// fails (no polynomial in the unary panel, binary results not computed since the operands
// were chosen, no successful combined operation).
TPrbl PolButtonProblem(PolProblemKind kind, const PolShown& shown, const TPrbl& last);

// A command of the Problem menu: built from empty texts, without the buttons' preconditions
// (the menu enables its commands only once their results exist). "All" joins the unary
// part (left out when no polynomial is shown), the binary part and the combined part with a
// line of 16 hyphens.
TPrbl PolMenuProblem(PolProblemKind kind, const PolShown& shown);

}  // namespace tessaro
