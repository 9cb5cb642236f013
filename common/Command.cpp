#include "common/Command.h"

#include "common/AppError.h"

bool RunCommand(CommandContext& ctx, const std::function<void()>& command) {
    if (ctx.state.commandRunning)
        return false;
    ctx.state.commandRunning = true;
    bool completed = false;
    try {
        command();
        completed = true;
    } catch (const AppError& e) {
        ctx.state.slotMenuEnabled = true;
        if (e.kind() == AppError::Kind::StandardError)
            ctx.ui.showError(e.what());
        else
            ctx.ui.showMessage(e.what(), e.caption());
    }
    ctx.state.commandRunning = false;
    return completed;
}

std::optional<PhoneSession> OpenSessionOrReport(CommandContext& ctx) {
    auto session = PhoneSession::open(ctx.link, ctx.state.portNumber());
    if (!session) {
        ctx.ui.showMessage("Can't Init GPB Mode", "ERROR");
        ctx.state.slotMenuEnabled = true;
    }
    return session;
}
