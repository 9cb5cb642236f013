#pragma once

#include "common/Ui.h"

// A person who is never asked anything: the benchmarks time the manager's
// own work, not a window's. Errors are kept, so a benchmark can tell that
// what it timed did not fail.
class QuietUi : public Ui {
  public:
    void setStatus(const std::string&) override {}
    void showMessage(const std::string& text, const std::string& caption) override {
        if (caption == "ERROR")
            lastError = text;
    }
    void showError(const std::string& text) override { lastError = text; }
    bool confirm(const std::string&) override { return true; }
    std::optional<std::string> chooseFile(FileDialog) override { return std::nullopt; }
    ConversionAnswer askConversion() override { return ConversionAnswer::No; }
    void showReport(const std::vector<std::string>&) override {}
    void openWithViewer(const std::string&) override {}
    void repaintGrid() override {}

    std::string lastError;
};
