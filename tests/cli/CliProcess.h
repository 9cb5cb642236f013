#pragma once

#include "tests/support/ProgramRun.h"
#include "tests/support/TestFiles.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Runs the built adeduze-cli as its own process and a virtual phone folder
// for it: <root>/COM1/nvm/<section>-<file>, raw bytes.

using CliResult = ProgramRun;


class CliSandbox {
  public:
    CliSandbox();
    CliSandbox(const CliSandbox&) = delete;
    CliSandbox& operator=(const CliSandbox&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path phoneRoot() const { return root_ / "phone"; }
    std::filesystem::path nvm() const { return phoneRoot() / "COM1" / "nvm"; }
    // The current directory of the runs (temp.gif, temp.prg, 514lg4.lib).
    std::filesystem::path work() const { return root_ / "work"; }
    // A settings file every run reads through -s unless told otherwise.
    std::filesystem::path settings() const { return root_ / "adeduze.INI"; }

    void setSlot(int section, int file, const Bytes& bytes) const;
    std::optional<Bytes> slot(int section, int file) const;
    void setPhoneIni(const std::string& text) const;

    // adeduze-cli -s <settings> ARGS, in work(), with GBP_PHONE_DIR set to
    // phoneRoot(). `env` adds or replaces variables; `program` replaces the
    // built binary; `withSettings` false drops the -s.
    CliResult run(const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env = {},
                  const std::optional<std::filesystem::path>& program = std::nullopt,
                  bool withSettings = true) const;

  private:
    ScratchFolder folder_{"adeduze-cli"};
    const std::filesystem::path& root_ = folder_.path();
};


// The built adeduze-cli and the folder it lies in with libgbp.so.
std::filesystem::path CliProgram();
