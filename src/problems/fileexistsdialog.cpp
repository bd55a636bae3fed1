#include "problems/fileexistsdialog.h"

#include "app/ui.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

TFOps::TFOps(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FOps"));
  setWindowTitle(QStringLiteral("File already exists"));

  EtF = new QLabel(this);
  EtF->setObjectName(QStringLiteral("EtF"));
  EtF->setTextInteractionFlags(Qt::TextSelectableByMouse);
  EtF->setTextFormat(Qt::PlainText);
  Label1 = new QLabel(QStringLiteral("already exists"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QPalette red = Label1->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(red);
  Label2 = new QLabel(QStringLiteral("What do you want?"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignCenter);

  auto makeButton = [this](const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromUtf8(name));
    return button;
  };
  BtMtx = makeButton("BtMtx", "Overwrite");
  BtAdd = makeButton("BtAdd", "Add to it");
  BtEsc = makeButton("BtEsc", "Cancel");
  BtEsc->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtMtx);
  buttons->addWidget(BtAdd);
  buttons->addWidget(BtEsc);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(EtF);
  layout->addWidget(Label1);
  layout->addSpacing(6);
  layout->addWidget(Label2);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  setTabOrder(BtEsc, BtMtx);
  setTabOrder(BtMtx, BtAdd);

  connect(BtMtx, &QPushButton::clicked, this, Guarded([this] { BtMtxClick(); }));
  connect(BtAdd, &QPushButton::clicked, this, Guarded([this] { BtAddClick(); }));
  connect(BtEsc, &QPushButton::clicked, this, Guarded([this] { BtEscClick(); }));
}

SaveMode TFOps::OpsGrd(const QString& fileName) {
  EtF->setText(fileName);
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
