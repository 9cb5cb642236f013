#pragma once

#include "app/SettingsFile.h"

#include <optional>
#include <string>

struct AppState;
class Ui;

// The manager's settings file, loaded when the main window is shown and after
// the Options dialog, saved when the window closes and around the dialogs.
class SettingsStore {
  public:
    explicit SettingsStore(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // The stored settings. After a save that could not be written, the values
    // of that save: the file no longer says what the person chose.
    StoredSettings load() const;

    // Writes the settings file. When it cannot be written, the person is told
    // once per run (a message naming the file, caption "ERROR") and the
    // manager goes on with the values in memory. Returns whether it was written.
    bool save(const StoredSettings& settings, Ui& ui);

  private:
    std::string path_;
    std::optional<StoredSettings> unsaved_;
    bool failureReported_ = false;
};

// The message shown when the settings file cannot be written.
std::string SettingsWriteFailureText(const std::string& path);

// What loading the settings does to the shared state: the ranges, the port
// (-1, no selection, for a stored index outside 0..3), the firmware choice
// (no selection and an empty text for an index outside the list) and a reset
// slot table.
void ApplySettings(AppState& state, const StoredSettings& settings);

// The values a save writes: the window's bounds and the shared state's port,
// ranges and firmware index.
StoredSettings CaptureSettings(const AppState& state, const WindowBounds& bounds);
