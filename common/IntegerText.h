#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The manager's one text-to-integer rule: leading spaces only; then an
// optional sign with decimal digits in the signed 32-bit range, or, without a
// sign, "$", "x", "X", "0x" or "0X" with hexadecimal digits whose value fits in
// 32 bits (the bit pattern is taken as signed). Nothing may follow the digits.
std::optional<int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt; a text that is not a number throws AppError::standard with
// "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);
