#include "app/commandline.h"
#include "app/startup.h"
#include "ui/language.h"
#include "ui/ui.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <iostream>

namespace {

// Handlers run guarded already; this catches what escapes any other event so the
// program shows it and goes on instead of ending.
class TessaroApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    bool handled = false;
    tessaro::RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  // A headless command opens no window, on a desktop or without one.
  const bool headless = tessaro::IsHeadless(args);
  if (headless) qputenv("QT_QPA_PLATFORM", "offscreen");
  TessaroApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tessaro"));
  QApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
  if (headless) {
    tessaro::UseLanguage(tessaro::DesktopLanguage(QProcessEnvironment::systemEnvironment()));
    return tessaro::RunHeadless(args, std::cout, std::cerr);
  }
  QApplication::setWindowIcon(tessaro::AppIcon());
  try {
    StartUp();
    tessaro::MainWindow()->show();
    QApplication::exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, tessaro::AppTitle, QString::fromLocal8Bit(e.what()));
  }
  tessaro::ShutDown();
  return 0;
}
