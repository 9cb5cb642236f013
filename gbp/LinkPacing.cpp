#include "gbp/LinkPacing.h"

#include <thread>

namespace gbp {

std::chrono::microseconds LinkTime(uint32_t baud, int64_t payloadBytes) {
    if (baud == 0)
        return std::chrono::microseconds(0);
    const int64_t bits = (kFrameBytes + (payloadBytes > 0 ? payloadBytes : 0)) * 10;
    return std::chrono::microseconds(bits * 1'000'000 / baud);
}

void PaceCall(uint32_t baud, int64_t payloadBytes) {
    const auto time = LinkTime(baud, payloadBytes);
    if (time.count() > 0)
        std::this_thread::sleep_for(time);
}

} // namespace gbp
