#include "cli/CliOptions.h"

#include "cli/CliArguments.h"
#include "cli/HelpText.h"

#include <memory>

namespace {

// The top level prints the manual; a command's --help keeps CLI11's layout.
class ManualFormatter : public CLI::Formatter {
  public:
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        if (app->get_parent() == nullptr)
            return ManualText();
        return CLI::Formatter::make_help(app, std::move(name), mode);
    }
};

const CLI::Validator& SlotValidator() {
    static const CLI::Validator validator(
        [](const std::string& text) -> std::string {
            if (ParseSlotArgument(text))
                return {};
            return "'" + text + "' is no slot: SECTION-FILE with section 18 or 2 and file 0..255";
        },
        "SLOT");
    return validator;
}

const CLI::Validator& AutorunValidator() {
    static const CLI::Validator validator(
        [](const std::string& text) -> std::string {
            if (text == "off" || ParseSlotArgument(text))
                return {};
            return "'" + text + "' is neither a slot nor off";
        },
        "SLOT|off");
    return validator;
}

CLI::App* AddSlotCommand(CLI::App& app, CliOptions& options, const char* name,
                         const char* description) {
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("SLOT", options.slot, "SECTION-FILE, e.g. 18-9")
        ->required()
        ->check(SlotValidator());
    return command;
}

void AddFileArgument(CLI::App* command, CliOptions& options, const char* description) {
    command->add_option("FILE", options.file, description)->required();
}

void AddFirmwareOption(CLI::App* command, CliOptions& options) {
    command->add_option("--firmware", options.firmware,
                        "firmware list index 0..6 or an entry's text (default: UFIFFW)");
}

} // namespace

void ConfigureCli(CLI::App& app, CliOptions& options) {
    app.name("adeduze-cli");
    app.formatter(std::make_shared<ManualFormatter>());
    app.set_version_flag("--version", "adeduze-cli 1.8");
    app.require_subcommand(1);
    // Global options may follow the command too: adeduze-cli list --json.
    app.fallthrough();

    app.add_option("-p,--port", options.port, "COM port 1..4")->check(CLI::Range(1, 4));
    app.add_option("-s,--settings", options.settingsPath, "settings file to read")
        ->check(CLI::ExistingFile);
    app.add_flag("--no-headers", options.noHeaders, "do not read slot headers");
    app.add_flag("--json", options.json, "print data as JSON");
    app.add_flag("-y,--yes", options.yes, "answer OK to the confirmation of ufif2-lib");
    app.add_flag("-v,--verbose", options.verbose, "print status texts to stderr");

    app.add_subcommand("list", "full refresh of the configured slots");
    AddSlotCommand(app, options, "refresh", "refresh of one slot");

    CLI::App* upload = AddSlotCommand(app, options, "upload", "upload FILE into SLOT");
    AddFileArgument(upload, options, "file to upload");
    upload->add_flag("--lzo", options.lzo, "store it LZO-compressed");
    CLI::Option* convert =
        upload->add_flag("--convert", options.convert, "convert a UFIF 2.0 program to UFIF 2.1");
    upload->add_flag("--no-convert", options.noConvert, "upload a UFIF 2.0 program unchanged")
        ->excludes(convert);
    AddFirmwareOption(upload, options);

    AddFileArgument(AddSlotCommand(app, options, "download", "save SLOT to FILE"), options,
                    "file to write");
    AddSlotCommand(app, options, "clear", "erase SLOT");
    AddFirmwareOption(
        AddSlotCommand(app, options, "convert", "convert the UFIF 2.0 program in SLOT"), options);
    AddSlotCommand(app, options, "gif", "show the GIF picture in SLOT through temp.gif")
        ->add_flag("--no-open", options.noOpen, "write temp.gif but do not open it");

    app.add_subcommand("prefs", "read the preference record");
    CLI::App* prefsSet = app.add_subcommand("prefs-set", "change the preference record");
    prefsSet->add_option("--menu", options.menu, "menu show mode")
        ->check(CLI::IsMember({kMenuWords[0], kMenuWords[1], kMenuWords[2]}));
    prefsSet->add_option("--library", options.library, "UFIF2 library slot")
        ->check(SlotValidator());
    prefsSet->add_option("--autorun", options.autorun, "autorun slot, or off")
        ->check(AutorunValidator());

    AddFileArgument(app.add_subcommand("ufif2-lib", "upload a UFIF2 library"), options,
                    "library file");
    AddFileArgument(app.add_subcommand("prg3-lib", "upload a PRG3 library into 2-16"), options,
                    "library definition text");
    app.add_subcommand("total18", "total size of section 18");
    AddFileArgument(app.add_subcommand("merge", "merge a library list against 514lg4.lib"), options,
                    "library list");
    AddFileArgument(app.add_subcommand("nvm-upload", "upload into 17-19"), options,
                    "file to upload");
    app.add_subcommand("nvm-clear", "erase 17-19");
}
