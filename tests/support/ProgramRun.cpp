#include "tests/support/ProgramRun.h"

#include "tests/support/TestFiles.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Environment(const std::map<std::string, std::string>& changes) {
    std::map<std::string, std::string> vars;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos)
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    vars.erase("LD_LIBRARY_PATH");
    for (const auto& [name, value] : changes)
        vars[name] = value;
    std::vector<std::string> strings;
    for (const auto& [name, value] : vars)
        strings.push_back(name + "=" + value);
    return strings;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string TextOf(const fs::path& path) {
    const auto bytes = ReadBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

} // namespace

ProgramRun RunProgram(const ProgramOptions& options) {
    std::vector<std::string> argStrings = options.argv;
    std::vector<std::string> envStrings = Environment(options.env);
    auto argv = Pointers(argStrings);
    auto envp = Pointers(envStrings);

    const fs::path outPath = options.outputDir / ".stdout";
    const fs::path errPath = options.outputDir / ".stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addchdir_np(&actions, options.workDir.c_str());
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argStrings.at(0).c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + argStrings[0]);

    ProgramRun result;
    int wstatus = 0;
    rusage usage{};
    bool killed = false;
    for (;;) {
        const pid_t done = wait4(pid, &wstatus, WNOHANG, &usage);
        if (done == pid)
            break;
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        if (!killed &&
            ((options.killWhen && options.killWhen(elapsed)) || elapsed > options.timeout)) {
            ::kill(pid, SIGKILL);
            killed = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    result.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    result.maxRssKb = usage.ru_maxrss;
    if (WIFEXITED(wstatus))
        result.status = WEXITSTATUS(wstatus);
    if (WIFSIGNALED(wstatus))
        result.signal = WTERMSIG(wstatus);
    result.out = TextOf(outPath);
    result.err = TextOf(errPath);
    return result;
}
