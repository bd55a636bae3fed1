#pragma once

#include <QString>

namespace tessaro {

// The program's guide: the part of the README between the lines "<!-- guide -->" and
// "<!-- /guide -->", as Markdown a text browser shows, its HTML pictures turned into Markdown
// images and its HTML line breaks dropped. The whole text when the markers are missing.
QString GuideMarkdown(const QString& readme);

// The heading of the guide section that F1 opens in the window of this object name; the
// guide's first heading for a window without a section of its own.
QString GuideSectionOf(const QString& windowName);

}  // namespace tessaro
