#include "modext/PrefForm.h"

#include "common/Command.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class PrefFormTest : public ::testing::Test {
  protected:
    template <typename T> T* control(const char* name) {
        T* c = form.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }
    QRadioButton* item(int i) {
        return control<QRadioButton>(qPrintable(QString("RG1Item%1").arg(i)));
    }
    int checkedItem() {
        for (int i = 0; i < 3; ++i)
            if (item(i)->isChecked())
                return i;
        return -1;
    }

    // Shows the form modally, runs `inside`, then presses the button named.
    int execWhile(std::function<void()> inside, const char* closeWith) {
        QTimer::singleShot(0, &form, [this, inside, closeWith] {
            inside();
            control<QPushButton>(closeWith)->click();
        });
        return form.exec();
    }

    FakePhone phone;
    ScriptedUi ui;
    AppState state;
    CommandContext ctx{state, phone.link(), ui};
    TPrefForm form{ctx};
};

TEST_F(PrefFormTest, ControlsAsCreated) {
    EXPECT_EQ(form.objectName(), "PrefForm");
    EXPECT_EQ(form.windowTitle(), "RUZ Mod Parameters");
    EXPECT_EQ(form.size(), QSize(253, 179));
    EXPECT_EQ(control<QGroupBox>("RG1")->title(), "Menu show mode");
    EXPECT_EQ(item(0)->text(), "Only programs");
    EXPECT_EQ(item(1)->text(), "Progs and data");
    EXPECT_EQ(item(2)->text(), "Show all");
    EXPECT_EQ(checkedItem(), -1);
    EXPECT_EQ(control<QGroupBox>("GroupBox1")->title(), "Autorun (VIR3b3)");
    EXPECT_EQ(control<QCheckBox>("ACheckBox")->text(), "Enabled");
    EXPECT_FALSE(control<QCheckBox>("ACheckBox")->isChecked());
    EXPECT_EQ(text("AsEdit"), "18");
    EXPECT_EQ(text("AssEdit"), "09");
    EXPECT_EQ(text("sEdit"), "02");
    EXPECT_EQ(text("ssEdit"), "17");
    EXPECT_FALSE(control<QLineEdit>("AsEdit")->isHidden());
    EXPECT_EQ(control<QLabel>("Label1")->text(), "UFIF2-Library section:");
    EXPECT_EQ(control<QLabel>("Label2")->text(), "(ZUV2 2b9 or higher)");
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Program section:");
    EXPECT_LT(control<QLabel>("Label2")->font().pixelSize(),
              control<QLabel>("Label1")->fontInfo().pixelSize());
    EXPECT_EQ(control<QPushButton>("Button1")->text(), "Update");
    EXPECT_EQ(control<QPushButton>("Button1")->geometry(), QRect(72, 120, 75, 25));
    EXPECT_EQ(control<QPushButton>("Button2")->text(), "Cancel");
    EXPECT_EQ(control<QLineEdit>("sEdit")->geometry(), QRect(110, 96, 25, 21));
    EXPECT_EQ(control<QLineEdit>("AsEdit")->geometry(), QRect(56, 52, 25, 21));
    EXPECT_EQ(control<QLineEdit>("AsEdit")->parentWidget(), control<QGroupBox>("GroupBox1"));
}

TEST_F(PrefFormTest, ShowingReadsTheRecordAndControlsWriteBack) {
    phone.setFile(2, 18, {'Z', 'U', 'V', '2', 0x07, 0, 17, 2, 9, 18, 0, 0});
    const int result = execWhile(
        [&] {
            EXPECT_EQ(phone.calls, (std::vector<std::string>{
                                       "InitGBPMode(1)", "ReadNVMFile(2,18,12)", "EndGBPMode()"}));
            EXPECT_EQ(checkedItem(), 1);
            EXPECT_TRUE(control<QCheckBox>("ACheckBox")->isChecked());
            EXPECT_TRUE(control<QLineEdit>("AsEdit")->isVisible());
            EXPECT_EQ(text("AsEdit"), "18");
            EXPECT_EQ(text("AssEdit"), "9");
            EXPECT_EQ(text("sEdit"), "2");
            EXPECT_EQ(text("ssEdit"), "17");

            QTest::mouseClick(item(2), Qt::LeftButton);
            control<QLineEdit>("sEdit")->clear();
            QTest::keyClicks(control<QLineEdit>("sEdit"), "18");
            QTest::keyClicks(control<QLineEdit>("AssEdit"), "1");
            QTest::mouseClick(control<QCheckBox>("ACheckBox"), Qt::LeftButton);
            EXPECT_FALSE(control<QLineEdit>("AsEdit")->isVisible());
            EXPECT_FALSE(control<QLineEdit>("AssEdit")->isVisible());
        },
        "Button1");
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(state.prefs.RG1, 2);
    EXPECT_EQ(state.prefs.sEdit, "18");
    EXPECT_EQ(state.prefs.ssEdit, "17");
    EXPECT_EQ(state.prefs.AsEdit, "18");
    EXPECT_EQ(state.prefs.AssEdit, "91");
    EXPECT_FALSE(state.prefs.ACheckBox);
    EXPECT_FALSE(state.prefs.autorunEditsVisible);
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST_F(PrefFormTest, TickingAutorunShowsItsEdits) {
    phone.setFile(2, 18, {'Z', 'U', 'V', '2', 0x05, 0, 17, 2, 0, 18, 0, 0});
    execWhile(
        [&] {
            EXPECT_EQ(checkedItem(), -1); // unlisted menu code
            EXPECT_FALSE(control<QCheckBox>("ACheckBox")->isChecked());
            EXPECT_FALSE(control<QLineEdit>("AsEdit")->isVisible());
            QTest::mouseClick(control<QCheckBox>("ACheckBox"), Qt::LeftButton);
            EXPECT_TRUE(control<QLineEdit>("AsEdit")->isVisible());
            EXPECT_TRUE(control<QLineEdit>("AssEdit")->isVisible());
        },
        "Button2");
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(state.prefs.ACheckBox);
    EXPECT_TRUE(state.prefs.autorunEditsVisible);
    EXPECT_EQ(state.prefs.RG1, -1);
}

TEST_F(PrefFormTest, FailedSessionStillShowsTheDialogWithEmptyLibraryEdits) {
    phone.initResults = {-1};
    bool shown = false;
    execWhile(
        [&] {
            shown = form.isVisible();
            EXPECT_EQ(text("sEdit"), "");
            EXPECT_EQ(text("ssEdit"), "");
            EXPECT_EQ(text("AsEdit"), "18");
            EXPECT_EQ(checkedItem(), -1);
        },
        "Button2");
    EXPECT_TRUE(shown);
    EXPECT_EQ(ui.eventsOf("message"), std::vector<std::string>{"ERROR:Can't Init GPB Mode"});
}

} // namespace
