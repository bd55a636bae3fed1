#pragma once

// The headless commands, for scripts and tests: tessaro --help, --version and the commands
// the table in commandline.cpp lists. They open no window.

#include <QStringList>

#include <iosfwd>
#include <string>

namespace tessaro {

// Exit codes of every headless command.
inline constexpr int ExitDone = 0;     // written
inline constexpr int ExitRefused = 1;  // an input refused; the message is on standard error
inline constexpr int ExitUsage = 2;    // the command line itself is wrong

// True when the arguments after the program's name ask for a headless command.
bool IsHeadless(const QStringList& args);

// Runs the headless command of `args` (the arguments after the program's name) with an
// application object on the offscreen platform; returns its exit code.
int RunHeadless(const QStringList& args, std::ostream& out, std::ostream& err);

// "--out needs a value", in the program's language: an option typed last, without its value.
std::string NeedsAValue(const std::string& option);

}  // namespace tessaro
