#pragma once

// A row of the working tests: an input written as text, the lines its working must be, and
// why the row is there.

#include <string>
#include <vector>

namespace tessaro::test {

using Lines = std::vector<std::string>;

struct TextCase {
  const char* input;
  Lines lines;
  const char* why;
};

}  // namespace tessaro::test
