#pragma once

#include "common/Ui.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A Ui for command tests: it answers prompts from queues and records what it
// was shown, in order, as lines such as "status:Uploading data...",
// "message:ERROR:Can't Init GPB Mode", "error:Cannot open file x",
// "confirm:Are you sure...", "file:Open1", "question", "report:2",
// "open:temp.gif", "repaint". A prompt without a queued answer, or an answer
// left unused at the end, fails the test.
class ScriptedUi : public Ui {
public:
    ~ScriptedUi() override;

    std::deque<std::optional<std::string>> files;
    std::deque<bool> confirms;
    std::deque<ConversionAnswer> conversions;
    // Runs when the conversion question is shown, e.g. to pick a firmware.
    std::function<void()> onQuestion;
    bool recordRepaints = true;

    std::vector<std::string> events;
    std::vector<std::string> reportShown;
    std::string status;

    // The events of one kind ("message", "status", ...), without the prefix.
    std::vector<std::string> eventsOf(const std::string& kind) const;

    void setStatus(const std::string& text) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    void showError(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> chooseFile(FileDialog dialog) override;
    ConversionAnswer askConversion() override;
    void showReport(const std::vector<std::string>& lines) override;
    void openWithViewer(const std::string& path) override;
    void repaintGrid() override;
};
