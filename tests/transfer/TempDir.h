#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with everything
// in it at the end of the test.
class TempDir {
  public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Makes a folder the current directory for the life of the object, then
// returns to the one before.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& dir);
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;
    ~CurrentDirectory();

  private:
    std::filesystem::path previous_;
};
