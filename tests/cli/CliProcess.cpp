#include "CliProcess.h"

#include <cstdlib>
#include <stdexcept>

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
    ProgramOptions run;
    run.argv = {program.value_or(CliProgram()).string()};
    if (withSettings) {
        run.argv.push_back("-s");
        run.argv.push_back(settings().string());
    }
    run.argv.insert(run.argv.end(), args.begin(), args.end());
    run.env = env;
    run.env.try_emplace("GBP_PHONE_DIR", phoneRoot().string());
    run.workDir = work();
    run.outputDir = root_;
    return RunProgram(run);
}
