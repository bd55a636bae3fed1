#include "helpwindow/guidetext.h"

#include <QRegularExpression>

#include <utility>

namespace tessaro {

QString GuideMarkdown(const QString& readme) {
  const QString begin = QStringLiteral("<!-- guide -->");
  const QString end = QStringLiteral("<!-- /guide -->");
  QString guide = readme;
  const qsizetype from = readme.indexOf(begin);
  const qsizetype to = readme.indexOf(end);
  if (from >= 0 && to > from) guide = readme.mid(from + begin.size(), to - from - begin.size());

  // <img ... src="X" ... alt="Y"> becomes ![Y](X): the browser reads Markdown images only.
  static const QRegularExpression image(QStringLiteral("<img\\b[^>]*>"));
  static const QRegularExpression src(QStringLiteral("\\bsrc=\"([^\"]*)\""));
  static const QRegularExpression alt(QStringLiteral("\\balt=\"([^\"]*)\""));
  QString out;
  qsizetype last = 0;
  for (auto it = image.globalMatch(guide); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += guide.mid(last, m.capturedStart() - last);
    const QString tag = m.captured();
    const QString file = src.match(tag).captured(1);
    if (!file.isEmpty())
      out += QStringLiteral("![%1](%2)").arg(alt.match(tag).captured(1), file);
    last = m.capturedEnd();
  }
  out += guide.mid(last);
  static const QRegularExpression lineBreak(QStringLiteral("<br\\b[^>]*>"));
  out.remove(lineBreak);
  return out.trimmed();
}

QString GuideSectionOf(const QString& windowName) {
  static const std::pair<const char*, const char*> sections[] = {
      {"FAritm", "Integers"},      {"FFracc", "Fractions"},  {"FP", "Polynomials"},
      {"FPrbl", "Problems"},       {"FOps", "Problems"},     {"FTools", "Tools and About"},
      {"FAbout", "Tools and About"}, {"FSheet", "Worksheets"}, {"FGraph", "Graph"},
      {"FWork", "Working"},        {"FPrefs", "Preferences"},
  };
  for (const auto& [window, heading] : sections)
    if (windowName == QLatin1String(window)) return QString::fromUtf8(heading);
  return QStringLiteral("Guide");
}

}  // namespace tessaro
