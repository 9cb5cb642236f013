#include "gbp/VirtualPhone.h"

#include "gbp/LinkPacing.h"
#include "gbp/NvmStore.h"
#include "gbp/PhoneCodes.h"
#include "gbp/PhoneRoot.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <span>
#include <sys/file.h>
#include <unistd.h>

namespace gbp {

namespace {

void report(const std::filesystem::path& file, const std::string& text) {
    std::fprintf(stderr, "libgbp: %s: %s\n", file.c_str(), text.c_str());
}

std::string folderKey(const std::filesystem::path& folder) {
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(folder, ec);
    return (ec ? folder : canonical).string();
}

} // namespace

std::optional<PhoneConfig> VirtualPhone::loadConfig(const std::filesystem::path& folder,
                                                    History& history) {
    const auto path = folder / "phone.ini";
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return PhoneConfig{};
    std::ifstream in;
    if (status.type() == std::filesystem::file_type::regular)
        in.open(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        report(path, "cannot be read");
        return std::nullopt;
    }
    ConfigParse parse = ParsePhoneConfig(text);
    if (!parse.config) {
        report(path, parse.error);
        return std::nullopt;
    }
    // Once per phone and process: a manager opens many sessions.
    if (!history.warned) {
        for (const auto& w : parse.warnings)
            report(path, w);
        history.warned = true;
    }
    return parse.config;
}

std::optional<int32_t> VirtualPhone::countAndFault(History& history, const PhoneConfig& config,
                                                   PhoneCall call, int section, int file) {
    const uint32_t n = ++history.calls[FaultKey{call, section, file, 0}];
    return config.faultFor(call, section, file, n);
}

int32_t VirtualPhone::init(int32_t port) {
    std::lock_guard lock(mutex_);
    if (port < 1 || port > 4)
        return kNoPhone;
    const auto folder = PortFolder(PhoneRootFolder(), port);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return kNoPhone;

    History& history = histories_[folderKey(folder)];
    const uint32_t occurrence = ++history.calls[FaultKey{PhoneCall::InitGBPMode, -1, -1, 0}];
    auto config = loadConfig(folder, history);
    if (!config)
        return kBadConfig;
    PaceCall(config->baud, 0);
    if (auto fault = config->faultFor(PhoneCall::InitGBPMode, -1, -1, occurrence))
        return *fault;
    if (session_)
        return kBusy;

    const int fd = ::open((folder / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return kIoError;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? kBusy : kIoError;
    }
    session_ = Session{folder, fd, std::move(*config), &history};
    return 0;
}

int32_t VirtualPhone::end() {
    std::lock_guard lock(mutex_);
    if (!session_)
        return kNoSession;
    const auto fault =
        countAndFault(*session_->history, session_->config, PhoneCall::EndGBPMode, -1, -1);
    PaceCall(session_->config.baud, 0);
    // Closing the descriptor releases the lock.
    ::close(session_->lockFd);
    session_.reset();
    return fault.value_or(0);
}

int32_t VirtualPhone::size(uint8_t section, uint8_t file) {
    std::lock_guard lock(mutex_);
    if (!session_)
        return kNoSession;
    const auto fault = countAndFault(*session_->history, session_->config,
                                     PhoneCall::GetNVMFileSize, section, file);
    PaceCall(session_->config.baud, 4);
    return fault ? *fault : NvmStore(session_->folder).size(section, file);
}

int32_t VirtualPhone::read(uint8_t section, uint8_t file, uint8_t* buffer, int32_t capacity) {
    std::lock_guard lock(mutex_);
    if (!session_)
        return kNoSession;
    const auto fault =
        countAndFault(*session_->history, session_->config, PhoneCall::ReadNVMFile, section, file);
    // A fault with a count still delivers the bytes, so a link that
    // misreports how many it sent can be shown; a negative one delivers none.
    if (fault && *fault < 0) {
        PaceCall(session_->config.baud, 0);
        return *fault;
    }
    if (capacity < 0 || (!buffer && capacity > 0)) {
        PaceCall(session_->config.baud, 0);
        return fault.value_or(kBadArgument);
    }
    const int32_t stored =
        NvmStore(session_->folder)
            .read(section, file, std::span(buffer, static_cast<size_t>(capacity)));
    PaceCall(session_->config.baud, stored);
    return fault.value_or(stored);
}

int32_t VirtualPhone::write(uint8_t section, uint8_t file, const uint8_t* buffer, int32_t length) {
    std::lock_guard lock(mutex_);
    if (!session_)
        return kNoSession;
    const auto fault =
        countAndFault(*session_->history, session_->config, PhoneCall::WriteNVMFile, section, file);
    PaceCall(session_->config.baud, length);
    if (fault)
        return *fault;
    if (length < 0 || (!buffer && length > 0))
        return kBadArgument;
    return NvmStore(session_->folder)
        .write(section, file, std::span(buffer, static_cast<size_t>(length)),
               session_->config.capacity);
}

int32_t VirtualPhone::clear(uint8_t section, uint8_t file) {
    std::lock_guard lock(mutex_);
    if (!session_)
        return kNoSession;
    const auto fault =
        countAndFault(*session_->history, session_->config, PhoneCall::ClearNVMFile, section, file);
    PaceCall(session_->config.baud, 0);
    return fault ? *fault : NvmStore(session_->folder).clear(section, file);
}

} // namespace gbp
