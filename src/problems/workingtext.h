#pragma once

// The working of a problem: the steps of each section's answer, made from the params the
// section was made of, for "With working" in the Problem window and for a worksheet's key.
//
// Which working belongs to which kind:
//   integer-single       the factor ladder of N, then N in its basis by repeated division
//   integer-pair         the division with remainder, then Euclid's hcd and the LCM
//   integer-list         the hcd and the LCM of the numbers, pairwise from the left
//   integer-combined     the expression with the numbers put in, one line per operation
//   fraction-pair        the sum, difference, product and quotient, a line each
//   fraction-combined    the expression with the fractions put in, one line per operation
//   polynomial-single    the integer roots and the factorization, the derivative, the integral
//   polynomial-pair      the long division A ÷ B ending "Q = …, R = …"
//   polynomial-combined  the expression with the polynomials put in, one line per operation
//   text                 none: a typed problem has no steps to show

#include <string>
#include <string_view>
#include <vector>

#include "problems/kinds.h"
#include "working/working.h"

namespace tessaro {

// The working of one section; empty for a text problem and for params that make no
// problem (MakeProblem refuses them).
Working WorkingOf(const ProblemParams& params);

// Its text form.
std::vector<std::string> WorkingLines(const ProblemParams& params);

// The answer followed by a line "Working:" and the working lines of each section in order
// (the sections of an "All" problem separated by an empty line), lines ended by CR LF. The
// answer alone when no section has a working.
std::string AnswerWithWorking(std::string_view answer, const std::vector<ProblemPart>& parts);

}  // namespace tessaro
