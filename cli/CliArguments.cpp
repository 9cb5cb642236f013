#include "cli/CliArguments.h"

namespace {

// Decimal digits only; values above `max` give nullopt however many digits.
std::optional<int> ParseBoundedDecimal(std::string_view text, int max) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > max)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<SlotAddress> ParseSlotArgument(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto section = ParseBoundedDecimal(text.substr(0, dash), 255);
    const auto file = ParseBoundedDecimal(text.substr(dash + 1), 255);
    if (!section || !file || (*section != kBigSection && *section != kSmallSection))
        return std::nullopt;
    return SlotAddress{static_cast<uint8_t>(*section), static_cast<uint8_t>(*file)};
}

std::optional<int> ParseFirmwareArgument(const FirmwareChoice& firmware, std::string_view text) {
    const int count = static_cast<int>(firmware.entries.size());
    if (const auto index = ParseBoundedDecimal(text, count - 1))
        return index;
    for (int i = 0; i < count; ++i) {
        if (firmware.entries[static_cast<size_t>(i)] == text)
            return i;
    }
    return std::nullopt;
}
