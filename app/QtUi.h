#pragma once

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
    QFileDialog* openDialog1 = nullptr;
    QFileDialog* openDialog2 = nullptr;
    QFileDialog* saveDialog1 = nullptr;
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
    std::array<QPointer<QFileDialog>, 3> dialogs_; // indexed by FileDialog
    std::array<QString, 3> lastChosen_;
};
