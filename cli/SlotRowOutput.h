#pragma once

#include "common/AppState.h"

#include <nlohmann/json.hpp>

#include <string>

// One row of the slot grid as the command line prints it. `slot` is the
// address the row stands for (for the scratch row 0, the address scanned).

// "N. {18-9}  NAME  [LZO(p%)]  SIZE  [FW]": the grid's ordinal and address,
// then what its middle and FW columns show.
std::string SlotRowText(const AppState& state, int row, SlotAddress slot);

// {"row", "section", "file", "slot", "kind", "name", "formatTag", "fw",
// "size", "compressed", "unpackedSize", "iconIndex"}.
nlohmann::ordered_json SlotRowJson(const AppState& state, int row, SlotAddress slot);

// A JSON array with one element per line, so that it reads as a list of rows too.
std::string JsonArrayText(const nlohmann::ordered_json& array);
