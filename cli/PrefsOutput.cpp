#include "cli/PrefsOutput.h"

#include "modext/PrefRecord.h"

#include <array>
#include <cstdio>
#include <optional>

namespace {

constexpr size_t kMenuModeOffset = 4;

std::optional<uint8_t> MenuMode(const PrefControls& prefs) {
    if (!prefs.lastRead || prefs.lastRead->size() <= kMenuModeOffset)
        return std::nullopt;
    return (*prefs.lastRead)[kMenuModeOffset];
}

// The texts of the dialog's radio group, for the codes it has an item for.
std::string MenuModeText(std::optional<uint8_t> code) {
    if (!code)
        return "not read";
    static constexpr std::array<const char*, kMenuModeCodes.size()> kNames{
        "Only programs", "Progs and data", "Show all"};
    for (size_t i = 0; i < kMenuModeCodes.size(); ++i) {
        if (kMenuModeCodes[i] == *code)
            return kNames[i];
    }
    char text[24];
    std::snprintf(text, sizeof text, "unknown (0x%02X)", *code);
    return text;
}

std::string LibrarySlot(const PrefControls& prefs) {
    return prefs.sEdit + "-" + prefs.ssEdit;
}

std::optional<std::string> AutorunSlot(const PrefControls& prefs) {
    if (!prefs.ACheckBox)
        return std::nullopt;
    return prefs.AsEdit + "-" + prefs.AssEdit;
}

} // namespace

std::string PrefsText(const PrefControls& prefs) {
    return "Menu mode: " + MenuModeText(MenuMode(prefs)) + "\nLibrary slot: " + LibrarySlot(prefs) +
           "\nAutorun slot: " + AutorunSlot(prefs).value_or("off") + "\n";
}

nlohmann::ordered_json PrefsJson(const PrefControls& prefs) {
    nlohmann::ordered_json json;
    json["length"] = prefs.lastRead ? prefs.lastRead->size() : 0;
    const auto mode = MenuMode(prefs);
    json["menuMode"] = mode ? nlohmann::ordered_json(*mode) : nlohmann::ordered_json(nullptr);
    json["library"] = LibrarySlot(prefs);
    const auto autorun = AutorunSlot(prefs);
    json["autorun"] = autorun ? nlohmann::ordered_json(*autorun) : nlohmann::ordered_json(nullptr);
    return json;
}
