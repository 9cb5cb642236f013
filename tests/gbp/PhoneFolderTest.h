#pragma once

#include "phonelink/PhoneLink.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Each test gets its own phone folder (GBP_PHONE_DIR) with an empty COM1,
// served by the built libgbp.so through the manager's loader. The library is
// loaded once per process and keeps its session between tests, so every
// test ends with EndGBPMode.
class PhoneFolderTest : public ::testing::Test {
  protected:
    static const PhoneLink& phone();

    void SetUp() override;
    void TearDown() override;

    std::filesystem::path slotPath(const std::string& slot) const { return com1 / "nvm" / slot; }
    void put(const std::string& slot, const Bytes& bytes) const;
    Bytes contents(const std::string& slot) const;
    void writeIni(std::string_view text) const;

    std::filesystem::path root;
    std::filesystem::path com1;
};

Bytes Pattern(size_t length, uint8_t seed = 1);
