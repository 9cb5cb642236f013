#include "common/AppError.h"
#include "common/IntegerText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Case {
    const char* text;
    std::optional<int32_t> value;
};

const Case kCases[] = {
    {"0", 0},
    {"09", 9},
    {"  12", 12},
    {"+12", 12},
    {"-1", -1},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$1F", 0x1F},
    {"x1f", 0x1F},
    {"X1F", 0x1F},
    {"0x1F", 0x1F},
    {"0X1f", 0x1F},
    {"0xFFFFFFFF", -1},
    {"0x80000000", INT32_MIN},
    {"0x0000000000001", 1},
    {"0x100000000", std::nullopt},
    {"-0x10", std::nullopt},
    {"+$10", std::nullopt},
    {"0x", std::nullopt},
    {"$", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"+", std::nullopt},
    {"12 ", std::nullopt},
    {"\t12", std::nullopt},
    {"1f", std::nullopt},
    {"0x1G", std::nullopt},
    {"1.5", std::nullopt},
};

TEST(IntegerText, FollowsTheConversionRule) {
    for (const auto& c : kCases)
        EXPECT_EQ(TryStrToInt(c.text), c.value) << "text '" << c.text << "'";
}

TEST(IntegerText, FailureRaisesTheStandardErrorText) {
    try {
        StrToInt("abc ");
        FAIL() << "no error raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.kind(), AppError::Kind::StandardError);
        EXPECT_STREQ(e.what(), "'abc ' is not a valid integer value");
    }
    EXPECT_EQ(StrToInt(" 0x10"), 16);
}

} // namespace
