#include "workingwindow/workingwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/ui.h"
#include "ui/widgets.h"
#include "working/workinghtml.h"

namespace tessaro {

TFWork::TFWork(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("FWork"));
  setWindowTitle(tr("Working"));
  setWindowIcon(AppIcon());

  EtWork = Heading(QString(), this, "EtWork");
  IdWork = Named(new QTextBrowser(this), "IdWork");
  IdWork->setOpenLinks(false);
  IdWork->setLineWrapMode(QTextEdit::NoWrap);
  IdWork->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // Tab goes on to the buttons rather than into the text.
  IdWork->setTabChangesFocus(true);
  IdWork->setAccessibleName(tr("Working"));
  EtWork->setBuddy(IdWork);

  BtCopy = Button("BtCopy", tr("Copy"), tr("Copy the working as text"), this);
  BtClose = Button("BtClose", tr("Close"), {}, this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtCopy);
  buttons->addWidget(BtClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(EtWork);
  layout->addWidget(IdWork, 1);
  layout->addLayout(buttons);
  TabOrder({IdWork, BtCopy, BtClose});

  connect(BtCopy, &QPushButton::clicked, this, Guarded([this] { BtCopyClick(); }));
  connect(BtClose, &QPushButton::clicked, this, &QWidget::hide);
  connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::hide);

  SetDesignedSize(this, {360, 300});
  resize(520, 440);
}

void TFWork::ShowWorking(const QString& title, const Working& w) {
  Put(title, w);
  ShowInFront(this);
}

void TFWork::FollowWorking(const QString& title, const Working& w) {
  if (isVisible()) Put(title, w);
}

void TFWork::Put(const QString& title, const Working& w) {
  QStringList lines;
  for (const std::string& line : w.Lines()) lines << FromStd(line);
  plain_ = lines.join(u'\n');
  EtWork->setText(title);
  //: The title of the window for the working of a result: %1 is what it works out ("hcd and LCM").
  setWindowTitle(title.isEmpty() ? tr("Working") : tr("Working: %1").arg(title));
  IdWork->setHtml(FromStd(WorkingHtml(w)));
  // The tables are drawn as tables; a screen reader gets the lines themselves.
  IdWork->setAccessibleDescription(plain_);
}

void TFWork::BtCopyClick() {
  if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(plain_);
}

}  // namespace tessaro
