#pragma once

// A folder of the fuzzing process for the targets that read and write files, in memory
// where the machine has a tmpfs (every save syncs to disk), removed when the process ends.

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tessaro::fuzz {

inline const std::string& ScratchFolder() {
  // Never destroyed: the clean-up at exit still needs the name.
  static const std::string& folder = *new std::string([] {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/tessaro-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    std::atexit([] {
      if (DIR* dir = opendir(ScratchFolder().c_str())) {
        while (const dirent* e = readdir(dir)) {
          const std::string_view name = e->d_name;
          if (name != "." && name != "..") std::remove((ScratchFolder() + "/" + e->d_name).c_str());
        }
        closedir(dir);
      }
      rmdir(ScratchFolder().c_str());
    });
    return pattern;
  }());
  return folder;
}

// The names in the scratch folder.
inline int ScratchEntries() {
  DIR* dir = opendir(ScratchFolder().c_str());
  if (!dir) std::abort();
  int n = 0;
  while (const dirent* e = readdir(dir)) {
    const std::string_view name = e->d_name;
    n += name != "." && name != "..";
  }
  closedir(dir);
  return n;
}

}  // namespace tessaro::fuzz
