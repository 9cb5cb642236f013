#pragma once

#include "common/Ui.h"

// A person who says nothing and chooses nothing: lets a command's logic run
// inside a fuzzer without a phone or a front end.
class NullUi : public Ui {
  public:
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&, const std::string&) override {}
    void showError(const std::string&) override {}
    bool confirm(const std::string&) override { return false; }
    std::optional<std::string> chooseFile(FileDialog) override { return std::nullopt; }
    ConversionAnswer askConversion() override { return ConversionAnswer::Cancel; }
    void showReport(const std::vector<std::string>&) override {}
    void openWithViewer(const std::string&) override {}
    void repaintGrid() override {}
};
