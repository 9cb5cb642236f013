#include "phonelink/PhoneSession.h"

#include "common/AppError.h"

#include <limits>
#include <string>

std::string MissingEntryPointText(const char* function) {
    return std::string("The phone link library has no function ") + function +
           "; this command cannot run with it.";
}

namespace {

template <typename Fn> const Fn& require(const Fn& fn, const char* name) {
    if (!fn)
        throw AppError::message(MissingEntryPointText(name), "ERROR");
    return fn;
}

int32_t clampLength(size_t n) {
    constexpr auto max = static_cast<size_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(n > max ? max : n);
}

} // namespace

std::optional<PhoneSession> PhoneSession::open(const PhoneLink& link, int32_t port) {
    if (require(link.InitGBPMode, "InitGBPMode")(port) != 0)
        return std::nullopt;
    return PhoneSession(link);
}

PhoneSession::PhoneSession(PhoneSession&& other) noexcept : link_(other.link_), open_(other.open_) {
    other.open_ = false;
}

PhoneSession::~PhoneSession() {
    end();
}

void PhoneSession::end() {
    if (!open_)
        return;
    open_ = false;
    if (link_->EndGBPMode)
        link_->EndGBPMode();
}

int32_t PhoneSession::size(uint8_t section, uint8_t file) {
    return require(link_->GetNVMFileSize, "GetNVMFileSize")(section, file);
}

int32_t PhoneSession::read(uint8_t section, uint8_t file, std::span<uint8_t> buffer) {
    const int32_t capacity = clampLength(buffer.size());
    int32_t n = require(link_->ReadNVMFile, "ReadNVMFile")(section, file, buffer.data(), capacity);
    return n > capacity ? capacity : n;
}

int32_t PhoneSession::write(uint8_t section, uint8_t file, std::span<const uint8_t> bytes) {
    return require(link_->WriteNVMFile, "WriteNVMFile")(section, file, bytes.data(),
                                                         clampLength(bytes.size()));
}

int32_t PhoneSession::clear(uint8_t section, uint8_t file) {
    return require(link_->ClearNVMFile, "ClearNVMFile")(section, file);
}
