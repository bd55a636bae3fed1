#pragma once

#include <functional>
#include <string>

namespace tessaro {

// A problem: a question and its answer, lines separated by CR LF.
struct TPrbl {
  std::string Enun;
  std::string Resp;
};

// How a theme window shows the problem it made: the start-up hands it the Problem window's.
using ShowProblem = std::function<void(const TPrbl&)>;

}  // namespace tessaro
