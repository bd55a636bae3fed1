#include "harness/harness.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The offscreen platform cannot raise windows or size them to hints; saying so for
// every window only buries the test output.
QtMessageHandler defaultHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (defaultHandler) defaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
  defaultHandler = qInstallMessageHandler(QuietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The tests read the program's English texts, whatever the desktop running them speaks;
  // the language tests set their own.
  qputenv("LC_ALL", "C.UTF-8");
  qunsetenv("LANGUAGE");
  // Nor do they read or change the settings of the user running them: a configuration folder
  // of their own.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  tessaro::test::InstallModals();
  return RUN_ALL_TESTS();
}
