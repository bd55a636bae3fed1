#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace tessaro {

// The languages the program speaks besides English, the language of its texts.
inline const QStringList SpokenLanguages = {QStringLiteral("es"), QStringLiteral("fr"),
                                            QStringLiteral("de")};

// The language the desktop asks for, of those the program speaks: "es", "fr" or "de", or ""
// for English. LANGUAGE lists preferences in order, but only where the locale (LC_ALL, else
// LC_MESSAGES, else LANG) is not C or POSIX, which mean English whatever LANGUAGE says; the
// locale itself comes last. The first one the program speaks wins; "en" first means English.
QString DesktopLanguage(const QProcessEnvironment& env);

// Speaks `language` ("" for English) from now on: the windows' texts, Qt's own dialogs and
// the words of the pure libraries. Call it before the windows are made.
void UseLanguage(const QString& language);

// The language UseLanguage was last given.
QString LanguageInUse();

}  // namespace tessaro
