// Any bytes as Tools.rel must load at most eleven tools, each with a title, every field
// valid UTF-8 on one line and within the width that reads back; and what the writer
// makes of them must read back to the same tools.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scratch.h"
#include "tools/toolsfile.h"

using namespace tessaro;

namespace {

void Write(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::size_t Characters(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

bool ValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t len = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3
                                     : b >= 0xF0 && b <= 0xF4   ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    for (std::size_t k = 1; k < len; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += len;
  }
  return true;
}

void CheckField(const std::string& field, std::size_t limit) {
  if (Characters(field) > limit || !ValidUtf8(field) || field.find('\n') != std::string::npos)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = tessaro::fuzz::ScratchFolder() + "/Tools.rel";
  Write(path, std::string_view(reinterpret_cast<const char*>(data), size));
  TToolTable table;
  const int n = ReadTools(table, path);
  if (n < 0 || n > MaxTools || n != table.n) __builtin_trap();
  for (int k = 1; k <= n; ++k) {
    const TTool& t = table.Tools[k];
    if (t.Tit.empty()) __builtin_trap();
    CheckField(t.Tit, TTool::TitRead);
    CheckField(t.Ftx, TTool::FtxRead);
    CheckField(t.Dir, TTool::DirRead);
    CheckField(t.Pars, TTool::ParsRead);
  }
  for (int k = n + 1; k <= MaxTools; ++k)
    if (!(table.Tools[k] == TTool{})) __builtin_trap();

  // The writer's text reads back to the same tools.
  if (!WriteTools(table, path)) __builtin_trap();
  TToolTable back;
  if (ReadTools(back, path) != n) __builtin_trap();
  for (int k = 1; k <= n; ++k)
    if (!(back.Tools[k] == table.Tools[k])) __builtin_trap();
  return 0;
}
