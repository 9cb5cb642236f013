#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Builds the first bytes of a slot for recognition tests.
class HeaderBytes {
  public:
    explicit HeaderBytes(size_t size = 128) : bytes_(size, 0) {}

    HeaderBytes& word(size_t at, uint32_t value) {
        for (size_t i = 0; i < 4; ++i)
            bytes_.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
        return *this;
    }
    HeaderBytes& text(size_t at, std::string_view s) {
        for (size_t i = 0; i < s.size(); ++i)
            bytes_.at(at + i) = static_cast<uint8_t>(s[i]);
        return *this;
    }
    HeaderBytes& utf16(size_t at, std::u16string_view s) {
        for (size_t i = 0; i < s.size(); ++i) {
            bytes_.at(at + 2 * i) = static_cast<uint8_t>(s[i]);
            bytes_.at(at + 2 * i + 1) = static_cast<uint8_t>(s[i] >> 8);
        }
        return *this;
    }

    operator const std::vector<uint8_t>&() const { return bytes_; }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};
