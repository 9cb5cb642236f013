#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

// What a program run as its own process did.
struct ProgramRun {
    int status = -1; // exit status; -1 when the process did not exit by itself
    int signal = 0;  // the signal that ended it, 0 when it exited
    std::string out;
    std::string err;
    long maxRssKb = 0; // peak resident set of the process
    std::chrono::milliseconds elapsed{0};
};

struct ProgramOptions {
    std::vector<std::string> argv; // argv[0] is the program's path
    // Added to (or replacing) the inherited variables; LD_LIBRARY_PATH is not
    // inherited, so the library beside the program is found unless set here.
    std::map<std::string, std::string> env;
    std::filesystem::path workDir;   // the run's current directory
    std::filesystem::path outputDir; // where its stdout and stderr are kept
    // Polled while the process runs; when it answers true the process is killed (SIGKILL).
    std::function<bool(std::chrono::milliseconds elapsed)> killWhen;
    std::chrono::milliseconds timeout{60000}; // killed after this long in any case
};

// Runs the program with stdin from /dev/null and waits for it; throws when it
// cannot be started.
ProgramRun RunProgram(const ProgramOptions& options);
