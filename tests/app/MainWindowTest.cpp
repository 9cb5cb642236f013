#include "tests/app/ManagerFixture.h"

#include "slots/SlotGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test, public ManagerFixture {
  protected:
    template <typename T> T* main(const char* name) {
        T* c = form1.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    template <typename T> T* options(const char* name) {
        T* c = expertsForm.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    SlotGridView* grid() { return main<SlotGridView>("DrawGrid1"); }
    int gridRows() { return grid()->gridRowCount(); }

    // "Options", with `inside` run while the dialog is open.
    void useOptions(std::function<void()> inside) {
        whileModal([this] { main<QPushButton>("Button7")->click(); }, std::move(inside));
    }
    void setEdits(const char* b1, const char* b2, const char* s1, const char* s2) {
        options<QLineEdit>("BSME1")->setText(b1);
        options<QLineEdit>("BSME2")->setText(b2);
        options<QLineEdit>("SSME1")->setText(s1);
        options<QLineEdit>("SSME2")->setText(s2);
    }
    std::vector<QString> edits() {
        return {options<QLineEdit>("BSME1")->text(), options<QLineEdit>("BSME2")->text(),
                options<QLineEdit>("SSME1")->text(), options<QLineEdit>("SSME2")->text()};
    }
    void rightClickGrid() {
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, QPoint(40, 40));
    }
};

TEST_F(MainWindowTest, ControlsAsDesigned) {
    EXPECT_EQ(form1.objectName(), "Form1");
    EXPECT_EQ(form1.windowTitle(), "REZ3 Adeduze 1.8");
    EXPECT_EQ(form1.font().family(), "MS Sans Serif");
    EXPECT_EQ(form1.font().pointSize(), 8);
    const struct {
        const char* name;
        QRect bounds;
        const char* caption;
        bool visible;
    } buttons[] = {
        {"Button1", {8, 32, 79, 25}, "Full Refresh", true},
        {"Button7", {91, 4, 105, 25}, "Options", true},
        {"Button3", {91, 32, 105, 25}, "RAZu Preferences", true},
        {"Button6", {200, 4, 113, 25}, "PRG3 library upload", true},
        {"Button5", {200, 32, 113, 25}, "UFIF2 library upload", true},
        {"Button2", {266, 60, 47, 17}, "About", true},
        {"Button4", {184, 5, 79, 17}, "SummSize 18", false},
        {"Button8", {200, 60, 63, 17}, "Button8", false},
        {"Button9", {157, 60, 20, 17}, "U", false},
        {"Button10", {178, 60, 20, 17}, "C", false},
    };
    form1.show();
    auto* panel = main<QWidget>("Panel1");
    for (const auto& b : buttons) {
        auto* button = main<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), panel) << b.name;
        EXPECT_EQ(button->geometry(), b.bounds) << b.name;
        EXPECT_EQ(button->text(), b.caption) << b.name;
        EXPECT_EQ(button->isVisible(), b.visible) << b.name;
    }
    auto* ports = main<QComboBox>("ComboBox1");
    EXPECT_EQ(ports->geometry(), QRect(8, 8, 81, 21));
    EXPECT_FALSE(ports->isEditable());
    ASSERT_EQ(ports->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ports->itemText(i), QString("COM%1").arg(i + 1));
    EXPECT_EQ(ports->currentIndex(), 0);
    auto* headers = main<QCheckBox>("CheckBox1");
    EXPECT_EQ(headers->geometry(), QRect(8, 59, 153, 17));
    EXPECT_EQ(headers->text(), "Additional info in full refresh");
    EXPECT_TRUE(headers->isChecked());

    // Panel on top, grid below it, status bar at the bottom.
    EXPECT_EQ(panel->geometry().top(), 0);
    EXPECT_EQ(panel->height(), 81);
    EXPECT_EQ(panel->width(), form1.width());
    auto* status = main<QStatusBar>("StatusBar");
    EXPECT_EQ(status->height(), 19);
    EXPECT_EQ(status->geometry().bottom(), form1.height() - 1);
    const QRect gridPlace(grid()->mapTo(&form1, QPoint(0, 0)), grid()->size());
    EXPECT_EQ(gridPlace.top(), 81);
    EXPECT_EQ(gridPlace.bottom() + 1, status->geometry().top());
    EXPECT_EQ(gridPlace.width(), form1.width());

    const std::pair<const char*, const char*> actions[] = {
        {"RefreshAction", "Refresh"},
        {"ClearAction", "Clear"},
        {"UploadAction", "Upload"},
        {"PlayGIFAction", "Play GIF"},
        {"DownloadAction", "Download"},
        {"GetPrefAction", "Get Preferences"},
        {"SetPrefAction", "SetPrefAction"},
        {"ConvertAction", "Convert to UFIF2.1"},
        {"UploadLZOAction", "Upload LZO-Compressed"},
    };
    auto* actionList = main<QObject>("ActionList1");
    for (const auto& [name, caption] : actions) {
        auto* action = actionList->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption);
    }
    QStringList menu, captions;
    for (QAction* item : main<QMenu>("PopupMenu1")->actions()) {
        menu << item->objectName();
        captions << item->text();
    }
    EXPECT_EQ(menu, QStringList({"Refresh1", "Upload1", "LZOCompress1", "Clear1", "Download1",
                                 "PlayGIF1", "ConverttoUFIF211"}));
    EXPECT_EQ(captions, QStringList({"Refresh", "Upload", "Upload LZO-Compressed", "Clear",
                                     "Download", "Play GIF", "Convert to UFIF2.1"}));
    for (FileDialog dialog : {FileDialog::Open1, FileDialog::Open2, FileDialog::Save1})
        form1.fileDialogFor(dialog);
    EXPECT_EQ(main<QFileDialog>("OpenDialog1")->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(main<QFileDialog>("OpenDialog2")->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(main<QFileDialog>("SaveDialog1")->acceptMode(), QFileDialog::AcceptSave);
    form1.close();
}

TEST_F(MainWindowTest, HiddenButtonsStayHiddenAndTheMiddleColumnFills) {
    form1.show();
    for (QSize size : {QSize(1000, 700), QSize(120, 90), QSize(330, 420)}) {
        form1.resize(size);
        QApplication::processEvents();
        for (const char* name : {"Button4", "Button8", "Button9", "Button10"})
            EXPECT_FALSE(main<QPushButton>(name)->isVisible()) << name << " at " << size.width();
        const int rest =
            grid()->viewport()->width() - grid()->columnWidth(0) - grid()->columnWidth(2);
        EXPECT_EQ(grid()->columnWidth(1), std::max(0, rest)) << size.width();
    }
    form1.close();
}

TEST_F(MainWindowTest, TheSlotMenuOpensOnlyAfterACommand) {
    form1.show();
    auto* menu = main<QMenu>("PopupMenu1");
    rightClickGrid();
    EXPECT_FALSE(menu->isVisible());

    // After a command, for a UFIF 2.0 program in the selected row.
    state.slotMenuEnabled = true;
    state.currentRow = 2;
    state.table[2].Kind = SlotKind::Program;
    state.table[2].FormatTag = 0x20000000;
    rightClickGrid();
    EXPECT_TRUE(menu->isVisible());
    QStringList enabled;
    for (QAction* action : menu->actions())
        if (action->isEnabled())
            enabled << action->objectName();
    EXPECT_EQ(enabled, QStringList({"Refresh1", "Upload1", "LZOCompress1", "Clear1", "Download1",
                                    "ConverttoUFIF211"}));
    menu->hide();
    form1.close();
}

TEST_F(MainWindowTest, CommandsUseThePortTheRowAndTheCheckBox) {
    form1.show();
    main<QComboBox>("ComboBox1")->setCurrentIndex(2);
    main<QCheckBox>("CheckBox1")->setChecked(false);
    EXPECT_EQ(state.portIndex, 2);
    EXPECT_FALSE(state.readHeaders);

    state.currentRow = 22; // the first small slot with the default ranges
    main<QAction>("RefreshAction")->trigger();
    ASSERT_GE(phone.calls.size(), 2u);
    EXPECT_EQ(phone.calls[0], "InitGBPMode(3)");
    EXPECT_EQ(phone.calls[1], "GetNVMFileSize(2,10)");
    EXPECT_EQ(phone.calls.back(), "EndGBPMode()");

    // A command started while another one runs is ignored.
    phone.calls.clear();
    state.commandRunning = true;
    main<QPushButton>("Button1")->click();
    main<QAction>("RefreshAction")->trigger();
    EXPECT_TRUE(phone.calls.empty());
    state.commandRunning = false;
    form1.close();
}

TEST_F(MainWindowTest, NoSettingsFileGivesTheDefaultsAndClosingWritesIt) {
    state.table[1].Name = "left over";
    form1.show();
    EXPECT_EQ(form1.pos(), QPoint(240, 20));
    EXPECT_EQ(form1.size(), QSize(330, 420));
    EXPECT_EQ(main<QComboBox>("ComboBox1")->currentIndex(), 0);
    EXPECT_EQ(state.ranges, RangeSettings{});
    EXPECT_EQ(state.firmware.index, 0);
    EXPECT_EQ(gridRows(), 27);
    EXPECT_EQ(state.table[1], SlotRecord{});
    EXPECT_EQ(edits(), (std::vector<QString>{"9", "29", "10", "14"}));
    EXPECT_EQ(settingsText(), "<none>");
    form1.close();
    EXPECT_EQ(settingsText(), "[Form]\nTop=20\nLeft=240\nWidth=330\nHeight=420\n\n"
                              "[Manager]\nCOM-Port=0\nFirstBig=9\nBigSlots=21\nFirstSmall=10\n"
                              "SmallSlots=5\nUFIFFW=0\n");
}

TEST_F(MainWindowTest, StoredSettingsAreShown) {
    writeSettings("[Form]\nTop=0x30\nLeft=50\nWidth=400\nHeight=300\n[Manager]\nCOM-Port=7\n"
                  "FirstBig=12\nBigSlots=4\nFirstSmall=3\nSmallSlots=2\nUFIFFW=5\n");
    form1.show();
    EXPECT_EQ(form1.geometry().size(), QSize(400, 300));
    EXPECT_EQ(form1.pos(), QPoint(50, 48));
    EXPECT_EQ(main<QComboBox>("ComboBox1")->currentIndex(), -1); // no port selected
    EXPECT_EQ(state.portIndex, -1);
    EXPECT_EQ(state.ranges, (RangeSettings{12, 4, 3, 2}));
    EXPECT_EQ(gridRows(), 7);
    EXPECT_EQ(options<QComboBox>("FWComboBox")->currentText(), "0x36A658 - J5/6 5.4.2/5");
    EXPECT_EQ(state.firmware.text, "0x36A658 - J5/6 5.4.2/5");
    EXPECT_EQ(edits(), (std::vector<QString>{"12", "15", "3", "4"}));
    form1.close();
}

TEST_F(MainWindowTest, AHugeStoredSizeIsKeptWithinTheDesktop) {
    writeSettings("[Form]\nWidth=0x7FFFFFFF\nHeight=1000000\n");
    form1.show();
    const QSize desktop = form1.screen()->availableVirtualGeometry().size();
    EXPECT_LE(form1.width(), desktop.width());
    EXPECT_LE(form1.height(), desktop.height());
    form1.close();
}

TEST_F(MainWindowTest, OptionsDialogOutcomes) {
    struct Case {
        const char* what;
        std::function<void()> inside;
        RangeSettings ranges;
        int firmware;
        int rows;
    };
    const auto click = [this](const char* button) { options<QPushButton>(button)->click(); };
    const auto firmware = [this](int index) {
        options<QComboBox>("FWComboBox")->setCurrentIndex(index);
    };
    const Case cases[] = {
        {"Cancel after editing",
         [&] {
             setEdits("10", "12", "11", "11");
             firmware(3);
             click("Button2");
         },
         {9, 21, 10, 5},
         0,
         27},
        {"big slots 10 to 12",
         [&] {
             setEdits("10", "12", "10", "14");
             click("Button1");
         },
         {10, 3, 10, 5},
         0,
         9},
        {"Default then OK keeps the firmware",
         [&] {
             setEdits("01", "02", "03", "04");
             firmware(4);
             click("Button3");
             click("Button1");
         },
         {9, 21, 10, 5},
         4,
         27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state.table[1].Name = "scanned";
        form1.show();
        useOptions(c.inside);
        EXPECT_EQ(state.ranges, c.ranges);
        EXPECT_EQ(state.firmware.index, c.firmware);
        EXPECT_EQ(gridRows(), c.rows);
        EXPECT_EQ(state.table[1], SlotRecord{}); // the table is reset in every case
        const StoredSettings stored = ReadSettingsFile(settingsPath);
        EXPECT_EQ(stored.ranges, c.ranges);
        EXPECT_EQ(stored.ufifFw, c.firmware);
        EXPECT_TRUE(ui.events.empty());
        form1.close();
        QFile::remove(QString::fromStdString(settingsPath));
        state.firmware.index = 0;
        options<QComboBox>("FWComboBox")->setCurrentIndex(0);
    }
}

TEST_F(MainWindowTest, OptionsRefusesRangesThatDoNotFit) {
    form1.show();
    bool stayedOpen = false;
    useOptions([&] {
        setEdits("12", "10", "10", "14");
        options<QPushButton>("Button1")->click();
        setEdits("00", "98", "00", "01");
        options<QPushButton>("Button1")->click();
        stayedOpen = expertsForm.isVisible();
        options<QPushButton>("Button2")->click();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(ui.eventsOf("message"),
              (std::vector<std::string>{
                  "ERROR:Big slots from 18-12 to 18-10 would be a negative number of slots.",
                  "ERROR:Big and small slots together are 101; the table holds at most 99."}));
    EXPECT_EQ(state.ranges, RangeSettings{});
    EXPECT_EQ(gridRows(), 27);
    form1.close();
}

TEST_F(MainWindowTest, ClosingClosesWhenTheSettingsCannotBeWritten) {
    QFile blocker(dir.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore unwritable((blocker.fileName() + "/adeduze.INI").toStdString());
    TForm1 window(ctx, unwritable);
    window.attachWindows({&aboutBox, &prefForm, &expertsForm, &iconForm});
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.close();
    EXPECT_EQ(ui.eventsOf("message").size(), 1u);
}

} // namespace
