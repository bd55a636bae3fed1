#include "working/working.h"
#include "working/workinghtml.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

using Lines = std::vector<std::string>;

TEST(TableLines, PadsEachColumnAndLeavesNoBlankAtTheEnd) {
  const WorkTable t{{CellAlign::Right, CellAlign::Left, CellAlign::Left},
                    {{"360", "|", "2"}, {"5", "|", "5"}, {"1", "|", ""}}};
  EXPECT_EQ(TableLines(t), (Lines{"360 | 2", "  5 | 5", "  1 |"}));
  // The middle dot and ÷ are one column each, however many bytes they take.
  const WorkTable dots{{CellAlign::Right, CellAlign::Left}, {{"2·3", "x"}, {"10", "y"}}};
  EXPECT_EQ(TableLines(dots), (Lines{"2·3 x", " 10 y"}));
}

TEST(Working, SeparatesAppendedPartsByOneEmptyLine) {
  Working w;
  w.Append(Working{});
  EXPECT_TRUE(w.Empty()) << "nothing appended to nothing";
  Working a;
  a.Add("a");
  Working b;
  b.AddTable({"b1"}, WorkTable{{CellAlign::Left}, {{"b1"}}});
  b.Add("b2");
  w.Append(a);
  w.Append(b);
  w.Append(Working{});
  EXPECT_EQ(w.Lines(), (Lines{"a", "", "b1", "b2"}));
  EXPECT_EQ(w.LastLine(), "b2");
}

TEST(WorkingHtml, EscapesTextsAndDrawsTablesAsTables) {
  Working w;
  w.Add("a<b & c>d");
  w.AddTable({}, WorkTable{{CellAlign::Right, CellAlign::Left}, {{"1", ""}}});
  const std::string html = WorkingHtml(w);
  EXPECT_NE(html.find("a&lt;b &amp; c&gt;d"), std::string::npos);
  EXPECT_EQ(html.find("a<b"), std::string::npos);
  EXPECT_NE(html.find("<td align=\"right\">1</td><td>&nbsp;</td>"), std::string::npos);
}

}  // namespace
}  // namespace tessaro
