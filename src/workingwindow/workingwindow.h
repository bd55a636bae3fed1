#pragma once

#include <QString>
#include <QWidget>

#include "working/working.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace tessaro {

// The Working window (one instance, not modal): the steps of the result a panel shows, laid
// out as a textbook writes them (tables for the factor ladder and the base change, the long
// division in columns), selectable, and copied whole as plain text by "Copy". What it shows
// is replaced at each call, so it can follow a panel as its results change.
class TFWork : public QWidget {
  Q_OBJECT

 public:
  explicit TFWork(QWidget* parent = nullptr);

  // Shows the window in front with this working, under the title (e.g. "hcd and LCM").
  void ShowWorking(const QString& title, const Working& w);
  // Replaces what the window shows, without bringing it forward, when it is open; a panel
  // calls it whenever its results change.
  void FollowWorking(const QString& title, const Working& w);

  // The text form of what it shows, lines separated by "\n": what "Copy" copies and what a
  // screen reader is given.
  QString PlainText() const { return plain_; }

 private:
  void Put(const QString& title, const Working& w);
  void BtCopyClick();

  QLabel* EtWork = nullptr;
  QTextBrowser* IdWork = nullptr;
  QPushButton* BtCopy = nullptr;
  QPushButton* BtClose = nullptr;
  QString plain_;
};

}  // namespace tessaro
