#pragma once

// The working of a result: the steps that lead to the value a panel shows, as lines of text,
// and, where steps line up in columns, the table a window or a page lays them out in.

#include <optional>
#include <string>
#include <vector>

namespace tessaro {

enum class CellAlign { Left, Right };

// Steps that line up in columns: the factor ladder, the division table of a base change, the
// scheme of a long division. Every row has one cell per column, "" where it is empty.
struct WorkTable {
  std::vector<CellAlign> align;
  std::vector<std::vector<std::string>> rows;
};

// A run of steps. Its lines are its part of the text form; a table, when it has one, is laid
// out in place of those lines where columns can be drawn. A table without lines is a picture
// of steps that the lines after it spell out (the scheme of a long division).
struct WorkBlock {
  std::vector<std::string> lines;
  std::optional<WorkTable> table;
};

struct Working {
  std::vector<WorkBlock> blocks;

  // The text form, line by line: no line ends in a blank, and the parts of a working made of
  // several are separated by an empty line.
  std::vector<std::string> Lines() const;
  bool Empty() const;
  // The last line of the text form; "" for an empty working.
  std::string LastLine() const;

  // A line after the others, in the last block of lines.
  void Add(std::string line);
  void AddTable(std::vector<std::string> lines, WorkTable table);
  // The steps of `next` after these, an empty line between.
  void Append(const Working& next);
};

// The lines of `table` with each column padded to its widest cell, cells joined by a blank,
// and no blank at the end of a line.
std::vector<std::string> TableLines(const WorkTable& table);

// The display width of a UTF-8 text: one per character (the middle dot, ÷ and the digits of
// large bases take one column each, as in a fixed-width font).
std::size_t TextWidth(const std::string& text);

}  // namespace tessaro
