#pragma once

#include "slots/SlotTable.h"

#include <cstdint>
#include <string>
#include <string_view>

// The main window's bounds as the settings file keeps them: the frame's
// position and the window's size, in pixels.
struct WindowBounds {
    int32_t Top = 20;
    int32_t Left = 240;
    int32_t Width = 330;
    int32_t Height = 420;

    bool operator==(const WindowBounds&) const = default;
};

// The ten values of the settings file, with their defaults.
struct StoredSettings {
    WindowBounds form;
    int32_t comPort = 0; // item index of the port list
    RangeSettings ranges;
    int32_t ufifFw = 0; // item index of the firmware list

    bool operator==(const StoredSettings&) const = default;
};

// The settings file of an executable: its path with the extension (the part of
// the file name from its last dot) replaced by ".INI"; "adeduze" gives "adeduze.INI".
std::string SettingsPathFor(std::string_view executablePath);

// Reads the settings from the text of a settings file. Sections and keys are
// matched without regard to case, blanks around them and around values are
// ignored, and the first occurrence of a key counts. A missing section or key,
// or a value that is not an integer (decimal, or hexadecimal after "0x"),
// gives the default. A range pair (first and count) that cannot index the
// slot table falls back to its defaults.
StoredSettings ParseSettingsText(std::string_view text);

// Reads the settings file; a file that is missing, unreadable or not a
// regular file gives the defaults.
StoredSettings ReadSettingsFile(const std::string& path);

// The file's text: sections Form and Manager, the ten keys in their fixed order.
std::string SettingsFileText(const StoredSettings& settings);

// Writes the settings file whole or not at all; false when it cannot be written.
bool WriteSettingsFile(const std::string& path, const StoredSettings& settings);

// Ranges that can index the slot table: each pair (FirstBig and BigSlots,
// FirstSmall and SmallSlots) that does not fit on its own falls back to its
// defaults; when the two together still exceed the table, the small pair and
// then the big pair fall back.
RangeSettings FitRangesToTable(RangeSettings ranges);
