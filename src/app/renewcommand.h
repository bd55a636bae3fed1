#pragma once

#include <QStringList>

#include <iosfwd>

namespace tessaro {

// tessaro --new-numbers SHEET --seed S --out OUT: every problem of the sheet with new
// numbers drawn from the seed S, written to the sheet file OUT. `args` are the arguments
// after --new-numbers. All or nothing: a problem no draw renews refuses the sheet.
int NewNumbersCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// tessaro --versions SHEET --count K --seed S --out OUT: K versions (2 to 26) of the sheet
// drawn from the seed S, in place of any it had, written to the sheet file OUT.
int VersionsCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace tessaro
