#include "app/AboutBox.h"
#include "app/BevelPanel.h"
#include "app/ExpertsForm.h"
#include "common/AppState.h"
#include "tests/support/ScriptedUi.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(AboutBox, ShowsTheProductAndClosesWithOkOrEnter) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.size(), QSize(298, 213));
    EXPECT_EQ(box.findChild<BevelPanel*>("Panel1")->geometry(), QRect(8, 8, 281, 161));
    const auto labels = box.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    auto* product = box.findChild<QLabel*>("ProductName");
    auto* version = box.findChild<QLabel*>("Version");
    EXPECT_EQ(product->text(), "REZ3 Adeduze 1.8");
    EXPECT_EQ(product->pos(), QPoint(8, 16));
    EXPECT_EQ(version->text(), "Simple application for view and modify NVM sections used by "
                               "poplular RUZ-series firmware MOD for Sony Jxx phones.");
    EXPECT_EQ(version->pos(), QPoint(8, 40));
    EXPECT_EQ(version->width(), 248);
    EXPECT_TRUE(version->wordWrap());
    auto* ok = box.findChild<QPushButton*>("OKButton");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(111, 180, 75, 25));
    EXPECT_TRUE(ok->isDefault());

    for (bool enter : {false, true}) {
        box.setResult(QDialog::Rejected);
        box.show();
        if (enter)
            QTest::keyClick(&box, Qt::Key_Return);
        else
            ok->click();
        EXPECT_FALSE(box.isVisible()) << enter;
        EXPECT_EQ(box.result(), QDialog::Accepted) << enter;
    }
}

class ExpertsFormTest : public ::testing::Test {
  protected:
    template <typename T> T* control(const char* name) {
        T* c = form.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    AppState state;
    ScriptedUi ui;
    TExpertsForm form{state, ui};
};

TEST_F(ExpertsFormTest, ControlsAsDesigned) {
    EXPECT_EQ(form.windowTitle(), "Manager options");
    EXPECT_EQ(form.size(), QSize(257, 220));
    auto* label = control<QLabel>("Label1");
    EXPECT_EQ(label->pos(), QPoint(8, 11));
    EXPECT_EQ(label->text(), "Address and FW version for UFIF2.1 conversion:");
    const struct {
        const char* name;
        QRect bounds;
        const char* text;
    } texts[] = {
        {"StaticText1", {15, 59, 144, 17}, "Big slots from 18-:        to: 18- "},
        {"StaticText2", {15, 83, 154, 17}, "Small slots from 02-         to: 02- "},
        {"StaticText3",
         {16, 104, 209, 41},
         "Be careful changing this values! VIR3 mod uses only 18-09...18-29 and 02-10...02-14 "
         "slots for programs!"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(control<QLabel>(t.name)->geometry(), t.bounds) << t.name;
        EXPECT_EQ(control<QLabel>(t.name)->text(), t.text) << t.name;
    }
    const std::pair<const char*, QRect> edits[] = {{"BSME1", {96, 56, 22, 21}},
                                                   {"BSME2", {153, 56, 24, 21}},
                                                   {"SSME1", {106, 80, 24, 21}},
                                                   {"SSME2", {163, 80, 23, 21}}};
    for (const auto& [name, bounds] : edits) {
        auto* edit = control<QLineEdit>(name);
        EXPECT_EQ(edit->geometry(), bounds) << name;
        EXPECT_EQ(edit->inputMask(), "00;_") << name;
        EXPECT_EQ(edit->maxLength(), 2) << name;
    }
    EXPECT_EQ(control<QLineEdit>("BSME2")->text(), "29");
    EXPECT_EQ(control<QLineEdit>("SSME1")->text(), "10");
    EXPECT_EQ(control<QLineEdit>("SSME2")->text(), "14");

    auto* list = control<QComboBox>("FWComboBox");
    EXPECT_EQ(list->geometry(), QRect(8, 24, 233, 21));
    EXPECT_TRUE(list->isEditable());
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    EXPECT_EQ(entries, QStringList({"0x370000 - J7/70 3.10/4", "0x36A658 - J7/70 3.10/5",
                                    "0x36A658 - J7/70 3.6/5", "0x36A658 - J5/6 5.4.2/1",
                                    "0x37BDD8 - J5/6 5.4.2/4", "0x36A658 - J5/6 5.4.2/5",
                                    "0x37BDD8 - Z7 4.5.6/4"}));
    EXPECT_EQ(list->currentText(), "0x370000 - J7/70 3.10/4");

    const struct {
        const char* name;
        QRect bounds;
        const char* caption;
    } buttons[] = {{"Button3", {8, 160, 75, 25}, "Default"},
                   {"Button1", {88, 160, 75, 25}, "OK"},
                   {"Button2", {168, 160, 75, 25}, "Cancel"}};
    for (const auto& b : buttons) {
        EXPECT_EQ(control<QPushButton>(b.name)->geometry(), b.bounds) << b.name;
        EXPECT_EQ(control<QPushButton>(b.name)->text(), b.caption) << b.name;
    }
}

TEST_F(ExpertsFormTest, EditsTakeTwoDigits) {
    auto* edit = control<QLineEdit>("BSME1");
    form.show();
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, "1a-234");
    EXPECT_EQ(edit->text(), "12");
    edit->setText("7");
    EXPECT_EQ(edit->text(), "7");
    form.hide();
}

TEST_F(ExpertsFormTest, DefaultSetsTheEditsOnly) {
    control<QComboBox>("FWComboBox")->setCurrentIndex(6);
    for (const char* name : {"BSME1", "BSME2", "SSME1", "SSME2"})
        control<QLineEdit>(name)->setText("55");
    control<QPushButton>("Button3")->click();
    EXPECT_EQ(control<QLineEdit>("BSME1")->text(), "09");
    EXPECT_EQ(control<QLineEdit>("BSME2")->text(), "29");
    EXPECT_EQ(control<QLineEdit>("SSME1")->text(), "10");
    EXPECT_EQ(control<QLineEdit>("SSME2")->text(), "14");
    EXPECT_EQ(state.firmware.index, 6);
    EXPECT_EQ(state.ranges, RangeSettings{});
}

TEST_F(ExpertsFormTest, RefusedOkLeavesTheDialogOpenAndAppliesNothing) {
    const struct {
        const char* b1;
        const char* b2;
        const char* s1;
        const char* s2;
        const char* message;
    } cases[] = {
        {"", "29", "10", "14", "ERROR:Every slot number needs one or two digits."},
        {"09", "29", "10", "08",
         "ERROR:Small slots from 2-10 to 2-8 would be a negative number of slots."},
        {"00", "98", "00", "01",
         "ERROR:Big and small slots together are 101; the table holds at most 99."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ui.events.clear();
        form.show();
        control<QLineEdit>("BSME1")->setText(c.b1);
        control<QLineEdit>("BSME2")->setText(c.b2);
        control<QLineEdit>("SSME1")->setText(c.s1);
        control<QLineEdit>("SSME2")->setText(c.s2);
        control<QPushButton>("Button1")->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(ui.events, std::vector<std::string>{std::string("message:") + c.message});
        EXPECT_EQ(form.acceptedRanges(), RangeSettings{});
        form.hide();
    }
}

TEST_F(ExpertsFormTest, TheFirmwareListKeepsTheStateCurrent) {
    auto* list = control<QComboBox>("FWComboBox");
    list->setCurrentIndex(2);
    EXPECT_EQ(state.firmware.index, 2);
    EXPECT_EQ(state.firmware.text, "0x36A658 - J7/70 3.6/5");
    list->setEditText("0x380000 - J7 own");
    EXPECT_EQ(state.firmware.index, -1);
    EXPECT_EQ(state.firmware.text, "0x380000 - J7 own");
    list->setEditText("0x37BDD8 - Z7 4.5.6/4");
    EXPECT_EQ(state.firmware.index, 6);

    // Loading puts the stored choice back, a typed text included.
    state.firmware.index = 1;
    state.firmware.text = "0x36A658 - J7/70 3.10/5";
    form.showSettings();
    EXPECT_EQ(list->currentText(), "0x36A658 - J7/70 3.10/5");
    state.firmware.index = -1;
    state.firmware.text.clear();
    form.showSettings();
    EXPECT_EQ(list->currentText(), "");
    EXPECT_EQ(state.firmware.index, -1);
}

} // namespace
