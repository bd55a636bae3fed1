#pragma once

#include <string>

namespace tessaro {

// A problem: a question and its answer, lines separated by CR LF.
struct TPrbl {
  std::string Enun;
  std::string Resp;
  bool operator==(const TPrbl&) const = default;
};

}  // namespace tessaro
