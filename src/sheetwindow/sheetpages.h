#pragma once

// The printed sheet: one document laid out from the printout, shared by print, print
// preview, PDF and ODT, so that every one of them shows the same pages.

#include "worksheets/printout.h"

#include <QPageSize>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace tessaro {

// The paper of a sheet: its own choice, or Letter where the user's locale uses it, else A4.
QPageSize::PageSizeId PaperOf(PageSize page);

// The sheet as a text document: the title, the instructions, the "Name: ____  Date: ____"
// line, the numbered questions with room to answer (or each answer under its question),
// and the key titled "Answer key" from a new page; two columns as a grid of problems.
std::unique_ptr<QTextDocument> SheetDocument(const Printout& printout);

// Lays the pages out on `device` (a printer or a PDF writer), on the printout's paper.
void PaintSheet(const Printout& printout, QPagedPaintDevice* device);

// Writes the PDF or the ODT file in one step: the file appears whole or not at all.
// Empty when written, else the message to show.
QString WritePdf(const Printout& printout, const QString& path);
QString WriteOdt(const Printout& printout, const QString& path);

}  // namespace tessaro
