#pragma once

#include "E2eRun.h"

#include <ostream>
#include <string>
#include <vector>

// Every command of adeduze-cli as the end-to-end tests run it, on a phone
// holding the demo slots and a working folder holding the files they use.
struct CommandCase {
    std::string name; // a label for reports
    std::vector<std::string> args;
};

const std::vector<CommandCase>& AllCommands();

// Test names and failure reports show a case by its label.
inline void PrintTo(const CommandCase& command, std::ostream* out) {
    *out << command.name;
}

// The scenario every command case runs in: the demo phone plus 17-19, the
// ranges 18-9..18-10 and 2-17..2-18, and in work() the input files and an
// older copy of every file a command writes there.
void PrepareScenario(const E2eSandbox& box);
