#include "E2eRun.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

fs::path BinDir() {
    return fs::path(ADEDUZE_BIN_DIR);
}

std::map<std::string, Bytes> Snapshot(const fs::path& folder) {
    std::map<std::string, Bytes> files;
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.starts_with('.'))
            continue;
        files[fs::relative(entry.path(), folder).string()] = *ReadBytes(entry.path());
    }
    return files;
}

std::string SanitizerReport(const std::string& err) {
    for (const char* marker :
         {"AddressSanitizer", "LeakSanitizer", "UndefinedBehaviorSanitizer", "runtime error:"}) {
        const size_t at = err.find(marker);
        if (at != std::string::npos)
            return err.substr(at > 200 ? at - 200 : 0, 2000);
    }
    return {};
}

Bytes ProgramImage(uint32_t tag, const std::string& name, size_t size, uint8_t seed) {
    Bytes image(size);
    for (size_t i = 0; i < size; ++i)
        image[i] = static_cast<uint8_t>((i * 131 + seed * 7 + (i >> 8)) & 0xFF);
    for (size_t i = 0; i < 4 && i < size; ++i)
        image[i] = static_cast<uint8_t>(tag >> (8 * i));
    for (size_t i = 0; i < 16 && 4 + i < size; ++i)
        image[4 + i] = i < name.size() ? static_cast<uint8_t>(name[i]) : 0;
    if (size >= 2)
        image[size - 1] = 0x11; // never a trailing no-op
    return image;
}

E2eSandbox::E2eSandbox() {
    fs::create_directories(nvm());
    fs::create_directories(work());
    WriteText(settings(), "[Manager]\nCOM-Port=0\n");
}

void E2eSandbox::makeDemoPhone() const {
    const std::string command = (BinDir() / "adeduze-demo-phone").string() + " --force " +
                                phoneRoot().string() + " >/dev/null";
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("adeduze-demo-phone failed");
}

void E2eSandbox::setSlot(const std::string& slot, const Bytes& bytes) const {
    WriteBytes(nvm() / slot, bytes);
}

std::optional<Bytes> E2eSandbox::slot(const std::string& slot) const {
    return ReadBytes(nvm() / slot);
}

void E2eSandbox::setPhoneIni(const std::string& text) const {
    WriteText(phone() / "phone.ini", text);
}

namespace {

std::vector<std::string> Environment(const std::map<std::string, std::string>& changes,
                                     const fs::path& phoneRoot) {
    std::map<std::string, std::string> vars;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos)
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    vars.erase("LD_LIBRARY_PATH"); // the copy beside the program unless a run says otherwise
    vars["GBP_PHONE_DIR"] = phoneRoot.string();
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

} // namespace

CliRun E2eSandbox::run(const std::vector<std::string>& args, const RunOptions& options) const {
    std::vector<std::string> argStrings{(BinDir() / "adeduze-cli").string(), "-s",
                                        settings().string()};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<std::string> envStrings = Environment(options.env, phoneRoot());
    auto argv = Pointers(argStrings);
    auto envp = Pointers(envStrings);

    const fs::path outPath = root_ / ".stdout";
    const fs::path errPath = root_ / ".stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addchdir_np(&actions, work().c_str());
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argStrings[0].c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start adeduze-cli");

    CliRun result;
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
    const auto out = ReadBytes(outPath);
    const auto err = ReadBytes(errPath);
    result.out.assign(out->begin(), out->end());
    result.err.assign(err->begin(), err->end());
    return result;
}
