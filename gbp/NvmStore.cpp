#include "gbp/NvmStore.h"

#include "gbp/PhoneCodes.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace gbp {

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

bool writeAll(int fd, const uint8_t* data, size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        length -= static_cast<size_t>(n);
    }
    return true;
}

// A rename or unlink is durable only once its folder is flushed.
void syncFolder(const std::filesystem::path& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

std::optional<uint8_t> parseByte(const std::string& s) {
    // Canonical decimal only, so "18-9" and "18-09" never both count.
    if (s.empty() || s.size() > 3 || (s.size() > 1 && s[0] == '0'))
        return std::nullopt;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255)
        return std::nullopt;
    return static_cast<uint8_t>(value);
}

} // namespace

bool ParseSlotFileName(const std::string& name, uint8_t& section, uint8_t& file) {
    const size_t dash = name.find('-');
    if (dash == std::string::npos)
        return false;
    const auto s = parseByte(name.substr(0, dash));
    const auto f = parseByte(name.substr(dash + 1));
    if (!s || !f)
        return false;
    section = *s;
    file = *f;
    return true;
}

NvmStore::NvmStore(std::filesystem::path phoneFolder) : nvm_(std::move(phoneFolder) / "nvm") {}

std::filesystem::path NvmStore::slotPath(uint8_t section, uint8_t file) const {
    return nvm_ / (std::to_string(section) + "-" + std::to_string(file));
}

int32_t NvmStore::size(uint8_t section, uint8_t file) const {
    struct stat st {};
    if (::stat(slotPath(section, file).c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? kNoSuchFile : kIoError;
    if (!S_ISREG(st.st_mode) || st.st_size > std::numeric_limits<int32_t>::max())
        return kIoError;
    return static_cast<int32_t>(st.st_size);
}

int32_t NvmStore::read(uint8_t section, uint8_t file, std::span<uint8_t> buffer) const {
    Fd fd(::open(slotPath(section, file).c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? kNoSuchFile : kIoError;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return kIoError;
    size_t stored = 0;
    while (stored < buffer.size()) {
        const ssize_t n = ::read(fd.get(), buffer.data() + stored, buffer.size() - stored);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return kIoError;
        if (n == 0)
            break;
        stored += static_cast<size_t>(n);
    }
    return static_cast<int32_t>(stored);
}

int64_t NvmStore::otherSlotsTotal(uint8_t section, uint8_t file) const {
    std::error_code ec;
    std::filesystem::directory_iterator it(nvm_, ec);
    if (ec)
        return ec == std::errc::no_such_file_or_directory ? 0 : -1;
    int64_t total = 0;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        uint8_t s = 0, f = 0;
        if (!ParseSlotFileName(it->path().filename().string(), s, f) || (s == section && f == file))
            continue;
        const auto bytes = it->file_size(ec);
        if (!ec)
            total += static_cast<int64_t>(bytes);
    }
    return ec ? -1 : total;
}

int32_t NvmStore::write(uint8_t section, uint8_t file, std::span<const uint8_t> bytes,
                        uint64_t capacity) const {
    const int64_t others = otherSlotsTotal(section, file);
    if (others < 0)
        return kIoError;
    if (static_cast<uint64_t>(others) + bytes.size() > capacity)
        return kOutOfMemory;

    std::error_code ec;
    std::filesystem::create_directory(nvm_, ec);
    if (ec)
        return kIoError;
    const std::filesystem::path target = slotPath(section, file);
    std::string temp = (nvm_ / ("." + target.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return kIoError;
    const bool written = ::fchmod(fd.get(), 0644) == 0 &&
                         writeAll(fd.get(), bytes.data(), bytes.size()) && ::fsync(fd.get()) == 0 &&
                         ::close(fd.release()) == 0;
    if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return kIoError;
    }
    syncFolder(nvm_);
    return static_cast<int32_t>(bytes.size());
}

int32_t NvmStore::clear(uint8_t section, uint8_t file) const {
    if (::unlink(slotPath(section, file).c_str()) != 0)
        return errno == ENOENT || errno == ENOTDIR ? kNoSuchFile : kIoError;
    syncFolder(nvm_);
    return 0;
}

} // namespace gbp
