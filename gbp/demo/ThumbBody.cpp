#include "gbp/demo/ThumbBody.h"

namespace {

class Random {
  public:
    explicit Random(uint32_t seed) : state_(seed * 2654435761u + 1) {}
    uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    uint32_t below(uint32_t n) { return next() % n; }

  private:
    uint32_t state_;
};

constexpr uint16_t kNop = 0x46C0;    // mov r8, r8
constexpr uint16_t kReturn = 0x4770; // bx lr

void putHalf(std::vector<uint8_t>& out, uint16_t h) {
    out.push_back(static_cast<uint8_t>(h));
    out.push_back(static_cast<uint8_t>(h >> 8));
}

void putWord(std::vector<uint8_t>& out, uint32_t w) {
    putHalf(out, static_cast<uint16_t>(w));
    putHalf(out, static_cast<uint16_t>(w >> 16));
}

// Real code reuses a few registers, offsets, constants and call targets,
// which is what makes it compress; so do these.
uint16_t instruction(Random& r) {
    static constexpr uint16_t kImmediates[] = {0, 1, 2, 4, 8, 16, 32, 0xFF};
    const uint16_t rd = static_cast<uint16_t>(r.below(4));
    const uint16_t rn = static_cast<uint16_t>(r.below(4) + 4);
    const uint16_t rm = static_cast<uint16_t>(r.below(8));
    const uint16_t offset = static_cast<uint16_t>(r.below(8));
    switch (r.below(7)) {
    case 0:
        return static_cast<uint16_t>(0x2000 | rd << 8 | kImmediates[r.below(8)]); // movs rd, #imm
    case 1:
        return static_cast<uint16_t>(0x1800 | rm << 6 | rn << 3 | rd); // adds rd, rn, rm
    case 2:
        return static_cast<uint16_t>(0x6800 | offset << 6 | rn << 3 | rd); // ldr rd, [rn, #imm]
    case 3:
        return static_cast<uint16_t>(0x6000 | offset << 6 | rn << 3 | rd); // str rd, [rn, #imm]
    case 4:
        return static_cast<uint16_t>(0x4280 | rm << 3 | rn); // cmp rn, rm
    case 5:
        return static_cast<uint16_t>(0xD000 | r.below(2) << 8 | (0xF8 + offset)); // beq/bne back
    default:
        return static_cast<uint16_t>(0x4800 | rd << 8 | offset); // ldr rd, [pc, #imm]
    }
}

void function(std::vector<uint8_t>& out, Random& r) {
    putHalf(out, 0xB5F0); // push {r4-r7, lr}
    for (uint32_t n = 4 + r.below(24); n > 0; --n) {
        if (r.below(6) == 0) {
            const uint32_t target = r.below(16) * 0x61;
            putHalf(out, static_cast<uint16_t>(0xF000 | (target >> 11 & 0x7FF))); // bl, high part
            putHalf(out, static_cast<uint16_t>(0xF800 | (target & 0x7FF)));       // bl, low part
        } else {
            putHalf(out, instruction(r));
        }
    }
    putHalf(out, 0xBDF0); // pop {r4-r7, pc}
    if (out.size() % 4 != 0)
        putHalf(out, kNop);
    for (uint32_t n = 1 + r.below(3); n > 0; --n)
        putWord(out, 0xA0001000u + r.below(12) * 0x2C4); // literal pool: variables in RAM
}

} // namespace

bool IsQuietWord(uint32_t word) {
    const bool inAddressRange = word > 0x36A630 && word < 0x370000;
    return !inAddressRange && word != 0x4801B403 && word != 0x4809B407 && word != 0x820000;
}

std::vector<uint8_t> ThumbBody(size_t length, uint32_t seed) {
    Random r(seed);
    std::vector<uint8_t> out;
    out.reserve(length + 256);
    while (out.size() < length)
        function(out, r);
    out.resize(length);
    for (size_t i = 0; i + 4 <= out.size(); i += 4) {
        const uint32_t w =
            out[i] | out[i + 1] << 8 | out[i + 2] << 16 | static_cast<uint32_t>(out[i + 3]) << 24;
        if (!IsQuietWord(w)) {
            out[i] = out[i + 2] = static_cast<uint8_t>(kNop);
            out[i + 1] = out[i + 3] = static_cast<uint8_t>(kNop >> 8);
        }
    }
    if (out.size() >= 2) {
        out[out.size() - 2] = static_cast<uint8_t>(kReturn);
        out[out.size() - 1] = static_cast<uint8_t>(kReturn >> 8);
    }
    return out;
}
