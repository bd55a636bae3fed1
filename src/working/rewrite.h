#pragma once

// The lines of a combined working (used inside the library): the evaluated text with every
// piece the evaluator has worked out replaced by its value, so that each line shows the
// expression as it stands after one more step.

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tessaro::work {

class Rewrite {
 public:
  // Writes the characters [from, to) of the text as a line shows them.
  using Original = std::function<void(std::string& out, std::size_t from, std::size_t to)>;
  // Whether a value standing for text[begin, end) needs parentheses there to be read back as
  // one operand.
  using NeedsParens = std::function<bool(const std::string& value, std::string_view text,
                                         std::size_t begin, std::size_t end)>;

  Rewrite(std::string_view text, Original original, NeedsParens parens);

  // `part` (a piece of the text) now stands for `value`. Parentheses around it that enclose
  // nothing else go with it: a lone number loses its parentheses.
  void Replace(std::string_view part, const std::string& value);

  std::string Render() const { return Render(0, text_.size()); }
  // The piece `part` of the text as the line shows it now.
  std::string Render(std::string_view part) const;
  // Whether the line shows `part` as `shown`, found without writing out more of it than that.
  bool Shows(std::string_view part, const std::string& shown) const;

 private:
  struct Piece {
    std::size_t end;
    std::string shown;  // the value, in parentheses where it needs them
  };
  // Stops once more than `limit` bytes are written.
  std::string Render(std::size_t from, std::size_t to, std::size_t limit = std::string::npos) const;

  std::string_view text_;
  Original original_;
  NeedsParens parens_;
  std::map<std::size_t, Piece> pieces_;  // by their first character; never overlapping
};

}  // namespace tessaro::work
