#include "ui/language.h"

#include "numbers/words.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace tessaro {

namespace {

QString LocaleOf(const QProcessEnvironment& env) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = env.value(QString::fromLatin1(name));
    if (!value.isEmpty()) return value;
  }
  return {};
}

// "es_ES.UTF-8@euro" -> "es".
QString LanguagePart(const QString& locale) {
  qsizetype end = locale.size();
  for (QChar stop : {u'_', u'.', u'@'}) {
    const qsizetype at = locale.indexOf(stop);
    if (at >= 0 && at < end) end = at;
  }
  return locale.left(end).toLower();
}

struct Installed {
  std::vector<std::unique_ptr<QTranslator>> translators;
  QString language;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

}  // namespace

QString DesktopLanguage(const QProcessEnvironment& env) {
  const QString locale = LocaleOf(env);
  const QString localeLanguage = LanguagePart(locale);
  if (localeLanguage == QLatin1String("c") || localeLanguage == QLatin1String("posix"))
    return {};
  QStringList wanted;
  const QString preferences = env.value(QStringLiteral("LANGUAGE"));
  if (!locale.isEmpty()) {
    for (const QString& entry : preferences.split(u':', Qt::SkipEmptyParts))
      wanted << LanguagePart(entry);
  }
  wanted << localeLanguage;
  for (const QString& language : wanted) {
    if (language == QLatin1String("en")) return {};
    if (SpokenLanguages.contains(language)) return language;
  }
  return {};
}

void UseLanguage(const QString& language) {
  Installed& installed = Current();
  for (const auto& t : installed.translators) QCoreApplication::removeTranslator(t.get());
  installed.translators.clear();
  installed.language = SpokenLanguages.contains(language) ? language : QString();
  if (installed.language.isEmpty()) {
    SetTranslator({});
    return;
  }
  const auto load = [&](const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator.get()))
      installed.translators.push_back(std::move(translator));
  };
  load(QStringLiteral("tessaro_") + installed.language, QStringLiteral(":/i18n"));
  // Qt's own dialogs and buttons (Save, Discard, Cancel, the file dialog).
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  load(QStringLiteral("qtbase_") + installed.language, qtFolder);
  SetTranslator([](const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
  });
}

QString LanguageInUse() { return Current().language; }

}  // namespace tessaro
