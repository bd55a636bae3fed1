#pragma once

// A working as rich text, for a window that draws it: each line a paragraph kept as it is,
// each table a table with its columns aligned.

#include <string>

#include "working/working.h"

namespace tessaro {

// HTML of the subset Qt's rich text draws, UTF-8, every text escaped.
std::string WorkingHtml(const Working& w);

}  // namespace tessaro
