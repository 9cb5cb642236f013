#pragma once

#include "gbp/PhoneConfig.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace gbp {

// The phone behind the six exported functions: one session at a time per
// process, exclusive across processes through an advisory lock on
// <phone>/.lock, settings and faults from <phone>/phone.ini read when the
// session opens. Calls are counted per phone folder for the whole life of
// the process, so a fault can pick the n-th call.
class VirtualPhone {
  public:
    int32_t init(int32_t port);
    int32_t end();
    int32_t size(uint8_t section, uint8_t file);
    int32_t read(uint8_t section, uint8_t file, uint8_t* buffer, int32_t capacity);
    int32_t write(uint8_t section, uint8_t file, const uint8_t* buffer, int32_t length);
    int32_t clear(uint8_t section, uint8_t file);

  private:
    struct History {
        std::map<FaultKey, uint32_t> calls; // keys with occurrence 0
        bool warned = false;
    };
    struct Session {
        std::filesystem::path folder;
        int lockFd = -1;
        PhoneConfig config;
        History* history = nullptr;
    };

    // Counts the call and answers the fault set for it, if any.
    std::optional<int32_t> countAndFault(History& history, const PhoneConfig& config,
                                         PhoneCall call, int section, int file);
    std::optional<PhoneConfig> loadConfig(const std::filesystem::path& folder, History& history);

    std::mutex mutex_;
    std::map<std::string, History> histories_; // by phone folder
    std::optional<Session> session_;
};

} // namespace gbp
