#include "themes/panelworking.h"

#include "ui/widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QToolButton>

#include <utility>

namespace tessaro {

QToolButton* WorkingButton(const char* name, QWidget* parent) {
  //: The hint of the button beside a panel's problem button that shows the working of its
  //: results, step by step.
  QToolButton* button = PictureButton(
      name, "working", QCoreApplication::translate("Themes", "Working"), parent, 20);
  button->setEnabled(false);
  return button;
}

QWidget* Beside(QToolButton* working, QToolButton* problem) {
  auto* pair = new QWidget;
  auto* row = new QHBoxLayout(pair);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  row->addWidget(working);
  row->addWidget(problem);
  return pair;
}

PanelWorking::PanelWorking(ShowWorking show, const QWidget* window)
    : show_(std::move(show)), window_(QString::number(reinterpret_cast<quintptr>(window))) {}

QString PanelWorking::Key(const QString& panel) const {
  return window_ + QLatin1Char('/') + panel;
}

void PanelWorking::Open(const QString& panel, const QString& title, const Working& working) {
  followed_ = panel;
  if (show_) show_(Key(panel), title, working, true);
}

void PanelWorking::Follow(
    const std::function<std::pair<QString, Working>(const QString& panel)>& of) const {
  if (followed_.isEmpty() || !show_) return;
  const auto [title, working] = of(followed_);
  show_(Key(followed_), title, working, false);
}

}  // namespace tessaro
