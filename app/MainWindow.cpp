#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/BevelPanel.h"
#include "app/ExpertsForm.h"
#include "common/FormFont.h"
#include "app/SettingsStore.h"
#include "common/Command.h"
#include "modext/LibraryListMerge.h"
#include "modext/PrefActions.h"
#include "modext/PrefForm.h"
#include "modext/Prg3LibraryUpload.h"
#include "modext/SectionTotal.h"
#include "modext/ServiceSlot.h"
#include "modext/Ufif2LibraryUpload.h"
#include "slots/IconForm.h"
#include "slots/SlotGridView.h"
#include "slots/SlotMenuRules.h"
#include "slots/SlotScan.h"
#include "transfer/TransferCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QFileDialog* fileDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(name);
    dialog->setAcceptMode(mode);
    // Like the manager's dialogs always were: any name may be typed, and an
    // existing file is replaced without a question.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

} // namespace

TForm1::TForm1(CommandContext& ctx, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), settings_(settings) {
    setObjectName("Form1");
    setWindowTitle("REZ3 Adeduze 1.8");
    setFont(FormFont());

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);

    Panel1 = new BevelPanel(client);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(81);
    column->addWidget(Panel1);

    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"COM1", "COM2", "COM3", "COM4"});
    ComboBox1->setGeometry(8, 8, 81, 21);
    ComboBox1->setCurrentIndex(ctx_.state.portIndex);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { ctx_.state.portIndex = index; });

    makeButton("Button1", "Full Refresh", QRect(8, 32, 79, 25), [this] { Button1Click(ctx_); });

    CheckBox1 = new QCheckBox("Additional info in full refresh", Panel1);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(8, 59, 153, 17);
    // The fallback faces are a little wider than the original bitmap font;
    // narrowed slightly, the caption fits the box's fixed width.
    QFont narrow = CheckBox1->font();
    narrow.setStretch(QFont::SemiCondensed);
    CheckBox1->setFont(narrow);
    CheckBox1->setChecked(ctx_.state.readHeaders);
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool checked) { ctx_.state.readHeaders = checked; });

    makeButton("Button7", "Options", QRect(91, 4, 105, 25), [this] { Button7Click(); });
    auto* button3 = new QPushButton("RAZu Preferences", Panel1);
    button3->setObjectName("Button3");
    button3->setGeometry(91, 32, 105, 25);
    connect(button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    makeButton("Button6", "PRG3 library upload", QRect(200, 4, 113, 25),
               [this] { Button6Click(ctx_); });
    makeButton("Button5", "UFIF2 library upload", QRect(200, 32, 113, 25),
               [this] { Button5Click(ctx_); });
    makeButton("Button2", "About", QRect(266, 60, 47, 17), [this] { Button2Click(); });

    // The service commands: never shown.
    makeButton("Button4", "SummSize 18", QRect(184, 5, 79, 17), [this] {
        Button4Click(ctx_);
    })->hide();
    makeButton("Button8", "Button8", QRect(200, 60, 63, 17), [this] {
        Button8Click(ctx_);
    })->hide();
    makeButton("Button9", "U", QRect(157, 60, 20, 17), [this] { Button9Click(ctx_); })->hide();
    makeButton("Button10", "C", QRect(178, 60, 20, 17), [this] { ButtonCli(ctx_); })->hide();

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->setFixedHeight(19);
    statusText_ = new QLabel(StatusBar);
    statusText_->setObjectName("SimpleText");
    StatusBar->addWidget(statusText_, 1);
    setStatusBar(StatusBar);

    ActionList1 = new QObject(this);
    ActionList1->setObjectName("ActionList1");
    auto slotAction = [this](const char* name, const char* caption,
                             void (*command)(CommandContext&, SlotAddress)) {
        return makeAction(name, caption, [this, command] { runSlotCommand(command); });
    };
    RefreshAction = slotAction("RefreshAction", "Refresh", RefreshActionExecute);
    ClearAction = slotAction("ClearAction", "Clear", ClearActionExecute);
    UploadAction = slotAction("UploadAction", "Upload", UploadActionExecute);
    PlayGIFAction = slotAction("PlayGIFAction", "Play GIF", PlayGIFActionExecute);
    DownloadAction = slotAction("DownloadAction", "Download", DownloadActionExecute);
    GetPrefAction = makeAction("GetPrefAction", "Get Preferences",
                               [this] { runCommand([this] { GetPrefActionExecute(ctx_); }); });
    SetPrefAction = makeAction("SetPrefAction", "SetPrefAction",
                               [this] { runCommand([this] { SetPrefActionExecute(ctx_); }); });
    ConvertAction = slotAction("ConvertAction", "Convert to UFIF2.1", ConvertActionExecute);
    UploadLZOAction =
        slotAction("UploadLZOAction", "Upload LZO-Compressed", UploadLZOActionExecute);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    const std::pair<const char*, QAction*> items[] = {
        {"Refresh1", RefreshAction},   {"Upload1", UploadAction},
        {"LZOCompress1", UploadLZOAction}, {"Clear1", ClearAction},
        {"Download1", DownloadAction}, {"PlayGIF1", PlayGIFAction},
        {"ConverttoUFIF211", ConvertAction}};
    for (const auto& [name, action] : items)
        PopupMenu1->addAction(menuItemFor(name, action));
}

QFileDialog* TForm1::fileDialogFor(FileDialog dialog) {
    switch (dialog) {
    case FileDialog::Open1:
        if (!OpenDialog1)
            OpenDialog1 = fileDialog(this, "OpenDialog1", QFileDialog::AcceptOpen);
        return OpenDialog1;
    case FileDialog::Open2:
        if (!OpenDialog2)
            OpenDialog2 = fileDialog(this, "OpenDialog2", QFileDialog::AcceptOpen);
        return OpenDialog2;
    case FileDialog::Save1:
        if (!SaveDialog1)
            SaveDialog1 = fileDialog(this, "SaveDialog1", QFileDialog::AcceptSave);
        return SaveDialog1;
    }
    return nullptr;
}

void TForm1::attachWindows(const Windows& windows) {
    windows_ = windows;
    DrawGrid1 = new SlotGridView(ctx_.state, *windows.iconForm, centralWidget());
    DrawGrid1->setObjectName("DrawGrid1");
    centralWidget()->layout()->addWidget(DrawGrid1);
    connect(DrawGrid1, &SlotGridView::contextMenuWanted, this, &TForm1::DrawGrid1MouseUp);
}

QtUiWindows TForm1::uiWindows() const {
    QtUiWindows w;
    w.status = statusText_;
    w.grid = DrawGrid1;
    w.fileDialog = [form = const_cast<TForm1*>(this)](FileDialog dialog) {
        return form->fileDialogFor(dialog);
    };
    return w;
}

// A menu item bound to an action: it shows the action's caption and enabled
// state and runs the action when chosen.
QAction* TForm1::menuItemFor(const char* name, QAction* action) {
    auto* item = new QAction(action->text(), PopupMenu1);
    item->setObjectName(name);
    auto follow = [item, action] {
        item->setText(action->text());
        item->setEnabled(action->isEnabled());
    };
    follow();
    connect(action, &QAction::changed, item, follow);
    connect(item, &QAction::triggered, action, &QAction::trigger);
    return item;
}

QAction* TForm1::makeAction(const char* name, const char* caption, std::function<void()> command) {
    auto* action = new QAction(caption, ActionList1);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

QPushButton* TForm1::makeButton(const char* name, const char* caption, const QRect& place,
                                std::function<void()> command) {
    auto* button = new QPushButton(caption, Panel1);
    button->setObjectName(name);
    button->setGeometry(place);
    connect(button, &QPushButton::clicked, this,
            [this, command = std::move(command)] { runCommand(command); });
    return button;
}

void TForm1::runCommand(const std::function<void()>& command) {
    RunCommand(ctx_, command);
}

void TForm1::runSlotCommand(void (*command)(CommandContext&, SlotAddress)) {
    runCommand(
        [this, command] { command(ctx_, SlotForRow(ctx_.state.ranges, ctx_.state.currentRow)); });
}

void TForm1::Button2Click() {
    windows_.aboutBox->exec();
}

void TForm1::Button3Click() {
    // The dialog reads the preferences itself when it is shown; only the
    // write after "Update" is a command of this window.
    if (ctx_.state.commandRunning)
        return;
    if (windows_.prefForm->exec() == QDialog::Accepted)
        runCommand([this] { SetPrefActionExecute(ctx_); });
}

void TForm1::Button7Click() {
    SaveSettings();
    if (windows_.expertsForm->exec() == QDialog::Accepted) {
        ctx_.state.ranges = windows_.expertsForm->acceptedRanges();
        SaveSettings();
    }
    LoadSettings();
}

void TForm1::DrawGrid1MouseUp(const QPoint& globalPos) {
    const int row = ctx_.state.currentRow;
    if (row < 0 || row >= kSlotTableSize)
        return;
    const SlotMenuEntries entries = SlotMenuRules(ctx_.state.table[static_cast<size_t>(row)]);
    RefreshAction->setEnabled(entries.refresh);
    UploadAction->setEnabled(entries.upload);
    UploadLZOAction->setEnabled(entries.uploadLzo);
    ClearAction->setEnabled(entries.clear);
    DownloadAction->setEnabled(entries.download);
    PlayGIFAction->setEnabled(entries.playGif);
    ConvertAction->setEnabled(entries.convert);
    PopupMenu1->popup(globalPos);
}

void TForm1::LoadSettings() {
    const StoredSettings stored = settings_.load();
    move(stored.form.Left, stored.form.Top);
    // A hand-edited size may be anything; a window larger than the desktop
    // only costs memory (its backing store grows with it).
    const QSize desktop = screen()->availableVirtualGeometry().size();
    resize(std::min(stored.form.Width, desktop.width()),
           std::min(stored.form.Height, desktop.height()));
    ApplySettings(ctx_.state, stored);
    ComboBox1->setCurrentIndex(ctx_.state.portIndex);
    if (DrawGrid1) {
        // The row count decides whether a scroll bar takes part of the width.
        DrawGrid1->resetRowCount();
        DrawGrid1->fitMiddleColumn();
        DrawGrid1->viewport()->update();
    }
    if (windows_.expertsForm)
        windows_.expertsForm->showSettings();
}

void TForm1::SaveSettings() {
    const WindowBounds bounds{pos().y(), pos().x(), width(), height()};
    settings_.save(CaptureSettings(ctx_.state, bounds), ctx_.ui);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // A window restored from the task bar is shown again too; that is no FormShow.
    if (!event->spontaneous())
        LoadSettings();
}

void TForm1::closeEvent(QCloseEvent* event) {
    SaveSettings();
    QMainWindow::closeEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (DrawGrid1)
        DrawGrid1->fitMiddleColumn();
}
