// Renders the program's windows, with realistic contents, to PNG files.
// Usage: tessaro_screenshots <output folder>   (run on the offscreen platform)

#include "app/mainwindow.h"
#include "app/startup.h"
#include "app/ui.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdio>

namespace {

bool Save(QWidget* window, const QDir& folder, const QString& name) {
  window->show();
  QApplication::processEvents();
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  if (!window->grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setWindowIcon(tessaro::AppIcon());
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!folder.exists() && !QDir().mkpath(folder.path())) return 1;

  StartUp();
  bool ok = Save(tessaro::FMI, folder, QStringLiteral("main-window"));
  tessaro::ShutDown();
  return ok ? 0 : 1;
}
