#include "themes/themewords.h"

#include "ui/widgets.h"

#include <QCoreApplication>
#include <QLabel>

namespace tessaro::themewords {

// Each text stands in a call of its own, where the translation tools find it.
QString Generate() { return QCoreApplication::translate("Themes", "Generate"); }
QString Problem() {
  //: The menu of problems, and the hint of the button that makes the problem of a panel.
  return QCoreApplication::translate("Themes", "Problem");
}
QString BinaryOperations() { return QCoreApplication::translate("Themes", "Binary operations"); }
QString CombinedOperation() { return QCoreApplication::translate("Themes", "Combined operation"); }
QString All() {
  //: The command of the Problem menu that makes a problem of every panel.
  return QCoreApplication::translate("Themes", "All");
}
QString Ok() { return QCoreApplication::translate("Themes", "OK"); }
QString Reset() {
  //: A short caption ("reset") of a narrow button that clears a list or the entry.
  return QCoreApplication::translate("Themes", "rst");
}
QString ClearList() { return QCoreApplication::translate("Themes", "Clear list"); }
QString LettersOfTheList() {
  //: The column of letters (A, B, ...) that names the items of the list.
  return QCoreApplication::translate("Themes", "Letters of the list");
}
QString Expression() {
  //: The field where an operation on the list's letters is typed.
  return QCoreApplication::translate("Themes", "Expression");
}
QString Calculate() { return QCoreApplication::translate("Themes", "Calculate"); }
QString Value() {
  //: The value a combined operation gives.
  return QCoreApplication::translate("Themes", "Value");
}
QString WithValues() {
  //: The expression of a combined operation with the values of the list's letters put in.
  return QCoreApplication::translate("Themes", "The expression with the values of the list");
}

void ShowWithValues(QLabel* label, const QString& text) {
  if (label->accessibleName().isEmpty()) SpeakAs(label, WithValues());
  if (label->text() == text) return;
  label->setText(text);
  label->setAccessibleDescription(text);
}

}  // namespace tessaro::themewords
