#pragma once

#include "phonelink/PhoneLink.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// An in-process phone for command tests. It keeps NVM files in memory,
// records every call in order ("InitGBPMode(1)", "ReadNVMFile(18,9,128)",
// "WriteNVMFile(18,9,<length>)", ...) and can be told what any call answers.
class FakePhone {
public:
    using Key = std::pair<uint8_t, uint8_t>;

    FakePhone();

    // The table that commands receive; it refers to this phone.
    const PhoneLink& link() const { return link_; }
    // Removes one entry point, as a library that lacks the export.
    void removeEntryPoint(const std::string& name);

    void setFile(uint8_t section, uint8_t file, std::vector<uint8_t> bytes);
    void removeFile(uint8_t section, uint8_t file);
    std::optional<std::vector<uint8_t>> file(uint8_t section, uint8_t file) const;

    // Answers of InitGBPMode, one per call in order; when used up, 0.
    std::vector<int32_t> initResults;
    // Fixed answers for one slot; when set, the call answers this code and
    // (for a read or write) stores nothing.
    std::map<Key, int32_t> sizeResults;
    std::map<Key, int32_t> readResults;
    // A read of that slot stores what it should but answers this count, as a
    // library that overstates what it stored.
    std::map<Key, int32_t> claimedReadCounts;
    // When set, a write to that slot stores nothing (the phone is full).
    std::map<Key, bool> writeDropped;

    std::vector<std::string> calls;
    int openSessions() const { return openSessions_; }

private:
    std::map<Key, std::vector<uint8_t>> files_;
    PhoneLink link_;
    int openSessions_ = 0;
};
