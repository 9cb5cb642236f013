#include "common/IntegerText.h"

#include "common/AppError.h"

#include <string>

namespace {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<int32_t> parseHex(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        int d = hexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> parseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

} // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return parseHex(text.substr(2));
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X'))
        return parseHex(text.substr(1));
    return parseDecimal(text);
}

int32_t StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text))
        return *value;
    throw AppError::standard("'" + std::string(text) + "' is not a valid integer value");
}
