#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tessaro {

// The Preferences window: whether the lists and the windows are remembered between runs.
// The check box stands for the settings file: a change is stored at once, and the window
// shows what the file says each time it opens.
class TFPrefs : public QDialog {
  Q_OBJECT

 public:
  explicit TFPrefs(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowPreference();
  void OpRememberClick(bool on);

  QCheckBox* OpRemember = nullptr;
  QLabel* EtRemember = nullptr;
  QPushButton* BtClose = nullptr;
};

}  // namespace tessaro
