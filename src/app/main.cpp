#include "app/startup.h"
#include "ui/ui.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

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
  TessaroApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  QApplication::setApplicationDisplayName(QStringLiteral("Tessaro"));
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
