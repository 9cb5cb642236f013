#pragma once

#include "common/AppState.h"
#include "common/Ui.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>

// What the command line answers in place of the person at the keyboard.
struct ConsoleAnswers {
    // The command's FILE argument, given to the dialog the command opens.
    std::map<FileDialog, std::string> files;
    // --convert / --no-convert; unset: ask on a terminal.
    std::optional<ConversionAnswer> conversion;
    bool confirmed = false;   // --yes
    bool verbose = false;     // status texts to stderr
    bool openViewer = true;   // cleared by --no-open
    bool interactive = false; // stdin is a terminal: questions may be asked
};

// The Ui of adeduze-cli. Every message goes to `err` as one line ("CAPTION:
// text", or the text alone under an empty caption); questions are answered
// from the options, or asked on the terminal. It remembers whether the
// command failed: an "ERROR" message, a standard error box or a Cancel.
class ConsoleUi : public Ui {
  public:
    ConsoleUi(ConsoleAnswers answers, const FirmwareChoice& firmware, std::ostream& err,
              std::istream& in);

    bool failed() const { return failed_; }

    void setStatus(const std::string& text) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    void showError(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> chooseFile(FileDialog dialog) override;
    ConversionAnswer askConversion() override;
    void showReport(const std::vector<std::string>& lines) override;
    void openWithViewer(const std::string& path) override;
    void repaintGrid() override;

  private:
    // One answer letter out of `letters` read from the terminal; nullopt at end of input.
    std::optional<char> askLetter(const std::string& prompt, const std::string& letters);

    ConsoleAnswers answers_;
    const FirmwareChoice& firmware_;
    std::ostream& err_;
    std::istream& in_;
    bool failed_ = false;
};
