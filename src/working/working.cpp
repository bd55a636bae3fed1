#include "working/working.h"

#include <algorithm>

namespace tessaro {

std::vector<std::string> Working::Lines() const {
  std::vector<std::string> lines;
  for (const WorkBlock& block : blocks)
    lines.insert(lines.end(), block.lines.begin(), block.lines.end());
  return lines;
}

bool Working::Empty() const {
  return std::all_of(blocks.begin(), blocks.end(),
                     [](const WorkBlock& b) { return b.lines.empty() && !b.table; });
}

std::string Working::LastLine() const {
  for (auto block = blocks.rbegin(); block != blocks.rend(); ++block)
    if (!block->lines.empty()) return block->lines.back();
  return {};
}

void Working::Add(std::string line) {
  if (blocks.empty() || blocks.back().table) blocks.emplace_back();
  blocks.back().lines.push_back(std::move(line));
}

void Working::AddTable(std::vector<std::string> lines, WorkTable table) {
  blocks.push_back({std::move(lines), std::move(table)});
}

void Working::Append(const Working& next) {
  if (next.Empty()) return;
  if (!Empty()) blocks.push_back({{""}, std::nullopt});
  blocks.insert(blocks.end(), next.blocks.begin(), next.blocks.end());
}

std::size_t TextWidth(const std::string& text) {
  // Every byte but a continuation byte starts a character.
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::vector<std::string> TableLines(const WorkTable& table) {
  std::vector<std::size_t> widths(table.align.size(), 0);
  for (const auto& row : table.rows)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], TextWidth(row[c]));
  std::vector<std::string> lines;
  for (const auto& row : table.rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      if (c > 0) line += ' ';
      const std::string pad(widths[c] - TextWidth(row[c]), ' ');
      line += table.align[c] == CellAlign::Right ? pad + row[c] : row[c] + pad;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace tessaro
