#include "sheetwindow/sheetpages.h"

#include "ui/ui.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

namespace tessaro {

namespace {

// Where Letter paper is the usual one.
bool LetterLocale(const QLocale& locale) {
  switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
      return true;
    default:
      return locale.measurementSystem() == QLocale::ImperialUSSystem;
  }
}

class PageWriter {
 public:
  PageWriter(const Printout& p, QTextDocument* doc) : p_(p), doc_(doc), cursor_(doc) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(11);
    doc_->setDefaultFont(font);
    doc_->setDocumentMargin(0);
    const QFontMetricsF metrics(font);
    line_ = metrics.lineSpacing();
    // Room for the number of the hundredth problem and its ". ".
    hang_ = metrics.horizontalAdvance(QStringLiteral("000. "));
  }

  void Write() {
    bool first = true;
    for (const PrintedCopy& copy : p_.copies) {
      Questions(copy, first);
      first = false;
      if (p_.key == KeyPlacement::Separate) Key(copy);
    }
  }

 private:
  // A new paragraph, on a new page when asked, with the indent of `margin`.
  void Block(qreal margin = 0, qreal indent = 0, bool newPage = false) {
    QTextBlockFormat format;
    format.setLeftMargin(margin);
    format.setTextIndent(indent);
    if (newPage) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (started_)
      cursor_.insertBlock(format, QTextCharFormat());
    else
      cursor_.setBlockFormat(format);
    started_ = true;
  }

  void Heading(const std::string& text, bool newPage) {
    Block(0, 0, newPage);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(15);
    cursor_.insertText(FromStd(text), bold);
    Empty(1);
  }

  void Line(const std::string& text, qreal margin = 0) {
    Block(margin);
    cursor_.insertText(FromStd(text));
  }

  // Empty lines: room to answer, and the space between problems. Lines rather than margins,
  // so that they hold in table cells and in the ODT file alike.
  void Empty(int lines) {
    for (int i = 0; i < lines; ++i) Block();
  }

  // "n." hanging before the first line, its text and the other lines under each other.
  void Numbered(int number, const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < std::max<std::size_t>(lines.size(), 1); ++i) {
      Block(hang_, i == 0 ? -hang_ : 0);
      if (i == 0) {
        QTextBlockFormat format = cursor_.blockFormat();
        format.setTabPositions({QTextOption::Tab(hang_, QTextOption::LeftTab)});
        cursor_.setBlockFormat(format);
        cursor_.insertText(QString::number(number) + QStringLiteral(".\t"));
      }
      if (i < lines.size()) cursor_.insertText(FromStd(lines[i]));
    }
  }

  // Each problem in turn: under each other, or in a grid of two columns.
  template <class Write>
  void Problems(const std::vector<PrintedProblem>& problems, Write write) {
    if (p_.columns != 2 || problems.empty()) {
      for (const PrintedProblem& problem : problems) write(problem);
      return;
    }
    const int rows = static_cast<int>((problems.size() + 1) / 2);
    QTextTableFormat grid;
    grid.setBorder(0);
    grid.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    grid.setCellPadding(0);
    grid.setCellSpacing(0);
    grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    grid.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 50),
                                    QTextLength(QTextLength::PercentageLength, 50)});
    QTextTable* table = cursor_.insertTable(rows, 2, grid);
    for (std::size_t i = 0; i < problems.size(); ++i) {
      QTextTableCell cell = table->cellAt(static_cast<int>(i / 2), static_cast<int>(i % 2));
      if (i % 2 == 0) {
        // The gap between the columns.
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        format.setRightPadding(2 * line_);
        cell.setFormat(format);
      }
      cursor_ = cell.firstCursorPosition();
      started_ = false;
      write(problems[i]);
    }
    cursor_ = table->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
    started_ = true;
  }

  void Questions(const PrintedCopy& copy, bool first) {
    Heading(copy.heading, !first);
    for (const std::string& line : copy.instructions) Line(line);
    Empty(1);
    Line(NameDateLine());
    Empty(1);
    Problems(copy.problems, [this](const PrintedProblem& p) {
      Numbered(p.number, p.question);
      if (p_.key != KeyPlacement::Embedded) {
        Empty(p.room);
        return;
      }
      Line(EmbeddedAnswerLine(), hang_);
      for (const std::string& line : p.answer) Line(line, hang_);
      Empty(1);
    });
  }

  void Key(const PrintedCopy& copy) {
    Heading(copy.keyHeading, true);
    Problems(copy.problems, [this](const PrintedProblem& p) {
      Numbered(p.number, p.answer);
      Empty(1);
    });
  }

  const Printout& p_;
  QTextDocument* doc_;
  QTextCursor cursor_;
  bool started_ = false;
  qreal line_ = 12;
  qreal hang_ = 24;
};

}  // namespace

QPageSize::PageSizeId PaperOf(PageSize page) {
  switch (page) {
    case PageSize::A4: return QPageSize::A4;
    case PageSize::Letter: return QPageSize::Letter;
    case PageSize::FromLocale: break;
  }
  return LetterLocale(QLocale()) ? QPageSize::Letter : QPageSize::A4;
}

std::unique_ptr<QTextDocument> SheetDocument(const Printout& printout) {
  auto doc = std::make_unique<QTextDocument>();
  PageWriter(printout, doc.get()).Write();
  return doc;
}

void PaintSheet(const Printout& printout, QPagedPaintDevice* device) {
  SheetDocument(printout)->print(device);
}

QString WritePdf(const Printout& printout, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return CannotCreateFile(path);
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(PaperOf(printout.page)));
    // The document keeps its own margins of 2 cm.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(FromStd(printout.title));
    writer.setCreator(QStringLiteral("Tessaro"));
    // Lengths of the layout are pixels of the device: the resolution they were measured at.
    writer.setResolution(96);
    PaintSheet(printout, &writer);
  }
  if (!file.commit()) return CannotCreateFile(path);
  return {};
}

QString WriteOdt(const Printout& printout, const QString& path) {
  // The writer closes the device it wrote, which a QSaveFile must not be: the file is made
  // in memory first.
  QBuffer zip;
  zip.open(QIODevice::WriteOnly);
  QTextDocumentWriter writer(&zip, "odf");
  QSaveFile file(path);
  if (!writer.write(SheetDocument(printout).get()) || !file.open(QIODevice::WriteOnly) ||
      file.write(zip.data()) != zip.data().size() || !file.commit())
    return CannotCreateFile(path);
  return {};
}

}  // namespace tessaro
