#include "bench/BenchWorkspace.h"

#include "bench/SampleSlots.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t kSlotBytes = 4096;
constexpr off_t kSparseSize = off_t{4} << 30;

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// Every slot of the ranges holds a 4 KiB file starting with one of the sample
// headers in turn, so the refresh meets every kind of content.
void MakePhone(const fs::path& root) {
    const fs::path nvm = root / "COM1" / "nvm";
    fs::create_directories(nvm);
    std::ofstream(root / "COM1" / "phone.ini") << "capacity = 67108864\nbaud = 0\n";
    const auto& headers = SampleHeaders();
    for (int row = 1; row <= kBenchRanges.BigSlots + kBenchRanges.SmallSlots; ++row) {
        const SlotAddress slot = SlotForRow(kBenchRanges, row);
        std::vector<uint8_t> bytes = ProgramImage(kSlotBytes, static_cast<uint32_t>(row));
        const auto& header = headers[static_cast<size_t>(row) % headers.size()].bytes;
        std::copy(header.begin(), header.end(), bytes.begin());
        WriteFile(nvm / (std::to_string(slot.section) + "-" + std::to_string(slot.file)), bytes);
    }
}

void MakeSparseFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool made = fd >= 0 && ::ftruncate(fd, kSparseSize) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!made)
        throw std::runtime_error("cannot make the sparse file " + path);
}

} // namespace

BenchWorkspace::BenchWorkspace() {
    std::string pattern = (fs::temp_directory_path() / "adeduze-bench.XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    dir_ = pattern;
    MakePhone(phoneRoot());
    MakeSparseFile(sparseUpload());
}

BenchWorkspace::~BenchWorkspace() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}
