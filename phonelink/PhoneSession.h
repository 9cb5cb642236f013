#pragma once

#include "phonelink/PhoneLink.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// One phone session: InitGBPMode when opened, EndGBPMode exactly once when
// ended or destroyed (also when an exception leaves the command), never after
// a failed open. An entry point the library lacks is never called: using it
// throws AppError::message naming the function, caption "ERROR".
class PhoneSession {
public:
    // nullopt when InitGBPMode answers anything but 0.
    static std::optional<PhoneSession> open(const PhoneLink& link, int32_t port);

    PhoneSession(PhoneSession&& other) noexcept;
    PhoneSession& operator=(PhoneSession&&) = delete;
    PhoneSession(const PhoneSession&) = delete;
    ~PhoneSession();

    void end();

    int32_t size(uint8_t section, uint8_t file);
    // The count is clamped to the buffer's size, so a library that claims
    // more than it was allowed to store never makes a caller read past it.
    int32_t read(uint8_t section, uint8_t file, std::span<uint8_t> buffer);
    int32_t write(uint8_t section, uint8_t file, std::span<const uint8_t> bytes);
    int32_t clear(uint8_t section, uint8_t file);

private:
    explicit PhoneSession(const PhoneLink& link) : link_(&link) {}
    const PhoneLink* link_;
    bool open_ = true;
};

// The message shown when the library lacks an entry point a command needs.
std::string MissingEntryPointText(const char* function);
