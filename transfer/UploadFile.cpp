#include "transfer/UploadFile.h"

#include "common/AppError.h"
#include "transfer/TrimTrailingNops.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr uint8_t kNopLow = 0xC0;
constexpr uint8_t kNopHigh = 0x46;

// An open descriptor of a regular file, closed on every way out. Only regular
// files are taken: a FIFO or a device could block or never end, and a
// directory has no bytes. The open itself is non-blocking so that naming a
// FIFO without a writer cannot hang the command before it is refused.
class UploadSource {
  public:
    explicit UploadSource(const std::string& path) : path_(path) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0)
            throw AppError::cannotOpenFile(path_);
        struct stat info {};
        if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd_);
            throw AppError::cannotOpenFile(path_);
        }
    }
    UploadSource(const UploadSource&) = delete;
    UploadSource& operator=(const UploadSource&) = delete;
    ~UploadSource() { ::close(fd_); }

    // Up to `count` bytes into `into`; fewer only at the end of the file.
    size_t read(uint8_t* into, size_t count) {
        size_t done = 0;
        while (done < count) {
            const ssize_t got = ::read(fd_, into + done, count - done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                throw AppError::cannotOpenFile(path_);
            if (got == 0)
                break;
            done += static_cast<size_t>(got);
        }
        return done;
    }

  private:
    std::string path_;
    int fd_ = -1;
};

// Whether the bytes past the limit can all be trimmed away, followed while
// they stream by: they must be whole C0 46 pairs counted back from the end of
// the file, so they either start a pair at the limit (even count) or finish
// the pair whose C0 is the last byte kept (odd count).
class TailCheck {
  public:
    explicit TailCheck(bool lastKeptIsNopLow) : oddPossible_(lastKeptIsNopLow) {}

    void feed(const uint8_t* bytes, size_t count) {
        for (size_t i = 0; i < count && possible(); ++i, ++length_) {
            const bool evenPosition = length_ % 2 == 0;
            const uint8_t byte = bytes[i];
            evenPossible_ = evenPossible_ && byte == (evenPosition ? kNopLow : kNopHigh);
            oddPossible_ = oddPossible_ && byte == (evenPosition ? kNopHigh : kNopLow);
        }
    }

    bool possible() const { return evenPossible_ || oddPossible_; }
    size_t length() const { return length_; }
    // At the end of the file: the tail is trailing pairs with this parity.
    bool fitsEven() const { return evenPossible_ && length_ % 2 == 0; }
    bool fitsOdd() const { return oddPossible_ && length_ % 2 == 1; }

  private:
    bool evenPossible_ = true;
    bool oddPossible_;
    size_t length_ = 0;
};

} // namespace

TrimmedUpload ReadTrimmedUpload(const std::string& path, size_t limit) {
    UploadSource source(path);
    TrimmedUpload result;
    result.bytes.resize(limit);
    const size_t kept = source.read(result.bytes.data(), limit);
    result.bytes.resize(kept);

    std::vector<uint8_t> chunk(65536);
    TailCheck tail(kept == limit && limit > 0 && result.bytes[limit - 1] == kNopLow);
    if (kept == limit) {
        while (tail.possible()) {
            const size_t got = source.read(chunk.data(), chunk.size());
            if (got == 0)
                break;
            tail.feed(chunk.data(), got);
        }
    }

    size_t end = kept;
    if (tail.length() > 0) {
        if (tail.fitsEven()) {
            end = limit;
        } else if (tail.fitsOdd()) {
            end = limit - 1;
        } else {
            result.bytes.clear();
            result.tooBig = true;
            return result;
        }
    }
    result.bytes.resize(TrimTrailingNops(result.bytes, end));
    return result;
}

std::vector<uint8_t> ReadFilePrefix(const std::string& path, size_t limit) {
    UploadSource source(path);
    std::vector<uint8_t> bytes(limit);
    bytes.resize(source.read(bytes.data(), limit));
    return bytes;
}
