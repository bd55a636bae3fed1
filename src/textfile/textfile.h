#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

// The whole content of a file as bytes; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Makes `content` the file's whole content, or changes nothing: the new text goes to a
// file beside it, which then takes the old one's place. False when it fails, and when the
// file exists but may not be written (a read-only file stays read-only); the old file is
// then untouched, byte for byte.
bool ReplaceFile(const std::string& path, std::string_view content);

}  // namespace tessaro
