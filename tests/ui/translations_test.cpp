#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>

namespace tessaro {
namespace {

struct Entry {
  QString context, source, translation;
  bool finished = false;
};

std::vector<Entry> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      entry = Entry{context, {}, {}, false};
    } else if (xml.name() == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      entry.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      entry.translation = xml.readElementText();
      entries.push_back(entry);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return entries;
}

QStringList Placeholders(const QString& text) {
  static const QRegularExpression marker(QStringLiteral("%[1-9]"));
  QStringList found;
  for (auto it = marker.globalMatch(text); it.hasNext();) found << it.next().captured();
  found.sort();
  return found;
}

QString Edge(const QString& text, bool leading) {
  static const QRegularExpression first(QStringLiteral("^\\s*")), last(QStringLiteral("\\s*$"));
  return (leading ? first : last).match(text).captured();
}

QString WithoutPlaceholders(QString text) {
  static const QRegularExpression marker(QStringLiteral("%[1-9]"));
  return text.remove(marker);
}

// A translation says the same in another language: the values go where its placeholders
// say, the lines and the blanks at either end stay, and no number is made up in it.
TEST(Translations, EveryTranslationKeepsItsPlaceholdersLinesBlanksAndNumbers) {
  const QDir folder(QStringLiteral(TESSARO_SOURCE_DIR "/translations"));
  const QStringList files = folder.entryList({QStringLiteral("tessaro_*.ts")}, QDir::Files);
  for (const char* shipped : {"tessaro_es.ts", "tessaro_fr.ts", "tessaro_de.ts"})
    ASSERT_TRUE(files.contains(QLatin1String(shipped))) << shipped;
  static const QRegularExpression digit(QStringLiteral("[0-9]"));
  for (const QString& name : files) {
    for (const Entry& e : ReadTs(folder.filePath(name))) {
      if (!e.finished) continue;
      SCOPED_TRACE((name + QStringLiteral(" ") + e.context + QStringLiteral(": ") + e.source)
                       .toStdString());
      EXPECT_FALSE(e.translation.isEmpty());
      EXPECT_EQ(Placeholders(e.translation), Placeholders(e.source)) << e.translation.toStdString();
      EXPECT_EQ(e.translation.count(u'\n'), e.source.count(u'\n')) << e.translation.toStdString();
      EXPECT_EQ(Edge(e.translation, true), Edge(e.source, true)) << e.translation.toStdString();
      EXPECT_EQ(Edge(e.translation, false), Edge(e.source, false)) << e.translation.toStdString();
      EXPECT_EQ(WithoutPlaceholders(e.translation).contains(digit),
                WithoutPlaceholders(e.source).contains(digit))
          << e.translation.toStdString();
    }
  }
}

}  // namespace
}  // namespace tessaro
