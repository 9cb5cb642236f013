#include "app/SettingsStore.h"

#include "common/AppState.h"
#include "common/Ui.h"

namespace {
constexpr int32_t kPortCount = 4;
}

StoredSettings SettingsStore::load() const {
    return unsaved_ ? *unsaved_ : ReadSettingsFile(path_);
}

bool SettingsStore::save(const StoredSettings& settings, Ui& ui) {
    if (WriteSettingsFile(path_, settings)) {
        unsaved_.reset();
        return true;
    }
    unsaved_ = settings;
    if (!failureReported_) {
        failureReported_ = true;
        ui.showMessage(SettingsWriteFailureText(path_), "ERROR");
    }
    return false;
}

std::string SettingsWriteFailureText(const std::string& path) {
    return "Cannot save the settings to " + path;
}

void ApplySettings(AppState& state, const StoredSettings& settings) {
    state.ranges = FitRangesToTable(settings.ranges);
    state.portIndex =
        settings.comPort >= 0 && settings.comPort < kPortCount ? settings.comPort : -1;
    const auto entries = static_cast<int32_t>(state.firmware.entries.size());
    if (settings.ufifFw >= 0 && settings.ufifFw < entries) {
        state.firmware.index = settings.ufifFw;
        state.firmware.text = state.firmware.entries[static_cast<size_t>(settings.ufifFw)];
    } else {
        state.firmware.index = -1;
        state.firmware.text.clear();
    }
    ResetSlotTable(state.table);
}

StoredSettings CaptureSettings(const AppState& state, const WindowBounds& bounds) {
    StoredSettings s;
    s.form = bounds;
    s.comPort = state.portIndex;
    s.ranges = state.ranges;
    s.ufifFw = state.firmware.index;
    return s;
}
