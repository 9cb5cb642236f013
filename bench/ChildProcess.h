#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What a program the benchmark started left behind.
struct ChildRun {
    int64_t startedAt = 0; // MonotonicNanoseconds() just before the start
    std::string report;    // the report file's text, empty when none was written
};

// Starts `argv` with the benchmark's environment plus `env`, standard input
// and output on /dev/null, and waits for it to end; a program still running
// after `timeoutSeconds` is killed. The report file is removed before the
// start and read after the end. nullopt when the program cannot be started,
// fails or is killed.
std::optional<ChildRun> RunChild(const std::vector<std::string>& argv,
                                 const std::map<std::string, std::string>& env,
                                 const std::string& reportPath, double timeoutSeconds = 30);

// The folder of the running benchmark executable, where the programs it
// measures are built.
std::string ExecutableDir();
