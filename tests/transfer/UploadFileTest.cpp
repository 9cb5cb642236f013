#include "transfer/UploadFile.h"

#include "common/AppError.h"
#include "tests/transfer/TempDir.h"
#include "transfer/TrimTrailingNops.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

namespace {

using Bytes = std::vector<uint8_t>;

std::string WriteFile(const TempDir& dir, const std::string& name, const Bytes& bytes) {
    const std::string path = dir.file(name);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes Counting(size_t n) {
    Bytes bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + 1);
    return bytes;
}

Bytes WithNops(Bytes bytes, size_t pairs) {
    for (size_t i = 0; i < pairs; ++i) {
        bytes.push_back(0xC0);
        bytes.push_back(0x46);
    }
    return bytes;
}

void ExpectCannotOpen(const std::string& path, const std::function<void()>& read) {
    try {
        read();
        ADD_FAILURE() << "no error for " << path;
    } catch (const AppError& e) {
        EXPECT_EQ(e.kind(), AppError::Kind::StandardError);
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
}

struct UploadCase {
    const char* name;
    Bytes file;
    size_t limit;
    bool tooBig;
    size_t expectedLength; // a prefix of the file
};

// Reading in bounded memory must give exactly what trimming the whole file
// gives, including when the bytes past the limit are trailing no-ops.
TEST(ReadTrimmedUpload, MatchesTrimmingTheWholeFile) {
    const size_t limit = 16;
    Bytes oddPrefix = Counting(15);
    oddPrefix.push_back(0xC0); // byte 15 (the last kept) starts a pair that ends past the limit
    oddPrefix.push_back(0x46);
    oddPrefix = WithNops(oddPrefix, 3);

    const std::vector<UploadCase> cases = {
        {"small, untouched", Counting(10), limit, false, 10},
        {"small, trimmed", WithNops(Counting(10), 2), limit, false, 10},
        {"exactly the limit", Counting(16), limit, false, 16},
        {"one byte over", Counting(17), limit, true, 0},
        {"over only by trailing pairs", WithNops(Counting(16), 5), limit, false, 16},
        {"trailing pairs reach into the limit", WithNops(Counting(12), 8), limit, false, 12},
        {"over, pair straddles the limit", oddPrefix, limit, false, 15},
        {"over, odd tail of nops that does not pair up", WithNops(Counting(17), 4), limit, true, 0},
        {"over, pairs followed by a data byte",
         [] {
             Bytes b = WithNops(Counting(16), 3);
             b.push_back(0);
             return b;
         }(),
         limit, true, 0},
        {"only nops, far over", WithNops({}, 1000), limit, false, 0},
        {"empty", {}, limit, false, 0},
        {"limit zero, empty", {}, 0, false, 0},
        {"limit zero, one pair", WithNops({}, 1), 0, false, 0},
        {"limit zero, one data byte", {5}, 0, true, 0},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = WriteFile(dir, "upload.bin", c.file);
        const TrimmedUpload got = ReadTrimmedUpload(path, c.limit);
        EXPECT_EQ(got.tooBig, c.tooBig) << c.name;
        if (c.tooBig) {
            EXPECT_TRUE(got.bytes.empty()) << c.name;
        } else {
            EXPECT_EQ(got.bytes,
                      Bytes(c.file.begin(), c.file.begin() + static_cast<long>(c.expectedLength)))
                << c.name;
        }
    }
}

// Every short file over the bytes that matter, against every small limit.
TEST(ReadTrimmedUpload, AgreesWithWholeFileTrimmingOnEveryShortFile) {
    const uint8_t alphabet[] = {0xC0, 0x46, 0x00};
    TempDir dir;
    for (size_t length = 0; length <= 6; ++length) {
        size_t combinations = 1;
        for (size_t i = 0; i < length; ++i)
            combinations *= 3;
        for (size_t code = 0; code < combinations; ++code) {
            Bytes file(length);
            for (size_t i = 0, c = code; i < length; ++i, c /= 3)
                file[i] = alphabet[c % 3];
            const std::string path = WriteFile(dir, "f.bin", file);
            const size_t trimmed = TrimTrailingNops(file, file.size());
            for (size_t limit = 0; limit <= 5; ++limit) {
                const TrimmedUpload got = ReadTrimmedUpload(path, limit);
                ASSERT_EQ(got.tooBig, trimmed > limit)
                    << "length " << length << " code " << code << " limit " << limit;
                if (!got.tooBig) {
                    ASSERT_EQ(got.bytes,
                              Bytes(file.begin(), file.begin() + static_cast<long>(trimmed)));
                }
            }
        }
    }
}

TEST(ReadTrimmedUpload, RefusesAHugeSparseFileAtOnce) {
    TempDir dir;
    const std::string path = dir.file("huge.bin");
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t{1} << 40), 0); // a terabyte of holes
    ::close(fd);

    const TrimmedUpload got = ReadTrimmedUpload(path, 65536);
    EXPECT_TRUE(got.tooBig);
    EXPECT_TRUE(got.bytes.empty());
    EXPECT_EQ(ReadFilePrefix(path, 100), Bytes(100, 0));
}

TEST(ReadTrimmedUpload, RefusesWhatIsNotARegularReadableFile) {
    TempDir dir;
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string missing = dir.file("missing.bin");
    // Opens, but every read fails.
    const std::string unreadable = "/proc/self/mem";

    for (const std::string& path : {dir.path().string(), fifo, missing, unreadable}) {
        ExpectCannotOpen(path, [&] { ReadTrimmedUpload(path, 65536); });
        ExpectCannotOpen(path, [&] { ReadFilePrefix(path, 65536); });
    }
}

TEST(ReadTrimmedUpload, RefusesAFileWithoutReadPermission) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    const std::string path = WriteFile(dir, "secret.bin", Counting(4));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    ExpectCannotOpen(path, [&] { ReadTrimmedUpload(path, 65536); });
}

TEST(ReadFilePrefix, CutsLongFilesAndKeepsShortOnes) {
    TempDir dir;
    const Bytes bytes = WithNops(Counting(30), 2);
    const std::string path = WriteFile(dir, "f.bin", bytes);
    EXPECT_EQ(ReadFilePrefix(path, 10), Bytes(bytes.begin(), bytes.begin() + 10));
    EXPECT_EQ(ReadFilePrefix(path, 1000), bytes);
}

} // namespace
