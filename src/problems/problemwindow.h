#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tessaro {

// The Problem window: a question and its answer, editable, saved on request.
class TFPrbl : public QWidget {
  Q_OBJECT

 public:
  explicit TFPrbl(QWidget* parent = nullptr);

  // Shows the window in front with these texts, replacing whatever it held.
  void MostraPrbl(const QString& question, const QString& answer);

 private:
  QPlainTextEdit* IdE = nullptr;
  QPlainTextEdit* IdR = nullptr;
};

}  // namespace tessaro
