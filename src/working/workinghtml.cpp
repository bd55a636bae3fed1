#include "working/workinghtml.h"

namespace tessaro {

namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void Table(const WorkTable& table, std::string& html) {
  html += "<table cellspacing=\"0\" cellpadding=\"2\">";
  for (const auto& row : table.rows) {
    html += "<tr>";
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool right = c < table.align.size() && table.align[c] == CellAlign::Right;
      html += right ? "<td align=\"right\">" : "<td>";
      html += row[c].empty() ? "&nbsp;" : Escaped(row[c]);
      html += "</td>";
    }
    html += "</tr>";
  }
  html += "</table>";
}

}  // namespace

std::string WorkingHtml(const Working& w) {
  std::string html = "<div style=\"white-space: pre\">";
  for (const WorkBlock& block : w.blocks) {
    if (block.table) {
      Table(*block.table, html);
      // A scheme that the lines after it spell out stands apart from them.
      if (block.lines.empty()) html += "<p style=\"margin: 0\">&nbsp;</p>";
      continue;
    }
    for (const std::string& line : block.lines)
      html += "<p style=\"margin: 0\">" + (line.empty() ? "&nbsp;" : Escaped(line)) + "</p>";
  }
  return html + "</div>";
}

}  // namespace tessaro
