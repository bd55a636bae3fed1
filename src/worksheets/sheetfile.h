#pragma once

// The worksheet file: JSON in UTF-8, "format": "tessaro-worksheet", "version": 1.

#include "worksheets/worksheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr std::string_view SheetFormat = "tessaro-worksheet";
inline constexpr int SheetFileVersion = 1;
// A larger file is refused unread: no teacher's sheet comes near it.
inline constexpr std::size_t MaxSheetBytes = 16 * 1024 * 1024;
// The longest text param, as the windows' fields take no more: an expression's evaluation
// grows with its length.
inline constexpr std::size_t MaxParamText = 1000;

// A sheet read whole, or the one message that says why not (naming the file, the
// problem's number and the field).
struct SheetRead {
  std::optional<Worksheet> sheet;
  std::string error;
};

// The sheet in `bytes`; `fileName` only goes into the messages. A problem without its
// question or answer gets the texts its theme window shows for its params; texts present
// are kept as they are. Every problem's params are checked as the window checks them.
SheetRead ParseSheet(std::string_view bytes, const std::string& fileName);
// The sheet in the file at `path` (UTF-8 name).
SheetRead ReadSheet(const std::string& path);

// The file's text for `sheet`: every field written, the problems' texts included, lines
// ended by CR LF.
std::string SheetJson(const Worksheet& sheet);
// Writes the sheet to `path` in one step: on failure the old file stays as it was.
bool WriteSheet(const std::string& path, const Worksheet& sheet);

}  // namespace tessaro
