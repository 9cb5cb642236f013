#pragma once

#include "slots/SlotTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The firmware list of the Options dialog: its entries, the chosen index and
// the current (editable) text, which is what the conversion reads.
struct FirmwareChoice {
    std::vector<std::string> entries;
    int index = 0; // -1 when the text was typed and matches no entry
    std::string text;
};

// The entries the firmware list starts with.
FirmwareChoice DefaultFirmwareChoice();

// The controls of the preferences dialog, as the commands see them.
struct PrefControls {
    std::string sEdit = "02";
    std::string ssEdit = "17";
    std::string AsEdit = "18";
    std::string AssEdit = "09";
    bool ACheckBox = false;
    bool autorunEditsVisible = true;
    int RG1 = -1; // selected item, -1 for none
    // The bytes the last successful read returned, so that what the dialog
    // does not show is written back unchanged.
    std::optional<std::vector<uint8_t>> lastRead;
};

// Process-wide state that the commands share. The forms bind their controls
// to it; nothing else is global.
struct AppState {
    SlotTable table{};
    RangeSettings ranges;
    bool slotMenuEnabled = false;
    int currentRow = 1;       // the grid's selected row
    bool readHeaders = true;  // "Additional info in full refresh"
    int portIndex = 0;        // COM port list index; the port number is index + 1
    FirmwareChoice firmware = DefaultFirmwareChoice();
    std::vector<std::string> reportLines{"Memo1"}; // the report window's text
    PrefControls prefs;
    bool commandRunning = false;

    int32_t portNumber() const { return portIndex + 1; }
};
