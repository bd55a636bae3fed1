#include "sheetwindow/sheetexport.h"

#include "sheetwindow/sheetpages.h"
#include "textfile/textfile.h"
#include "ui/ui.h"
#include "worksheets/renewsheet.h"
#include "worksheets/writers.h"

#include <QCoreApplication>

namespace tessaro {

std::optional<ExportFormat> FormatOfName(std::string_view name) {
  for (const ExportFormatInfo& info : ExportFormats)
    if (info.name == name) return info.format;
  return std::nullopt;
}

QString ExportFilter(const ExportFormatInfo& info) {
  const QString pattern = QStringLiteral("*.") + FromStd(std::string(info.name));
  // The names of the formats are the same in every language.
  switch (info.format) {
    case ExportFormat::Pdf: return QStringLiteral("PDF (%1)").arg(pattern);
    case ExportFormat::Odt:
      //: A filter of a file dialog; keep the pattern in brackets as it is.
      return QCoreApplication::translate("Files", "OpenDocument text (%1)").arg(pattern);
    case ExportFormat::Tex: return QStringLiteral("LaTeX (%1)").arg(pattern);
    case ExportFormat::Gift: return QStringLiteral("Moodle GIFT (%1)").arg(pattern);
    case ExportFormat::Txt:
      //: A filter of a file dialog; keep the pattern in brackets as it is.
      return QCoreApplication::translate("Files", "Plain text (%1)").arg(pattern);
  }
  return pattern;
}

QString ExportSheet(const Worksheet& sheet, const ExportOptions& options, ExportFormat format,
                    const QString& path) {
  std::optional<Printout> printout = PrintoutOf(sheet, options);
  if (!printout) {
    const QString version = FromStd(options.version);
    //: %1 is the code of the version asked for, a capital letter.
    if (sheet.versions.empty())
      return QCoreApplication::translate("Export", "The sheet has no version %1 (it has no versions)")
          .arg(version);
    //: %1 is the code of the version asked for, %2 names those it has: "A to C".
    return QCoreApplication::translate("Export", "The sheet has no version %1 (it has %2)")
        .arg(version, FromStd(VersionSpan(sheet.versions)));
  }
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
  if (!ReplaceFile(ToStd(path), text)) return CannotCreateFile(path);
  return {};
}

}  // namespace tessaro
