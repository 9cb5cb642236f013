#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace gbp {

// The NVM files of one phone: <phone>/nvm/<section>-<file>, numbers in
// decimal without leading zeros, raw bytes. Every answer is a count, a size
// or one of the codes of PhoneCodes.h.
class NvmStore {
  public:
    explicit NvmStore(std::filesystem::path phoneFolder);

    // Size in bytes, kNoSuchFile, or kIoError (also for a file too large to
    // answer in 32 bits).
    int32_t size(uint8_t section, uint8_t file) const;

    // Stores the file's first bytes, at most buffer.size(), and answers how many.
    int32_t read(uint8_t section, uint8_t file, std::span<uint8_t> buffer) const;

    // Replaces the whole file with bytes, or changes nothing: written to a
    // temporary file in the same folder, flushed to disk, then renamed over
    // the slot. kOutOfMemory when the phone's files would then total more
    // than capacity. Answers the count written.
    int32_t write(uint8_t section, uint8_t file, std::span<const uint8_t> bytes,
                  uint64_t capacity) const;

    // Removes the file; kNoSuchFile when there is none.
    int32_t clear(uint8_t section, uint8_t file) const;

  private:
    std::filesystem::path slotPath(uint8_t section, uint8_t file) const;
    // Total size of every slot file except the one named; nullopt-like -1 on error.
    int64_t otherSlotsTotal(uint8_t section, uint8_t file) const;

    std::filesystem::path nvm_;
};

// The slot a file name of the nvm folder stands for, when it is one.
bool ParseSlotFileName(const std::string& name, uint8_t& section, uint8_t& file);

} // namespace gbp
