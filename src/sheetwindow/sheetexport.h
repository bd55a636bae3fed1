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
  std::string_view name;    // as --to takes it, and the file's suffix
  std::string_view filter;  // the file dialog's filter
};
inline constexpr std::array<ExportFormatInfo, 5> ExportFormats = {{
    {ExportFormat::Pdf, "pdf", "PDF (*.pdf)"},
    {ExportFormat::Odt, "odt", "OpenDocument text (*.odt)"},
    {ExportFormat::Tex, "tex", "LaTeX (*.tex)"},
    {ExportFormat::Gift, "gift", "Moodle GIFT (*.gift)"},
    {ExportFormat::Txt, "txt", "Plain text (*.txt)"},
}};

std::optional<ExportFormat> FormatOfName(std::string_view name);

// Writes the sheet in `format` to `path` in one step: the file is there whole or the old
// one (if any) stays. Empty when written, else the message to show.
QString ExportSheet(const Worksheet& sheet, const ExportOptions& options, ExportFormat format,
                    const QString& path);

}  // namespace tessaro
