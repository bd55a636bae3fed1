#include "prefswindow/prefswindow.h"

#include "prefswindow/sessionstore.h"
#include "ui/ui.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaro {

TFPrefs::TFPrefs(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FPrefs"));
  setWindowTitle(tr("Preferences"));
  setWindowIcon(AppIcon());

  OpRemember = Named(new QCheckBox(tr("Remember lists and windows between runs"), this),
                     "OpRemember");
  EtRemember = Label(tr("The three lists with their selections, the decimals, the open worksheet "
                        "and the windows' places are kept when the program ends and are back at "
                        "its next start."),
                     this, "EtRemember");
  EtRemember->setWordWrap(true);
  // The words under the box say what it keeps.
  OpRemember->setAccessibleDescription(EtRemember->text());
  BtClose = Button("BtClose", tr("Close"), {}, this);
  BtClose->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BtClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(OpRemember);
  layout->addWidget(EtRemember);
  layout->addStretch(1);
  layout->addLayout(buttons);

  connect(OpRemember, &QCheckBox::toggled, this,
          [this](bool on) { RunGuarded([this, on] { OpRememberClick(on); }); });
  connect(BtClose, &QPushButton::clicked, this, &QDialog::close);
  ShowPreference();
  SetDesignedSize(this, {360, 150});
}

void TFPrefs::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ShowPreference();
}

void TFPrefs::ShowPreference() {
  const QSignalBlocker block(OpRemember);
  OpRemember->setChecked(RemembersSessions());
}

void TFPrefs::OpRememberClick(bool on) {
  if (SetRemembersSessions(on)) return;
  // The box shows what the file holds, not what was asked.
  ShowPreference();
  //: %1 is the name of the settings file.
  ShowMessage(tr("The preference cannot be stored in %1").arg(QDir::toNativeSeparators(SettingsFile())));
}

}  // namespace tessaro
