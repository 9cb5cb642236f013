#include "CliProcess.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

fs::path CliProgram() {
    return fs::path(ADEDUZE_BIN_DIR) / "adeduze-cli";
}

CliSandbox::CliSandbox() {
    fs::create_directories(nvm());
    fs::create_directories(work());
    WriteText(settings(), "[Manager]\nCOM-Port=0\n");
}

void CliSandbox::setSlot(int section, int file, const Bytes& bytes) const {
    WriteBytes(nvm() / (std::to_string(section) + "-" + std::to_string(file)), bytes);
}

std::optional<Bytes> CliSandbox::slot(int section, int file) const {
    return ReadBytes(nvm() / (std::to_string(section) + "-" + std::to_string(file)));
}

void CliSandbox::setPhoneIni(const std::string& text) const {
    WriteText(phoneRoot() / "COM1" / "phone.ini", text);
}

CliResult CliSandbox::run(const std::vector<std::string>& args,
                          const std::map<std::string, std::string>& env,
                          const std::optional<fs::path>& program, bool withSettings) const {
    const std::string exe = program.value_or(CliProgram()).string();
    std::vector<std::string> argStrings{exe};
    if (withSettings) {
        argStrings.push_back("-s");
        argStrings.push_back(settings().string());
    }
    argStrings.insert(argStrings.end(), args.begin(), args.end());

    std::map<std::string, std::string> vars;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos)
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    vars.erase("LD_LIBRARY_PATH"); // the copy beside the program, unless a case sets one
    vars["GBP_PHONE_DIR"] = phoneRoot().string();
    for (const auto& [name, value] : env)
        vars[name] = value;
    std::vector<std::string> envStrings;
    for (const auto& [name, value] : vars)
        envStrings.push_back(name + "=" + value);

    std::vector<char*> argv;
    for (auto& s : argStrings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& s : envStrings)
        envp.push_back(s.data());
    envp.push_back(nullptr);

    const fs::path outPath = root_ / "stdout.txt";
    const fs::path errPath = root_ / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addchdir_np(&actions, work().c_str());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    CliResult result;
    if (spawned != 0)
        return result;
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    if (WIFEXITED(wstatus))
        result.status = WEXITSTATUS(wstatus);
    const auto out = ReadBytes(outPath);
    const auto err = ReadBytes(errPath);
    result.out.assign(out->begin(), out->end());
    result.err.assign(err->begin(), err->end());
    return result;
}
