#pragma once

// Exporting a sheet to a file of any format: the Worksheet window's Export and the
// headless tessaro --export use this one function.

#include "worksheets/printout.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace tessaro {

enum class ExportFormat { Pdf, Odt, Tex, Gift, Txt };

struct ExportFormatInfo {
  ExportFormat format;
  std::string_view name;  // as --to takes it, and the file's suffix
};
inline constexpr std::array<ExportFormatInfo, 5> ExportFormats = {{
    {ExportFormat::Pdf, "pdf"},
    {ExportFormat::Odt, "odt"},
    {ExportFormat::Tex, "tex"},
    {ExportFormat::Gift, "gift"},
    {ExportFormat::Txt, "txt"},
}};

// The file dialog's filter of a format, in the program's language: "Plain text (*.txt)".
QString ExportFilter(const ExportFormatInfo& info);

std::optional<ExportFormat> FormatOfName(std::string_view name);

// Writes the sheet in `format` to `path` in one step: the file is there whole or the old
// one (if any) stays. Empty when written, else the message to show.
QString ExportSheet(const Worksheet& sheet, const ExportOptions& options, ExportFormat format,
                    const QString& path);

}  // namespace tessaro
