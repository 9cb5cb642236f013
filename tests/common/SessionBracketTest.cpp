#include "common/AppError.h"
#include "common/Command.h"
#include "phonelink/PhoneSession.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Calls = std::vector<std::string>;

TEST(SessionBracket, EndsExactlyOnceAfterASuccessfulOpen) {
    FakePhone phone;
    {
        auto session = PhoneSession::open(phone.link(), 2);
        ASSERT_TRUE(session);
        session->end();
    }
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(2)", "EndGBPMode()"}));
}

TEST(SessionBracket, NeverEndsAFailedOpen) {
    FakePhone phone;
    phone.initResults = {-1};
    EXPECT_FALSE(PhoneSession::open(phone.link(), 1));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)"}));
}

TEST(SessionBracket, AnErrorInsideACommandClosesTheSessionBeforeItIsShown) {
    FakePhone phone;
    phone.setFile(18, 9, {1, 2, 3});
    AppState state;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
    bool ran = RunCommand(ctx, [&] {
        auto session = OpenSessionOrReport(ctx);
        ASSERT_TRUE(session);
        session->size(18, 9);
        throw AppError::standard("'x' is not a valid integer value");
    });
    EXPECT_FALSE(ran);
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "GetNVMFileSize(18,9)", "EndGBPMode()"}));
    EXPECT_EQ(phone.openSessions(), 0);
    EXPECT_EQ(ui.events, (Calls{"error:'x' is not a valid integer value"}));
    EXPECT_TRUE(state.slotMenuEnabled);
    EXPECT_FALSE(state.commandRunning);
}

TEST(SessionBracket, AMissingEntryPointIsNeverCalled) {
    FakePhone phone;
    phone.removeEntryPoint("GetNVMFileSize");
    AppState state;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
    RunCommand(ctx, [&] {
        auto session = OpenSessionOrReport(ctx);
        session->size(18, 9);
    });
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(1)", "EndGBPMode()"}));
    EXPECT_EQ(ui.eventsOf("message"), (Calls{"ERROR:" + MissingEntryPointText("GetNVMFileSize")}));
}

TEST(SessionBracket, AFailedOpenIsReported) {
    FakePhone phone;
    phone.initResults = {5};
    AppState state;
    state.portIndex = 3;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
    EXPECT_FALSE(OpenSessionOrReport(ctx));
    EXPECT_EQ(phone.calls, (Calls{"InitGBPMode(4)"}));
    EXPECT_EQ(ui.events, (Calls{"message:ERROR:Can't Init GPB Mode"}));
    EXPECT_TRUE(state.slotMenuEnabled);
}

TEST(SessionBracket, ReadCountsAreClampedToTheCapacity) {
    FakePhone phone;
    phone.readResults[{18, 9}] = 5000;
    auto session = PhoneSession::open(phone.link(), 1);
    std::array<uint8_t, 128> buffer{};
    EXPECT_EQ(session->read(18, 9, buffer), 128);
}

TEST(RunCommand, ASecondCommandWhileOneRunsIsIgnored) {
    FakePhone phone;
    AppState state;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
    int inner = 0;
    RunCommand(ctx, [&] { EXPECT_FALSE(RunCommand(ctx, [&] { ++inner; })); });
    EXPECT_EQ(inner, 0);
    EXPECT_TRUE(RunCommand(ctx, [&] { ++inner; }));
    EXPECT_EQ(inner, 1);
}

} // namespace
