#pragma once

#include <optional>
#include <string>
#include <vector>

// The manager's file dialogs. Each remembers the name chosen in it last time.
enum class FileDialog { Open1, Open2, Save1 };

enum class ConversionAnswer { Yes, No, Cancel };

// Everything a command asks of or tells the person at the keyboard. The
// window, the command line and the tests each implement it.
class Ui {
public:
    virtual ~Ui() = default;

    virtual void setStatus(const std::string& text) = 0;
    // A message box with one OK button; an empty caption is allowed.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    // The framework's standard error box (file and number errors).
    virtual void showError(const std::string& text) = 0;
    // The "Confirm" dialog with OK and Cancel; true for OK.
    virtual bool confirm(const std::string& text) = 0;
    // A file chosen in the given dialog, or nullopt when cancelled.
    virtual std::optional<std::string> chooseFile(FileDialog dialog) = 0;
    // The UFIF 2.0 conversion question; the person may pick another firmware
    // in it, which the implementation stores in AppState::firmware.
    virtual ConversionAnswer askConversion() = 0;
    // Brings the report window with these lines before the person.
    virtual void showReport(const std::vector<std::string>& lines) = 0;
    // Opens a file with the desktop's viewer, without waiting; failures are silent.
    virtual void openWithViewer(const std::string& path) = 0;
    // The slot table changed: show it now.
    virtual void repaintGrid() = 0;
};
