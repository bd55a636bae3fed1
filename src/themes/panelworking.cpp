#include "themes/panelworking.h"

#include "ui/ui.h"
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

PanelWorking::PanelWorking(ShowWorking show, const QWidget* window, Of of)
    : show_(std::move(show)),
      window_(QString::number(reinterpret_cast<quintptr>(window))),
      of_(std::move(of)) {}

QString PanelWorking::Key(const QString& panel) const {
  return window_ + QLatin1Char('/') + panel;
}

PanelWorkingMaker PanelWorking::Maker(const QString& panel) const {
  return [of = of_, panel] { return of(panel); };
}

void PanelWorking::Attach(QToolButton* button, const QString& panel) {
  QObject::connect(button, &QToolButton::clicked, button, Guarded([this, panel] {
                     followed_ = panel;
                     if (show_) show_(Key(panel), Maker(panel), true);
                   }));
}

void PanelWorking::Follow() const {
  if (followed_.isEmpty() || !show_) return;
  show_(Key(followed_), Maker(followed_), false);
}

}  // namespace tessaro
