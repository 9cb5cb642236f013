#pragma once

#include "app/QtUi.h"
#include "slots/SlotTable.h"

#include <QMainWindow>

#include <functional>

struct CommandContext;
class SettingsStore;
class BevelPanel;
class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class SlotGridView;
class TAboutBox;
class TExpertsForm;
class TIconForm;
class TPrefForm;

// The main window: the button panel, the slot grid and the status bar. Every
// button and action runs its command through RunCommand, so a command started
// while another one waits in a message box is ignored.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(CommandContext& ctx, SettingsStore& settings, QWidget* parent = nullptr);

    // The windows created after the main window. The grid is built here, as it
    // draws the pictures of the icon list.
    struct Windows {
        TAboutBox* aboutBox = nullptr;
        TPrefForm* prefForm = nullptr;
        TExpertsForm* expertsForm = nullptr;
        TIconForm* iconForm = nullptr;
    };
    void attachWindows(const Windows& windows);

    // The status text, the grid and the file dialogs, for the Ui.
    QtUiWindows uiWindows() const;
    // The file dialog for a choice, created on its first use.
    QFileDialog* fileDialogFor(FileDialog dialog);

    // Settings file -> window bounds, port, ranges, firmware, grid, table and
    // the Options edits.
    void LoadSettings();
    // Window bounds, port, ranges and firmware -> settings file.
    void SaveSettings();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QAction* menuItemFor(const char* name, QAction* action);
    QAction* makeAction(const char* name, const char* caption, std::function<void()> command);
    QPushButton* makeButton(const char* name, const char* caption, const QRect& place,
                            std::function<void()> command);
    void runCommand(const std::function<void()>& command);
    void runSlotCommand(void (*command)(CommandContext&, SlotAddress));
    void Button2Click();
    void Button3Click();
    void Button7Click();
    void DrawGrid1MouseUp(const QPoint& globalPos);

    CommandContext& ctx_;
    SettingsStore& settings_;
    Windows windows_;

    BevelPanel* Panel1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    SlotGridView* DrawGrid1 = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* statusText_ = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QObject* ActionList1 = nullptr;
    QAction* RefreshAction = nullptr;
    QAction* ClearAction = nullptr;
    QAction* UploadAction = nullptr;
    QAction* PlayGIFAction = nullptr;
    QAction* DownloadAction = nullptr;
    QAction* GetPrefAction = nullptr;
    QAction* SetPrefAction = nullptr;
    QAction* ConvertAction = nullptr;
    QAction* UploadLZOAction = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    QFileDialog* OpenDialog2 = nullptr;
};
