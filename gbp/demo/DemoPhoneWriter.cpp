#include "gbp/demo/DemoPhoneWriter.h"

#include "gbp/PhoneRoot.h"
#include "gbp/demo/DemoSlots.h"

#include <fcntl.h>
#include <fstream>
#include <span>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPhoneIni =
    R"(; Settings of this virtual phone; every line may be removed.
; Total bytes of all NVM files. A write that would go past it stores nothing.
capacity = 1048576
; Speed of the simulated serial link, in baud; 0 = instant. Try 115200.
baud = 0

[faults]
; <call> [<section>-<file>][#<n>] = <answer>: the call answers <answer> and does nothing, e.g.
; InitGBPMode#2 = -1
; ReadNVMFile 18-9 = -12
)";

bool writeFile(const fs::path& path, std::span<const uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

// Holds the phone's session lock, so no manager uses the phone meanwhile.
class PhoneLock {
  public:
    explicit PhoneLock(const fs::path& phone)
        : fd_(::open((phone / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
        held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    }
    ~PhoneLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PhoneLock(const PhoneLock&) = delete;
    PhoneLock& operator=(const PhoneLock&) = delete;
    bool held() const { return held_; }

  private:
    int fd_;
    bool held_ = false;
};

} // namespace

int WriteDemoPhone(const fs::path& root, ExistingPhone existing, std::ostream& out,
                   std::ostream& err) {
    const fs::path phone = gbp::PortFolder(root, 1);
    const fs::path nvm = phone / "nvm";
    std::error_code ec;
    const bool exists = fs::exists(phone, ec);
    if (exists && existing == ExistingPhone::Keep) {
        out << "A phone already exists in " << phone.string() << "; leaving it as it is.\n";
        return 0;
    }
    if (exists && existing == ExistingPhone::Refuse) {
        err << "A phone already exists in " << phone.string()
            << "; use --force to replace its slots.\n";
        return 1;
    }
    fs::create_directories(nvm, ec);
    if (ec) {
        err << "Cannot create " << nvm.string() << ": " << ec.message() << "\n";
        return 1;
    }
    const PhoneLock lock(phone);
    if (!lock.held()) {
        err << "The phone in " << phone.string()
            << " is in use; close the program using it first.\n";
        return 1;
    }
    for (const auto& entry : fs::directory_iterator(nvm, ec)) {
        if (entry.is_regular_file())
            fs::remove(entry.path(), ec);
    }
    if (!writeFile(
            phone / "phone.ini",
            std::span(reinterpret_cast<const uint8_t*>(kPhoneIni.data()), kPhoneIni.size()))) {
        err << "Cannot write " << (phone / "phone.ini").string() << "\n";
        return 1;
    }
    out << "Demo phone in " << phone.string() << ":\n";
    for (const auto& slot : DemoSlots()) {
        const std::string name = std::to_string(slot.section) + "-" + std::to_string(slot.file);
        if (!writeFile(nvm / name, slot.bytes)) {
            err << "Cannot write " << (nvm / name).string() << "\n";
            return 1;
        }
        out << "  " << name << "\t" << slot.bytes.size() << " bytes\t" << slot.what << "\n";
    }
    out << "  other slots absent\n";
    return 0;
}
