#pragma once

#include <QWidget>

class QTextBrowser;

namespace tessaro {

// The guide window: the program's guide with its pictures, opened at a section.
class TFHelp : public QWidget {
  Q_OBJECT

 public:
  explicit TFHelp(QWidget* parent = nullptr);

  // Shows the window in front at the section of the window named `windowName` (F1 there).
  void ShowFor(const QString& windowName);
  // Shows the window in front at the section whose heading is `heading`.
  void ShowSection(const QString& heading);
  // The heading of the section at the top of the view.
  QString CurrentSection() const;

 private:
  QTextBrowser* IdGuide = nullptr;
};

}  // namespace tessaro
