#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Test files written and read whole; writing creates the missing folders.
void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteText(const std::filesystem::path& path, const std::string& text);
// The bytes of a regular file, or nullopt when there is none.
std::optional<Bytes> ReadBytes(const std::filesystem::path& path);

// A new folder under the system's temporary folder, removed with everything
// in it (also what a test made unreadable) when the object goes.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};
