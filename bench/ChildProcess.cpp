#include "bench/ChildProcess.h"

#include "bench/ProcessClock.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& extra) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (!extra.contains(text.substr(0, text.find('='))))
            merged.push_back(text);
    }
    for (const auto& [name, value] : extra)
        merged.push_back(name + "=" + value);
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Waits for the child; kills it when it outlives the timeout. True for exit status 0.
bool WaitFor(pid_t pid, double timeoutSeconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0)
            return false;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

} // namespace

std::optional<ChildRun> RunChild(const std::vector<std::string>& argv,
                                 const std::map<std::string, std::string>& env,
                                 const std::string& reportPath, double timeoutSeconds) {
    std::filesystem::remove(reportPath);
    std::vector<std::string> args = argv;
    std::vector<std::string> environment = MergedEnvironment(env);
    std::vector<char*> argPointers = Pointers(args);
    std::vector<char*> envPointers = Pointers(environment);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    ChildRun run;
    pid_t pid = 0;
    run.startedAt = MonotonicNanoseconds();
    const int spawned = posix_spawn(&pid, argPointers[0], &actions, nullptr, argPointers.data(),
                                    envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0 || !WaitFor(pid, timeoutSeconds))
        return std::nullopt;

    std::ifstream in(reportPath);
    std::ostringstream text;
    text << in.rdbuf();
    run.report = text.str();
    return run;
}

std::string ExecutableDir() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}
