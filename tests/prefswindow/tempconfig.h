#pragma once

#include "prefswindow/sessionstore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace tessaro::test {

// A configuration folder of one test's own, as $XDG_CONFIG_HOME and as QSettings' user path;
// both are as before once the test ends, so no other test sees what this one stored.
class TempConfig {
 public:
  TempConfig()
      : hadEnv_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), previousEnv_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  }
  ~TempConfig() {
    if (hadEnv_)
      qputenv("XDG_CONFIG_HOME", previousEnv_);
    else
      qunsetenv("XDG_CONFIG_HOME");
    const QString previous = hadEnv_ ? QString::fromLocal8Bit(previousEnv_)
                                     : QDir::homePath() + QStringLiteral("/.config");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous);
  }
  TempConfig(const TempConfig&) = delete;
  TempConfig& operator=(const TempConfig&) = delete;

  QString Path() const { return dir_.path(); }
  bool FileExists() const { return QFileInfo::exists(SettingsFile()); }
  // Replaces the settings file with these bytes.
  void WriteFile(const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    QFile file(SettingsFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
  }

 private:
  QTemporaryDir dir_;
  bool hadEnv_;
  QByteArray previousEnv_;
};

}  // namespace tessaro::test
