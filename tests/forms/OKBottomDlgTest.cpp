#include "transfer/OKBottomDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The Options dialog's side: a window holding the firmware list.
struct ListOwner {
    QWidget window;
    QComboBox* list = new QComboBox(&window);
    ListOwner() {
        list->addItems({"0x370000 - J7/70 3.10/4", "0x37BDD8 - Z7 4.5.6/4"});
        list->move(30, 40);
    }
};

// Runs `inside` once the dialog's event loop runs.
ConversionAnswer AskWhile(TOKBottomDlg& dialog, std::function<void()> inside) {
    QTimer::singleShot(0, &dialog, std::move(inside));
    return dialog.ask();
}

TEST(OKBottomDlgTest, Layout) {
    TOKBottomDlg dialog(nullptr, {});
    EXPECT_EQ(dialog.objectName(), "OKBottomDlg");
    EXPECT_EQ(dialog.windowTitle(), "Dialog");
    EXPECT_EQ(dialog.size(), QSize(313, 244));
    const auto text = [&](const char* name) { return dialog.findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(text("StaticText3"), "Please read this text!!!");
    EXPECT_EQ(dialog.findChild<QLabel*>("StaticText3")->font().pixelSize(), 19);
    EXPECT_EQ(text("StaticText1"),
              "You're trying to upload UFIF 2.0 version program! This is an older format and it "
              "may not work on some VIR3 firmwares. Do you want to convert this program to UFIF "
              "2.1 - compatible format?");
    EXPECT_EQ(text("StaticText2"),
              "If you using VIR3 MOD and want to convert this program select correct firmware and "
              "press \"Yes\" button. Press \"No\" if you still using ZUV2 MOD, or simply want to "
              "upload program \"as is\" without converting.");
    const struct {
        const char* name;
        const char* caption;
        QRect bounds;
    } buttons[] = {{"OKBtn", "Yes", {47, 212, 75, 25}},
                   {"Button1", "No", {127, 212, 75, 25}},
                   {"CancelBtn", "Cancel", {207, 212, 75, 25}}};
    for (const auto& b : buttons) {
        auto* button = dialog.findChild<QPushButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->geometry(), b.bounds);
    }
}

TEST(OKBottomDlgTest, AnswersAndLendsTheFirmwareList) {
    struct Case {
        const char* how;
        std::function<void(TOKBottomDlg&)> answer;
        ConversionAnswer expected;
    };
    const auto click = [](const char* name) {
        return [name](TOKBottomDlg& d) { d.findChild<QPushButton*>(name)->click(); };
    };
    const Case cases[] = {
        {"Yes", click("OKBtn"), ConversionAnswer::Yes},
        {"No", click("Button1"), ConversionAnswer::No},
        {"Cancel", click("CancelBtn"), ConversionAnswer::Cancel},
        {"Esc", [](TOKBottomDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); },
         ConversionAnswer::Cancel},
        {"close box", [](TOKBottomDlg& d) { d.close(); }, ConversionAnswer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        ListOwner owner;
        int hidden = 0;
        TOKBottomDlg dialog(owner.list, [&] {
            EXPECT_EQ(owner.list->parentWidget(), &owner.window); // given back first
            ++hidden;
        });
        bool lent = false;
        const ConversionAnswer answer = AskWhile(dialog, [&] {
            lent = owner.list->parentWidget() == &dialog;
            EXPECT_EQ(owner.list->pos(), QPoint(16, 48 + 57 + 2));
            EXPECT_FALSE(owner.list->isHidden());
            c.answer(dialog);
        });
        EXPECT_TRUE(lent);
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(hidden, 1);
        EXPECT_EQ(owner.list->parentWidget(), &owner.window);
        EXPECT_EQ(owner.list->pos(), QPoint(30, 40));
        EXPECT_FALSE(owner.list->isHidden());
    }
}

TEST(OKBottomDlgTest, PickedFirmwareStaysPickedAfterTheQuestion) {
    ListOwner owner;
    TOKBottomDlg dialog(owner.list, {});
    for (int round = 0; round < 2; ++round) { // lent and returned more than once
        AskWhile(dialog, [&] {
            owner.list->setCurrentIndex(1);
            dialog.findChild<QPushButton*>("OKBtn")->click();
        });
        EXPECT_EQ(owner.list->currentText(), "0x37BDD8 - Z7 4.5.6/4");
        EXPECT_EQ(owner.list->parentWidget(), &owner.window);
    }
}

TEST(OKBottomDlgTest, DestroyedDialogLeavesTheListWithItsOwner) {
    ListOwner owner;
    {
        TOKBottomDlg dialog(owner.list, {});
        dialog.show();
        EXPECT_EQ(owner.list->parentWidget(), &dialog);
    }
    EXPECT_EQ(owner.list->parentWidget(), &owner.window);
    EXPECT_EQ(owner.list->count(), 2);
}

} // namespace
