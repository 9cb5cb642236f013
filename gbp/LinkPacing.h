#pragma once

#include <chrono>
#include <cstdint>

namespace gbp {

// Bytes of command and reply framing that every call costs on the link.
constexpr int64_t kFrameBytes = 16;

// How long a call moving payloadBytes takes on a serial line at baud: ten
// bits per byte (start, eight data bits, stop) plus the call's frame.
// Zero when baud is 0.
std::chrono::microseconds LinkTime(uint32_t baud, int64_t payloadBytes);

// Sleeps for LinkTime.
void PaceCall(uint32_t baud, int64_t payloadBytes);

} // namespace gbp
