#pragma once

#include <iosfwd>

// Exit statuses of adeduze-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailed = 1; // an ERROR message, a standard error box or a Cancel
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoLibrary =
    3; // libgbp.so cannot be loaded or lacks its first three functions

// The whole of adeduze-cli: parses the arguments, loads the phone link
// library and the settings, runs one command and prints its data to `out`
// and its messages to `err`. Questions are read from `in` when
// `interactive`. Needs a QCoreApplication (for the executable's folder).
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::istream& in, bool interactive);
