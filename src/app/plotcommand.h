#pragma once

#include <QStringList>

#include <iosfwd>

namespace tessaro {

// tessaro --plot "POLYNOMIAL" --out FILE.svg|FILE.png [--size WxH]: the graph the Graph
// window shows, fitted to every root and turning point, written as an SVG drawing or a PNG
// picture. `args` are the arguments after --plot.
int PlotCommand(const QStringList& args, std::ostream& out, std::ostream& err);

}  // namespace tessaro
