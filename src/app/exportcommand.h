#pragma once

#include <QStringList>

#include <iosfwd>

namespace tessaro {

// tessaro --export SHEET --to pdf|odt|tex|gift|txt --out FILE [--key separate|embedded|none]:
// `args` are the arguments after --export. Writes the file whole or not at all.
int ExportCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace tessaro
