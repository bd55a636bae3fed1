#pragma once

#include <QStringList>

#include <iosfwd>

namespace tessaro {

// tessaro --export SHEET --to pdf|odt|tex|gift|txt --out FILE [--key separate|embedded|none]
// [--version CODE]: `args` are the arguments after --export. Every version of the sheet in
// turn, or only the one --version names. Writes the file whole or not at all.
int ExportCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace tessaro
