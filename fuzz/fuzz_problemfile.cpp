// "Add to it" over any existing bytes, with any question and answer: the file keeps the
// old bytes exactly, then holds the separator and the new block with CR LF line ends,
// and nothing else is left in the folder.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "problems/problemfile.h"
#include "textfile/textfile.h"
#include "scratch.h"

using namespace tessaro;
using tessaro::fuzz::ScratchFolder;

namespace {

// Every line of a block ends with CR LF, and no CR or LF stands alone.
bool CrLfLines(std::string_view block) {
  if (block.size() < 2 || block.substr(block.size() - 2) != "\r\n") return false;
  for (std::size_t i = 0; i < block.size(); ++i) {
    if (block[i] == '\r' && (i + 1 == block.size() || block[i + 1] != '\n')) return false;
    if (block[i] == '\n' && (i == 0 || block[i - 1] != '\r')) return false;
  }
  return true;
}

std::string WithoutLineEnds(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != '\r' && c != '\n') out.push_back(c);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string question = in.ConsumeRandomLengthString(4096);
  const std::string answer = in.ConsumeRandomLengthString(4096);
  const std::string existing = in.ConsumeRemainingBytesAsString();

  const std::string path = ScratchFolder() + "/p.txt";
  if (!ReplaceFile(path, existing)) std::abort();
  if (SaveProblem(path, GrdAdd, question, answer) != SaveResult::Saved) __builtin_trap();
  const std::optional<std::string> saved = ReadWholeFile(path);
  if (!saved) std::abort();
  if (*saved != ProblemFileText(GrdAdd, existing, question, answer)) __builtin_trap();

  // The old bytes, a line end only where the old text lacked its last one, the separator.
  std::string_view rest = *saved;
  if (rest.substr(0, existing.size()) != existing) __builtin_trap();
  rest.remove_prefix(existing.size());
  const bool open = !existing.empty() && existing.back() != '\n' && existing.back() != '\r';
  if (open) {
    if (rest.substr(0, 2) != "\r\n") __builtin_trap();
    rest.remove_prefix(2);
  }
  const std::string separator = "\r\n" + std::string(ProblemSeparator) + "\r\n\r\n";
  if (rest.substr(0, separator.size()) != separator) __builtin_trap();
  rest.remove_prefix(separator.size());
  // Then the block a new file would hold.
  if (rest != ProblemFileText(GrdMtx, "", question, answer)) __builtin_trap();
  if (!CrLfLines(rest) || rest.substr(0, 11) != "Question:\r\n") __builtin_trap();
  // Only line ends are added or changed inside the block.
  if (WithoutLineEnds(rest) != "Question:" + WithoutLineEnds(question) + "Answer:" +
                                   WithoutLineEnds(answer))
    __builtin_trap();
  if (tessaro::fuzz::ScratchEntries() != 1) __builtin_trap();
  return 0;
}
