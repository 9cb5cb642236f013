// The integer text rule against a plain model of it, on arbitrary texts.
#include "FuzzCheck.h"
#include "common/AppError.h"
#include "common/IntegerText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Digits in a base, without limit on their number; nullopt past `max`.
std::optional<uint64_t> Digits(std::string_view digits, int base, uint64_t max) {
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int d = DigitValue(c, base);
        if (d < 0)
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
        if (value > max)
            return std::nullopt;
    }
    return value;
}

std::optional<int32_t> Model(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) {
            const auto v = Digits(text.substr(prefix.size()), 16, 0xFFFFFFFFu);
            if (!v)
                return std::nullopt;
            return static_cast<int32_t>(static_cast<uint32_t>(*v));
        }
    }
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    const auto v = Digits(text, 10, negative ? 2147483648u : 2147483647u);
    if (!v)
        return std::nullopt;
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(*v) : static_cast<int64_t>(*v));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int32_t> value = TryStrToInt(text);
    FUZZ_CHECK(value == Model(text));
    try {
        FUZZ_CHECK(StrToInt(text) == value);
    } catch (const AppError& error) {
        FUZZ_CHECK(!value);
        // what() is a C string: a NUL byte in the text ends it early.
        const std::string expected = "'" + text + "' is not a valid integer value";
        FUZZ_CHECK(error.what() == expected.substr(0, expected.find('\0')));
    }
    return 0;
}
