#include "cli/CliRun.h"

#include "app/SettingsFile.h"
#include "app/SettingsStore.h"
#include "cli/CliArguments.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleUi.h"
#include "cli/PrefsOutput.h"
#include "cli/SlotRowOutput.h"
#include "common/Command.h"
#include "modext/LibraryListMerge.h"
#include "modext/PrefActions.h"
#include "modext/Prg3LibraryUpload.h"
#include "modext/SectionTotal.h"
#include "modext/ServiceSlot.h"
#include "modext/Ufif2LibraryUpload.h"
#include "phonelink/PhoneLinkLoader.h"
#include "slots/SlotMenuRules.h"
#include "slots/SlotScan.h"
#include "transfer/TransferCommands.h"

#include <QCoreApplication>

#include <functional>
#include <map>
#include <ostream>

namespace {

constexpr int kPortCount = 4;

// Everything one command of the command line works with.
struct CliContext {
    const CliOptions& options;
    AppState& state;
    CommandContext& ctx;
    ConsoleUi& ui;
    std::ostream& out;
    const bool& sessionOpened; // some InitGBPMode of this run answered 0
};

using SlotCommand = void (*)(CommandContext&, SlotAddress);

SlotAddress GivenSlot(const CliOptions& options) {
    return *ParseSlotArgument(options.slot); // checked while parsing
}

// Runs a command of the grid's context menu on the slot given, as the window
// runs it on the selected row; a slot outside the ranges uses the scratch row.
void RunOnSlot(CliContext& run, SlotCommand command) {
    const SlotAddress slot = GivenSlot(run.options);
    run.state.currentRow = RowForSlot(run.state.ranges, slot.section, slot.file);
    RunCommand(run.ctx, [&] { command(run.ctx, slot); });
}

void Run(CliContext& run, void (*command)(CommandContext&)) {
    RunCommand(run.ctx, [&] { command(run.ctx); });
}

void PrintRows(CliContext& run, const std::vector<std::pair<int, SlotAddress>>& rows) {
    if (run.options.json) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const auto& [row, slot] : rows)
            array.push_back(SlotRowJson(run.state, row, slot));
        run.out << JsonArrayText(array);
    } else {
        for (const auto& [row, slot] : rows)
            run.out << SlotRowText(run.state, row, slot) << '\n';
    }
}

void List(CliContext& run) {
    Run(run, Button1Click);
    // Without a session nothing was scanned: there is nothing to show.
    if (!run.sessionOpened)
        return;
    std::vector<std::pair<int, SlotAddress>> rows;
    const int count = run.state.ranges.BigSlots + run.state.ranges.SmallSlots;
    for (int row = 1; row <= count; ++row)
        rows.emplace_back(row, SlotForRow(run.state.ranges, row));
    PrintRows(run, rows);
}

void Refresh(CliContext& run) {
    RunOnSlot(run, RefreshActionExecute);
    if (!run.ui.failed())
        PrintRows(run, {{run.state.currentRow, GivenSlot(run.options)}});
}

void Upload(CliContext& run) {
    RunOnSlot(run, run.options.lzo ? UploadLZOActionExecute : UploadActionExecute);
}

// The window offers "Convert to UFIF2.1" only for a slot the scan shows as a
// UFIF 2.0 program; the command line asks the phone the same way first, so a
// slot holding anything else is never erased and rewritten.
void Convert(CliContext& run) {
    RunOnSlot(run, RefreshActionExecute);
    if (run.ui.failed())
        return;
    const SlotAddress slot = GivenSlot(run.options);
    if (!SlotMenuRules(run.state.table[static_cast<size_t>(run.state.currentRow)]).convert) {
        run.ui.showMessage("Slot " + SlotText(slot.section, slot.file) +
                               " holds no UFIF 2.0 program; nothing was converted.",
                           "ERROR");
        return;
    }
    RunOnSlot(run, ConvertActionExecute);
}

void Prefs(CliContext& run) {
    Run(run, GetPrefActionExecute);
    if (run.ui.failed())
        return;
    if (run.options.json)
        run.out << PrefsJson(run.state.prefs).dump() << '\n';
    else
        run.out << PrefsText(run.state.prefs);
}

// The record is read first and written back with only the given fields
// changed; when it cannot be read nothing is written, so that the fields not
// given are never replaced by guesses.
void PrefsSet(CliContext& run) {
    Run(run, GetPrefActionExecute);
    if (run.ui.failed())
        return;
    const CliOptions& options = run.options;
    PrefControls& prefs = run.state.prefs;
    if (options.menu) {
        for (int i = 0; i < static_cast<int>(std::size(kMenuWords)); ++i) {
            if (*options.menu == kMenuWords[i])
                prefs.RG1 = i;
        }
    }
    if (options.library) {
        const SlotAddress slot = *ParseSlotArgument(*options.library);
        prefs.sEdit = std::to_string(slot.section);
        prefs.ssEdit = std::to_string(slot.file);
    }
    if (options.autorun) {
        prefs.ACheckBox = *options.autorun != "off";
        prefs.autorunEditsVisible = prefs.ACheckBox;
        if (prefs.ACheckBox) {
            const SlotAddress slot = *ParseSlotArgument(*options.autorun);
            prefs.AsEdit = std::to_string(slot.section);
            prefs.AssEdit = std::to_string(slot.file);
        }
    }
    Run(run, SetPrefActionExecute);
}

const std::map<std::string, std::function<void(CliContext&)>>& Commands() {
    static const std::map<std::string, std::function<void(CliContext&)>> commands{
        {"list", List},
        {"refresh", Refresh},
        {"upload", Upload},
        {"download", [](CliContext& run) { RunOnSlot(run, DownloadActionExecute); }},
        {"clear", [](CliContext& run) { RunOnSlot(run, ClearActionExecute); }},
        {"convert", Convert},
        {"gif", [](CliContext& run) { RunOnSlot(run, PlayGIFActionExecute); }},
        {"prefs", Prefs},
        {"prefs-set", PrefsSet},
        {"ufif2-lib", [](CliContext& run) { Run(run, Button5Click); }},
        {"prg3-lib", [](CliContext& run) { Run(run, Button6Click); }},
        {"total18", [](CliContext& run) { Run(run, Button4Click); }},
        {"merge", [](CliContext& run) { Run(run, Button8Click); }},
        {"nvm-upload", [](CliContext& run) { Run(run, Button9Click); }},
        {"nvm-clear", [](CliContext& run) { Run(run, ButtonCli); }},
    };
    return commands;
}

// The dialog each command that takes a FILE opens for it.
std::optional<FileDialog> FileDialogOf(const std::string& command) {
    static const std::map<std::string, FileDialog> dialogs{
        {"upload", FileDialog::Open1},    {"download", FileDialog::Save1},
        {"ufif2-lib", FileDialog::Open1}, {"prg3-lib", FileDialog::Open1},
        {"merge", FileDialog::Open2},     {"nvm-upload", FileDialog::Open1},
    };
    const auto it = dialogs.find(command);
    return it == dialogs.end() ? std::nullopt : std::optional(it->second);
}

ConsoleAnswers AnswersFor(const CliOptions& options, const std::string& command, bool interactive) {
    ConsoleAnswers answers;
    if (const auto dialog = FileDialogOf(command))
        answers.files[*dialog] = options.file;
    if (options.convert)
        answers.conversion = ConversionAnswer::Yes;
    else if (options.noConvert)
        answers.conversion = ConversionAnswer::No;
    answers.confirmed = options.yes;
    answers.verbose = options.verbose;
    answers.openViewer = !options.noOpen;
    answers.interactive = interactive;
    return answers;
}

// The settings the window would load, read only; the port given on the
// command line wins, and a stored port outside COM1..COM4 gives COM1.
void ApplyCliSettings(AppState& state, const CliOptions& options, int firmwareIndex) {
    const std::string path =
        !options.settingsPath.empty()
            ? options.settingsPath
            : (QCoreApplication::applicationDirPath() + QStringLiteral("/adeduze.INI"))
                  .toStdString();
    ApplySettings(state, ReadSettingsFile(path));
    if (options.port != 0)
        state.portIndex = options.port - 1;
    else if (state.portIndex < 0 || state.portIndex >= kPortCount)
        state.portIndex = 0;
    state.readHeaders = !options.noHeaders;
    if (firmwareIndex >= 0) {
        state.firmware.index = firmwareIndex;
        state.firmware.text = state.firmware.entries[static_cast<size_t>(firmwareIndex)];
    }
}

} // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::istream& in, bool interactive) {
    CliOptions options;
    CLI::App app;
    ConfigureCli(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? kExitSuccess : kExitUsage;
    }
    const std::string command = app.get_subcommands().front()->get_name();

    AppState state;
    int firmwareIndex = -1;
    if (options.firmware) {
        const auto index = ParseFirmwareArgument(state.firmware, *options.firmware);
        if (!index) {
            err << "--firmware: '" << *options.firmware << "' is neither an index 0.."
                << state.firmware.entries.size() - 1
                << " nor an entry of the firmware list\nRun with --help for more information."
                << std::endl;
            return kExitUsage;
        }
        firmwareIndex = *index;
    }

    const auto library = PhoneLinkLibrary::load();
    if (!library || !library->link().usable()) {
        err << "ERROR: Unable to open GPB.DLL" << std::endl;
        return kExitNoLibrary;
    }
    ApplyCliSettings(state, options, firmwareIndex);

    bool sessionOpened = false;
    PhoneLink link = library->link();
    link.InitGBPMode = [init = link.InitGBPMode, &sessionOpened](int32_t port) {
        const int32_t result = init(port);
        sessionOpened = sessionOpened || result == 0;
        return result;
    };

    ConsoleUi ui(AnswersFor(options, command, interactive), state.firmware, err, in);
    CommandContext ctx{state, link, ui};
    CliContext run{options, state, ctx, ui, out, sessionOpened};
    Commands().at(command)(run);
    out.flush();
    return ui.failed() ? kExitFailed : kExitSuccess;
}
