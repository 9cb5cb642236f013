#include "E2eRun.h"

#include <cstdlib>
#include <stdexcept>

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


CliRun E2eSandbox::run(const std::vector<std::string>& args, const RunOptions& options) const {
    ProgramOptions run = options;
    run.argv = {(BinDir() / "adeduze-cli").string(), "-s", settings().string()};
    run.argv.insert(run.argv.end(), args.begin(), args.end());
    run.env.try_emplace("GBP_PHONE_DIR", phoneRoot().string());
    run.workDir = work();
    run.outputDir = root_;
    return RunProgram(run);
}
