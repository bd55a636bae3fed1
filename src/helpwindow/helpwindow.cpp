#include "helpwindow/helpwindow.h"

#include "helpwindow/guidetext.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tessaro {

namespace {

QString ReadGuide() {
  QFile file(QStringLiteral(":/guide/README.md"));
  if (!file.open(QIODevice::ReadOnly)) {
    return QStringLiteral("# %1\n\n%2").arg(QCoreApplication::translate("Help", "Guide"),
                                             QCoreApplication::translate("Help", "The guide is missing."));
  }
  return GuideMarkdown(QString::fromUtf8(file.readAll()));
}

}  // namespace

TFHelp::TFHelp(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FHelp"));
  //: The title of the window of the program's guide.
  setWindowTitle(tr("Tessaro guide"));
  setWindowIcon(AppIcon());
  setWindowFlag(Qt::Window);
  IdGuide = Named(new QTextBrowser(this), "IdGuide");
  IdGuide->setOpenExternalLinks(true);
  IdGuide->setAccessibleName(tr("Guide"));
  // Pictures are named relative to the README; the resource keeps that tree.
  IdGuide->document()->setMetaInformation(QTextDocument::DocumentUrl,
                                          QStringLiteral("qrc:/guide/"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(IdGuide);
  resize(720, 640);
}

void TFHelp::ShowFor(const QString& windowName) { ShowSection(GuideSectionOf(windowName)); }

void TFHelp::ShowSection(const QString& heading) {
  // The guide is read when it is first asked for, not at every start of the program.
  if (IdGuide->document()->isEmpty()) IdGuide->setMarkdown(ReadGuide());
  ShowInFront(this);
  QTextDocument* doc = IdGuide->document();
  QTextBlock target = doc->firstBlock();
  for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next()) {
    if (b.blockFormat().headingLevel() > 0 && b.text().trimmed() == heading) {
      target = b;
      break;
    }
  }
  QTextCursor cursor(target);
  IdGuide->setTextCursor(cursor);
  const qreal top = doc->documentLayout()->blockBoundingRect(target).top();
  IdGuide->verticalScrollBar()->setValue(static_cast<int>(top));
}

QString TFHelp::CurrentSection() const {
  QTextBlock b = IdGuide->textCursor().block();
  while (b.isValid() && b.blockFormat().headingLevel() == 0) b = b.previous();
  return b.isValid() ? b.text().trimmed() : QString();
}

}  // namespace tessaro
