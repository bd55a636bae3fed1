#pragma once

// The words the three theme windows share, in the program's language: each is translated
// once, and the windows say the same thing the same way.

#include <QString>

class QLabel;

namespace tessaro::themewords {

QString Generate();           // the dice's hint
QString Problem();            // the Problem menu, and the hint of a panel's problem button
QString BinaryOperations();   // a panel's title and its menu command
QString CombinedOperation();  // a panel's title and its menu command
QString All();                // the menu command of a problem of every panel
QString Ok();                 // the caption of the buttons that take an entry
QString Reset();              // the caption "rst" of the buttons that clear
QString ClearList();          // the hint of the button that clears the list
QString LettersOfTheList();   // what a screen reader calls the letters beside the list
QString Expression();         // ... the field of a combined operation
QString Calculate();          // ... its "=" button
QString Value();              // ... its result
QString WithValues();         // ... the expression with the values of the list put in

// Shows a combined operation's expression with its values in `label`, and gives a screen
// reader the same words: the label is named once, and its description follows the text.
void ShowWithValues(QLabel* label, const QString& text);

}  // namespace tessaro::themewords
