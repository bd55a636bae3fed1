#pragma once

// The headless commands are tested on the built program itself, run as a script runs it:
// in a process of its own (TESSARO_BINARY is its path).

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace tessaro::test {

struct Outcome {
  int code = -1;  // the exit code; -1 when it crashed or did not end
  QString out;    // standard output
  QString err;    // standard error
};

inline Outcome Tessaro(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(TESSARO_BINARY), args);
  Outcome run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    ADD_FAILURE() << "tessaro did not end";
    return run;
  }
  run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

}  // namespace tessaro::test
