#pragma once

#include "common/AppState.h"

#include <nlohmann/json.hpp>

#include <string>

// The preference record as the last read left it in the dialog's controls.

// Three lines: "Menu mode: ...", "Library slot: 2-17", "Autorun slot: 18-9" (or "off").
std::string PrefsText(const PrefControls& prefs);

// {"length", "menuMode" (null when the read gave no byte 4), "library", "autorun" (null when off)}.
nlohmann::ordered_json PrefsJson(const PrefControls& prefs);
