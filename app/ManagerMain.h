#pragma once

#include <string>

// Where the desktop manager finds its phone link library and its settings.
struct ManagerStart {
    std::string libraryName = "libgbp.so"; // found by the system's library search
    std::string settingsPath;
};

// The desktop manager from start to end, inside an existing QApplication:
// binds the phone link library, creates the windows, runs the event loop.
// A library that cannot be loaded or lacks InitGBPMode, EndGBPMode or
// ReadNVMFile ends the program after one message, before any window is shown
// and without touching the settings file. Returns the exit status.
int RunManager(const ManagerStart& start);
