#pragma once

#include "problems/problem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tessaro {

// What the Integers window shows when a problem is asked for: the texts of its fields
// (named after them) and the shared values the problem names. The builder copies the
// texts as they stand, so a problem always repeats the window's last results.
struct IntegerProblemInput {
  // Single integer.
  std::string IdN, Lexp, IdBX, IdPot, IdDF, IdFctr, IdHex, IdBin, IdOct, IdX;
  // Two integers.
  std::string IdA, IdB, IdM, IdD, IdQ, IdR, IdMCD, IdMCM;
  // Combined operation: the expression, its replaced text and both results.
  std::string IdOC, EtOC, IdROC1, IdROC2;
  // hcd and LCM of the selected list numbers.
  std::string EtMCDn, EtMCMn;

  // Kinds available: 0 single, 1 two integers, 2 combined operation, 3 list.
  std::array<bool, 4> Tps{};
  // The letters and the numbers they stood for at the last combined operation.
  std::string UsedLetters;
  std::vector<std::int32_t> Nums;
  // The numbers of the last hcd and LCM of the list.
  std::vector<std::int32_t> Sels;
};

// The problem kinds as the commands pass them.
enum IntegerProblemKind { PrAll = 0, PrOne = 1, PrTwo = 2, PrCombined = 3, PrList = 4 };

// How many kinds are available.
int TTps(const std::array<bool, 4>& tps);

// The question and the answer for a kind: 1 to 4 build their own section, 0 ("All")
// every available section in the order single, two, combined, list, separated by a
// line of fourteen "=". Lines end with CR LF, except the list question.
TPrbl IntegerProblem(int kind, const IntegerProblemInput& in);

}  // namespace tessaro
