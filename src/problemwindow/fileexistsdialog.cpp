#include "problemwindow/fileexistsdialog.h"

#include "ui/ui.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

TFOps::TFOps(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FOps"));
  setWindowTitle(tr("File already exists"));

  EtF = Label(QString(), this, "EtF");
  EtF->setTextInteractionFlags(Qt::TextSelectableByMouse);
  EtF->setTextFormat(Qt::PlainText);
  // Selectable, so it takes the focus: a screen reader needs a name before a file is asked about.
  EtF->setAccessibleName(tr("File name"));
  //: Under the name of the file, on a line of its own.
  Label1 = Label(tr("already exists"), this, "Label1");
  SetDesignColour(Label1, QPalette::WindowText, Qt::red);
  Label2 = Label(tr("What do you want?"), this, "Label2", Qt::AlignCenter);

  BtMtx = Button("BtMtx", tr("Overwrite"), {}, this);
  //: Add the problem to the end of the file.
  BtAdd = Button("BtAdd", tr("Add to it"), {}, this);
  BtEsc = Button("BtEsc", tr("Cancel"), {}, this);
  // A screen reader says what the buttons act on.
  BtMtx->setAccessibleDescription(tr("Replace the file with the problem"));
  BtAdd->setAccessibleDescription(tr("Keep the file and add the problem after its text"));
  BtEsc->setAccessibleDescription(tr("Save nothing"));
  BtEsc->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtMtx);
  buttons->addWidget(BtAdd);
  buttons->addWidget(BtEsc);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(EtF);
  layout->addWidget(Label1, 0, Qt::AlignLeft);
  layout->addSpacing(6);
  layout->addWidget(Label2);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  TabOrder({BtEsc, BtMtx, BtAdd});

  connect(BtMtx, &QPushButton::clicked, this, Guarded([this] { BtMtxClick(); }));
  connect(BtAdd, &QPushButton::clicked, this, Guarded([this] { BtAddClick(); }));
  connect(BtEsc, &QPushButton::clicked, this, Guarded([this] { BtEscClick(); }));
}

SaveMode TFOps::OpsGrd(const QString& fileName) {
  EtF->setText(fileName);
  EtF->setAccessibleName(fileName);
  // Only a button pressed in this run overwrites or adds; closing the window is Cancel.
  ModeGrd = GrdEsc;
  BtEsc->setFocus();
  exec();
  return ModeGrd;
}

void TFOps::BtMtxClick() {
  ModeGrd = GrdMtx;
  accept();
}

void TFOps::BtAddClick() {
  ModeGrd = GrdAdd;
  accept();
}

void TFOps::BtEscClick() {
  ModeGrd = GrdEsc;
  reject();
}

void TFOps::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  adjustSize();
  CentreOnScreen(this);
  BtEsc->setFocus();
}

}  // namespace tessaro
