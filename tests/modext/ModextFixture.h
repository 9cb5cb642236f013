#pragma once

#include "common/Command.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using Calls = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;

// A fake phone, the shared state and a scripted person, wired into one
// context. The link records SlotMenuEnabled at every InitGBPMode, so a test
// can tell whether a command cleared the flag before it reached the phone.
class ModextTest : public ::testing::Test {
  protected:
    ModextTest();

    bool run(const std::function<void(CommandContext&)>& command) {
        return RunCommand(ctx, [&] { command(ctx); });
    }

    FakePhone phone;
    PhoneLink link;
    AppState state;
    ScriptedUi ui;
    CommandContext ctx{state, link, ui};
    std::vector<bool> flagAtInit;
};

// A world of its own for one case of a table, so each case starts afresh.
struct FreshCommandWorld {
    FakePhone phone;
    AppState state;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
};

// A fresh directory, removed with everything in it at the end of the test.
// While it lives, the process's current directory is this one; the previous
// one comes back afterwards.
class TempCwd {
  public:
    TempCwd();
    ~TempCwd();
    TempCwd(const TempCwd&) = delete;
    TempCwd& operator=(const TempCwd&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const Bytes& bytes) const;
    std::string write(const std::string& name, const std::string& text) const;
    Bytes read(const std::string& name) const;

  private:
    std::filesystem::path previous_;
    std::filesystem::path dir_;
};

// n bytes that never end in C0 46 and vary, so a cut in the wrong place shows.
Bytes Filler(size_t n);
