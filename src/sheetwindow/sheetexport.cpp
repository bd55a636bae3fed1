#include "sheetwindow/sheetexport.h"

#include "sheetwindow/sheetpages.h"
#include "textfile/textfile.h"
#include "ui/ui.h"
#include "worksheets/renewsheet.h"
#include "worksheets/writers.h"

namespace tessaro {

std::optional<ExportFormat> FormatOfName(std::string_view name) {
  for (const ExportFormatInfo& info : ExportFormats)
    if (info.name == name) return info.format;
  return std::nullopt;
}

QString ExportSheet(const Worksheet& sheet, const ExportOptions& options, ExportFormat format,
                    const QString& path) {
  std::optional<Printout> printout = PrintoutOf(sheet, options);
  if (!printout)
    return QStringLiteral("The sheet has no version ") + FromStd(options.version) +
           (sheet.versions.empty() ? QStringLiteral(" (it has no versions)")
                                   : QStringLiteral(" (it has ") + FromStd(VersionSpan(sheet.versions)) +
                                         QStringLiteral(")"));
  // Every format on the same paper: the LaTeX source cannot ask the locale.
  printout->page = PaperOf(printout->page) == QPageSize::Letter ? PageSize::Letter : PageSize::A4;
  std::string text;
  switch (format) {
    case ExportFormat::Pdf: return WritePdf(*printout, path);
    case ExportFormat::Odt: return WriteOdt(*printout, path);
    case ExportFormat::Tex: text = LatexText(*printout); break;
    case ExportFormat::Gift: text = GiftText(*printout); break;
    case ExportFormat::Txt: text = PlainText(*printout); break;
  }
  if (!ReplaceFile(ToStd(path), text)) return QStringLiteral("Cannot create file ") + path;
  return {};
}

}  // namespace tessaro
