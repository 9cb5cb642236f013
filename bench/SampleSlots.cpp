#include "bench/SampleSlots.h"

#include "common/ByteOrder.h"
#include "gbp/demo/ThumbBody.h"

#include <string_view>

namespace {

constexpr size_t kHeaderSize = 128;

class Header {
  public:
    Header() : bytes_(kHeaderSize, 0) {}
    Header& word(size_t at, uint32_t value) {
        WriteWordLE(bytes_, at, value);
        return *this;
    }
    Header& text(size_t at, std::string_view s) {
        for (size_t i = 0; i < s.size(); ++i)
            bytes_.at(at + i) = static_cast<uint8_t>(s[i]);
        return *this;
    }
    Header& utf16(size_t at, std::string_view ascii) {
        for (size_t i = 0; i < ascii.size(); ++i)
            bytes_.at(at + 2 * i) = static_cast<uint8_t>(ascii[i]);
        return *this;
    }
    // The rest of the header: program-like bytes, so no test stops early by luck.
    Header& body(size_t from, uint32_t seed) {
        const std::vector<uint8_t> code = ThumbBody(kHeaderSize, seed);
        for (size_t i = from; i < kHeaderSize; ++i)
            bytes_[i] = code[i];
        return *this;
    }
    std::vector<uint8_t> bytes() const { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

} // namespace

const std::vector<SampleHeader>& SampleHeaders() {
    static const std::vector<SampleHeader> headers = {
        {"LZO", Header()
                    .text(0, "LZO")
                    .text(4, "Mines")
                    .word(20, 0x20010000)
                    .word(24, 30000)
                    .word(28, 0xE80C)
                    .body(32, 1)
                    .bytes()},
        // e_phoff 52; the first segment, holding the embedded header, at 84.
        {"ELF", Header()
                    .word(0, 0x464C457F)
                    .word(28, 52)
                    .word(56, 84)
                    .word(84, 0x20010000)
                    .text(88, "Radio")
                    .word(108, 0xE80C)
                    .bytes()},
        {"PRG3", Header().word(0, 0x30C0DE01).text(4, "Notes").body(20, 2).bytes()},
        {"PRG3.5", Header().word(0, 0x35000000).text(4, "Torch").body(20, 3).bytes()},
        {"UFIF", Header().word(0, 0x20010000).text(4, "Calc").body(20, 4).bytes()},
        {"LIB", Header().text(0, "LIB").word(4, 2).body(16, 5).bytes()},
        {"GIF", Header().text(0, "GIF89a").word(6, 0x00100010).bytes()},
        {"ringer", Header().word(0, 0).utf16(4, "Morning Bell").bytes()},
        {"PRG3 lib", Header()
                         .word(0, 3)
                         .word(4, 0x00112233)
                         .word(8, 0x00445566)
                         .word(12, 0x00778899)
                         .body(16, 6)
                         .bytes()},
        {"data", Header().body(0, 7).word(0, 0x12345678).word(4, 0x9ABCDEF0).bytes()},
    };
    return headers;
}

std::vector<uint8_t> ProgramImage(size_t length, uint32_t seed) {
    std::vector<uint8_t> image = ThumbBody(length, seed);
    WriteWordLE(image, 0, 0x20010000);
    const std::string_view name = "Benchmark";
    for (size_t i = 0; i < 16; ++i)
        image[4 + i] = i < name.size() ? static_cast<uint8_t>(name[i]) : 0;
    return image;
}

std::vector<uint8_t> ConvertibleImage(size_t length) {
    std::vector<uint8_t> image = ProgramImage(length, 11);
    WriteWordLE(image, 0, 0x20000000);
    constexpr size_t kStep = 4096;
    for (size_t at = kStep; at + 64 <= length; at += kStep) {
        WriteWordLE(image, at, 0x4801B403); // stub A, operand 8 bytes on
        WriteWordLE(image, at + 8, 0x36A9D1);
        WriteWordLE(image, at + 16, 0x4809B407); // stub B, operand 24 bytes on
        WriteWordLE(image, at + 40, 0x36AC74);
        WriteWordLE(image, at + 48, 0x36AC74); // a moved word
        WriteWordLE(image, at + 52, 0x820000); // the memory word
        WriteWordLE(image, at + 56, 0x36A700); // reported, not moved
    }
    return image;
}
