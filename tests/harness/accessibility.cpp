#include "harness/accessibility.h"

#include <QAccessibleInterface>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace tessaro::test {

namespace {

QString Described(const QWidget* widget) {
  if (!widget->objectName().isEmpty()) return widget->objectName();
  const QWidget* named = widget->parentWidget();
  while (named && named->objectName().isEmpty()) named = named->parentWidget();
  return QString::fromLatin1(widget->metaObject()->className()) + QStringLiteral(" in ") +
         (named ? named->objectName() : QStringLiteral("?"));
}

std::vector<AccessibleChange>& Recorded() {
  static std::vector<AccessibleChange> changes;
  return changes;
}

// The control an event is about: a table's cell has no object of its own, its table has.
QObject* ObjectOf(QAccessibleEvent* event) {
  if (QObject* object = event->object()) return object;
  for (QAccessibleInterface* i = event->accessibleInterface(); i; i = i->parent())
    if (i->object()) return i->object();
  return nullptr;
}

void Record(QAccessibleEvent* event) {
  QObject* object = ObjectOf(event);
  if (!object) return;
  QString text;
  switch (event->type()) {
    case QAccessible::TextInserted:
      text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
      break;
    case QAccessible::TextUpdated:
      text = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
      break;
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
      // The event names the change; the words are the interface's now.
      if (QAccessibleInterface* iface = event->accessibleInterface())
        text = iface->text(event->type() == QAccessible::NameChanged ? QAccessible::Name
                                                                     : QAccessible::Description);
      break;
    default:
      break;
  }
  Recorded().push_back({event->type(), object->objectName(), text});
}

QPlatformAccessibility* Platform() {
  QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
  return integration ? integration->accessibility() : nullptr;
}

QAccessible::UpdateHandler previousHandler = nullptr;
bool wasActive = false;

}  // namespace

QStringList FocusableWithoutName(QWidget* window) {
  QStringList nameless;
  if (!window) return nameless;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window || w->focusPolicy() == Qt::NoFocus) continue;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty()) nameless << Described(w);
  }
  return nameless;
}

AccessibleEvents::AccessibleEvents() {
  Recorded().clear();
  previousHandler = QAccessible::installUpdateHandler(Record);
  // Qt sends its events only while the platform says assistive technology is listening.
  if (QPlatformAccessibility* platform = Platform()) {
    wasActive = platform->isActive();
    platform->setActive(true);
  }
}

AccessibleEvents::~AccessibleEvents() {
  if (QPlatformAccessibility* platform = Platform()) platform->setActive(wasActive);
  QAccessible::installUpdateHandler(previousHandler);
  Recorded().clear();
}

std::vector<AccessibleChange> AccessibleEvents::Of(const QString& object) const {
  std::vector<AccessibleChange> found;
  for (const AccessibleChange& change : Recorded())
    if (change.object == object) found.push_back(change);
  return found;
}

bool AccessibleEvents::Sent(QAccessible::Event type, const QString& object,
                            const QString& text) const {
  for (const AccessibleChange& change : Of(object))
    if (change.type == type && change.text == text) return true;
  return false;
}

void AccessibleEvents::Clear() { Recorded().clear(); }

}  // namespace tessaro::test
