#pragma once

// The sheet as text files: plain text, Moodle GIFT and LaTeX. Pure: each gives the file's
// whole content, UTF-8 with CR LF line ends.

#include "worksheets/printout.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The title, each instructions line, an empty line, then each problem numbered "n. " with
// its other lines indented as far, an empty line after each; the key under "Answer key"
// after the questions, or under "Answer:" after each question, or not at all.
std::string PlainText(const Printout& printout);

// One question per problem, titled "title n". A combined operation is a short-answer
// question that accepts its exact value; any other problem an essay question with the
// answer as general feedback.
std::string GiftText(const Printout& printout);

// The exact value a combined-operation problem's answer ends in; none for another kind,
// or for an answer that no longer reads as the window writes it.
std::optional<std::string> ExactValue(const PrintedProblem& problem);

// A .tex file that pdflatex compiles with the packages of a basic LaTeX alone.
std::string LatexText(const Printout& printout);

// A line of text as LaTeX source: the special characters escaped, the blanks kept, every
// character beyond ASCII written with LaTeX's own commands (or, for the few it has none
// for, as its code point).
std::string LatexLine(std::string_view utf8);

}  // namespace tessaro
