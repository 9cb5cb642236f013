#pragma once

#include "tests/support/ProgramRun.h"
#include "tests/support/TestFiles.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// End-to-end runs of the built adeduze-cli against the built libgbp.so and a
// virtual phone folder: <root>/phone/COM1/nvm/<section>-<file>, raw bytes.


using CliRun = ProgramRun;

// What a run is given besides its arguments (argv, workDir and outputDir are
// the sandbox's).
using RunOptions = ProgramOptions;

// A folder with a phone, a working directory and a settings file, removed afterwards.
class E2eSandbox {
  public:
    E2eSandbox();
    E2eSandbox(const E2eSandbox&) = delete;
    E2eSandbox& operator=(const E2eSandbox&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path phoneRoot() const { return root_ / "phone"; }
    std::filesystem::path phone() const { return phoneRoot() / "COM1"; }
    std::filesystem::path nvm() const { return phone() / "nvm"; }
    std::filesystem::path work() const { return root_ / "work"; }
    std::filesystem::path settings() const { return root_ / "adeduze.INI"; }

    // Fills the phone with the demo phone's slots (adeduze-demo-phone --force).
    void makeDemoPhone() const;
    void setSlot(const std::string& slot, const Bytes& bytes) const; // slot as "18-9"
    std::optional<Bytes> slot(const std::string& slot) const;
    void setPhoneIni(const std::string& text) const;

    // adeduze-cli -s <settings> ARGS in work(), GBP_PHONE_DIR = phoneRoot().
    CliRun run(const std::vector<std::string>& args, const RunOptions& options = {}) const;

  private:
    ScratchFolder folder_{"adeduze-e2e"};
    const std::filesystem::path& root_ = folder_.path();
};

// Every regular file under a folder (names relative to it) with its bytes;
// hidden files (the phone's lock and temporary files) are left out.
std::map<std::string, Bytes> Snapshot(const std::filesystem::path& folder);


// The folder of the built programs and libgbp.so.
std::filesystem::path BinDir();

// A sanitizer's report in a run's standard error, or "" when there is none.
std::string SanitizerReport(const std::string& err);

// Bytes that look like a program image: a UFIF header with `tag` and `name`,
// then a body that does not end in C0 46.
Bytes ProgramImage(uint32_t tag, const std::string& name, size_t size, uint8_t seed);
