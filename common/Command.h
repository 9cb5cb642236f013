#pragma once

#include "common/AppState.h"
#include "common/Ui.h"
#include "phonelink/PhoneLink.h"
#include "phonelink/PhoneSession.h"

#include <functional>
#include <optional>

// What every command works with: the shared state, the phone link and the person.
struct CommandContext {
    AppState& state;
    const PhoneLink& link;
    Ui& ui;
};

// Runs one command to its end. A command started while another runs (from a
// button clicked while a message box of the first is open) is ignored. An
// AppError ends the command: it is shown through Ui, the sessions it opened
// are closed by their destructors and SlotMenuEnabled is set again.
// Returns false when the command was ignored or ended by an error.
bool RunCommand(CommandContext& ctx, const std::function<void()>& command);

// Opens a session on the chosen port. On failure shows "Can't Init GPB Mode"
// (caption "ERROR"), sets SlotMenuEnabled and returns nullopt.
std::optional<PhoneSession> OpenSessionOrReport(CommandContext& ctx);
