#pragma once

#include "slots/SlotTable.h"

#include <string>

// The benchmarks' temporary folder, removed when the run ends: a virtual
// phone on COM1 with 99 filled slots and an instant link, and a 4 GiB
// sparse upload file.
class BenchWorkspace {
  public:
    BenchWorkspace();
    ~BenchWorkspace();
    BenchWorkspace(const BenchWorkspace&) = delete;
    BenchWorkspace& operator=(const BenchWorkspace&) = delete;

    const std::string& dir() const { return dir_; }
    std::string phoneRoot() const { return dir_ + "/phones"; }
    std::string sparseUpload() const { return dir_ + "/upload-4GiB.prg"; }

  private:
    std::string dir_;
};

// The ranges of the phone: 89 big slots and 10 small ones, 99 grid rows.
constexpr RangeSettings kBenchRanges{9, 89, 10, 10};
