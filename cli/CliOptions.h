#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

// What the command line asked for, as parsed.
struct CliOptions {
    int port = 0; // 1..4; 0 when not given
    std::string settingsPath;
    bool noHeaders = false;
    bool json = false;
    bool yes = false;
    bool verbose = false;

    std::string slot;
    std::string file;
    bool lzo = false;
    bool convert = false;
    bool noConvert = false;
    bool noOpen = false;
    std::optional<std::string> firmware;
    std::optional<std::string> menu;
    std::optional<std::string> library;
    std::optional<std::string> autorun;
};

// The --menu words in the order of the preference dialog's radio group.
inline constexpr const char* kMenuWords[] = {"programs", "data", "all"};

// Declares every option and command of adeduze-cli on `app`, storing into
// `options`. SLOT and --autorun values are checked while parsing; --firmware
// is checked against the firmware list by the caller.
void ConfigureCli(CLI::App& app, CliOptions& options);
