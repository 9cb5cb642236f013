#pragma once

#include <functional>

#include "common/Ui.h"

#include <QPointer>
#include <QString>

#include <array>

class QFileDialog;
class QLabel;
class SlotGridView;
class TBadAddrForm;
class TOKBottomDlg;

// The windows through which the desktop manager talks to the person. They are
// created after the Ui (the commands' context needs it first) and attached here.
struct QtUiWindows {
    QLabel* status = nullptr;
    SlotGridView* grid = nullptr;
    TOKBottomDlg* question = nullptr;
    TBadAddrForm* report = nullptr;
    // The file dialog for a choice; the window creates each on first use,
    // since creating them costs more than the rest of the start-up.
    std::function<QFileDialog*(FileDialog)> fileDialog;
};

// The Ui of the desktop manager. Message boxes have no owner window, so the
// main window stays usable while one is open; the file dialogs make the chosen
// file's folder the current directory and start with their last choice.
class QtUi : public Ui {
  public:
    void attach(const QtUiWindows& windows);

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
    QPointer<QLabel> status_;
    QPointer<SlotGridView> grid_;
    QPointer<TOKBottomDlg> question_;
    QPointer<TBadAddrForm> report_;
    std::function<QFileDialog*(FileDialog)> fileDialog_;
    std::array<QString, 3> lastChosen_;
};
