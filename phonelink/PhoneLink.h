#pragma once

#include <cstdint>
#include <functional>

// The entry points of the phone link, each resolved or empty. The loader
// fills it from libgbp.so; tests fill it from an in-process fake phone.
struct PhoneLink {
    std::function<int32_t(int32_t port)> InitGBPMode;
    std::function<int32_t()> EndGBPMode;
    std::function<int32_t(uint8_t section, uint8_t file, uint8_t* buffer, int32_t capacity)>
        ReadNVMFile;
    std::function<int32_t(uint8_t section, uint8_t file, const uint8_t* buffer, int32_t length)>
        WriteNVMFile;
    std::function<int32_t(uint8_t section, uint8_t file)> ClearNVMFile;
    std::function<int32_t(uint8_t section, uint8_t file)> GetNVMFileSize;

    // Start-up needs the first three; the others are checked when used.
    bool usable() const { return InitGBPMode && EndGBPMode && ReadNVMFile; }
};
