#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaro {

// The About box: title, description, version, year and the maker's lines.
class TFAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFAbout(QWidget* parent = nullptr);

  // Fills the box, centres the title with the version beside it, and shows it.
  void ShowAbout(const QString& title, const QString& description, const QString& year,
                 const QString& version);

 private:
  QLabel* Tit = nullptr;
  QLabel* EtV = nullptr;
  QLabel* D = nullptr;
  QLabel* EtAutor = nullptr;
  QLabel* EtYear = nullptr;
  QLineEdit* EdMail = nullptr;
  QLineEdit* EdW = nullptr;
  QPushButton* BtOk = nullptr;
};

}  // namespace tessaro
