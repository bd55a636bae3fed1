#include "textfile/textfile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tessaro {

namespace fs = std::filesystem;

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return std::nullopt;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string content;
  char buffer[8192];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return content;
}

namespace {

// Creates a file of a fresh name in `folder`, never one that exists already.
std::FILE* CreateBeside(const fs::path& folder, fs::path& made) {
  static std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    // A short name of its own, so a long target name cannot make it too long.
    made = folder / (".tessaro-" + std::to_string(random() % 1000000000u) + ".tmp");
    if (std::FILE* file = std::fopen(made.string().c_str(), "wbx")) return file;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool WriteAll(std::FILE* file, std::string_view content) {
  bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  ok = std::fflush(file) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
  // On disk before it replaces anything, so a crash leaves the old or the new text.
  ok = ok && fsync(fileno(file)) == 0;
#endif
  return std::fclose(file) == 0 && ok;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view content) {
  std::error_code ec;
  fs::path target(path);
  // Through a link, the file it names gets the new text; the link stays.
  if (fs::is_symlink(target, ec)) {
    fs::path real = fs::canonical(target, ec);
    if (!ec) target = real;
  }
#if defined(__unix__) || defined(__APPLE__)
  // A file that cannot be written in place keeps its text: a rename would replace a file
  // the user made read-only, which writing over it never could.
  if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
    return false;
#endif
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  fs::path temp;
  std::FILE* file = CreateBeside(folder, temp);
  if (!file) return false;
  if (!WriteAll(file, content)) {
    fs::remove(temp, ec);
    return false;
  }
  // The replacement keeps the permissions of the file it replaces.
  const fs::file_status old = fs::status(target, ec);
  if (!ec && fs::exists(old)) fs::permissions(temp, old.permissions(), ec);
  // rename replaces the old file in one step: a reader sees the old or the new text.
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

}  // namespace tessaro
