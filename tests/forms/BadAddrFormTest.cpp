#include "transfer/BadAddrForm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(BadAddrFormTest, ShowsTheLinesUntilOK) {
    TBadAddrForm form;
    EXPECT_EQ(form.objectName(), "BadAddrForm");
    EXPECT_EQ(form.windowTitle(), "BadAddrForm");
    auto* memo = form.findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toPlainText(), "Memo1");
    EXPECT_EQ(memo->geometry(), QRect(8, 8, 337, 273));
    auto* ok = form.findChild<QPushButton*>("Button1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(136, 288, 75, 25));

    bool shown = false;
    QTimer::singleShot(0, &form, [&] {
        shown = form.isVisible();
        EXPECT_EQ(memo->toPlainText(),
                  "offset: 52; UFIF Address:3581696\noffset: 60; UFIF Address:3581697");
        ok->click();
    });
    form.showLines({"offset: 52; UFIF Address:3581696", "offset: 60; UFIF Address:3581697"});
    EXPECT_TRUE(shown);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    // The text stays for the next showing.
    EXPECT_EQ(memo->toPlainText(),
              "offset: 52; UFIF Address:3581696\noffset: 60; UFIF Address:3581697");
}

} // namespace
