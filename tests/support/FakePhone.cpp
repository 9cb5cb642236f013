#include "tests/support/FakePhone.h"

#include "phonelink/GbpApi.h"

#include <algorithm>
#include <cstring>

namespace {
std::string args(uint8_t s, uint8_t f) {
    return std::to_string(s) + "," + std::to_string(f);
}
} // namespace

FakePhone::FakePhone() {
    link_.InitGBPMode = [this](int32_t port) {
        calls.push_back("InitGBPMode(" + std::to_string(port) + ")");
        int32_t r = 0;
        if (!initResults.empty()) {
            r = initResults.front();
            initResults.erase(initResults.begin());
        }
        if (r == 0)
            ++openSessions_;
        return r;
    };
    link_.EndGBPMode = [this]() {
        calls.push_back("EndGBPMode()");
        --openSessions_;
        return 0;
    };
    link_.GetNVMFileSize = [this](uint8_t s, uint8_t f) {
        calls.push_back("GetNVMFileSize(" + args(s, f) + ")");
        if (auto it = sizeResults.find({s, f}); it != sizeResults.end())
            return it->second;
        auto it = files_.find({s, f});
        return it == files_.end() ? int32_t{GBP_NO_SUCH_FILE} : static_cast<int32_t>(it->second.size());
    };
    link_.ReadNVMFile = [this](uint8_t s, uint8_t f, uint8_t* buffer, int32_t capacity) {
        calls.push_back("ReadNVMFile(" + args(s, f) + "," + std::to_string(capacity) + ")");
        if (auto it = readResults.find({s, f}); it != readResults.end())
            return it->second;
        auto it = files_.find({s, f});
        if (it == files_.end())
            return int32_t{GBP_NO_SUCH_FILE};
        size_t n = std::min(it->second.size(), static_cast<size_t>(std::max(capacity, 0)));
        if (n > 0)
            std::memcpy(buffer, it->second.data(), n);
        if (auto claimed = claimedReadCounts.find({s, f}); claimed != claimedReadCounts.end())
            return claimed->second;
        return static_cast<int32_t>(n);
    };
    link_.WriteNVMFile = [this](uint8_t s, uint8_t f, const uint8_t* buffer, int32_t length) {
        calls.push_back("WriteNVMFile(" + args(s, f) + "," + std::to_string(length) + ")");
        if (writeDropped.count({s, f}))
            return int32_t{-1};
        files_[{s, f}] = std::vector<uint8_t>(buffer, buffer + std::max(length, 0));
        return length;
    };
    link_.ClearNVMFile = [this](uint8_t s, uint8_t f) {
        calls.push_back("ClearNVMFile(" + args(s, f) + ")");
        files_.erase({s, f});
        return int32_t{0};
    };
}

void FakePhone::removeEntryPoint(const std::string& name) {
    if (name == "InitGBPMode")
        link_.InitGBPMode = nullptr;
    else if (name == "EndGBPMode")
        link_.EndGBPMode = nullptr;
    else if (name == "ReadNVMFile")
        link_.ReadNVMFile = nullptr;
    else if (name == "WriteNVMFile")
        link_.WriteNVMFile = nullptr;
    else if (name == "ClearNVMFile")
        link_.ClearNVMFile = nullptr;
    else if (name == "GetNVMFileSize")
        link_.GetNVMFileSize = nullptr;
}

void FakePhone::setFile(uint8_t section, uint8_t file, std::vector<uint8_t> bytes) {
    files_[{section, file}] = std::move(bytes);
}

void FakePhone::removeFile(uint8_t section, uint8_t file) {
    files_.erase({section, file});
}

std::optional<std::vector<uint8_t>> FakePhone::file(uint8_t section, uint8_t file) const {
    auto it = files_.find({section, file});
    if (it == files_.end())
        return std::nullopt;
    return it->second;
}
