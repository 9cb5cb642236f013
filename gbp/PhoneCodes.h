#pragma once

#include <cstdint>

// The answers of the virtual phone besides counts and sizes. None of them is
// -5 or -153, which the manager reads as "no such file".
namespace gbp {

constexpr int32_t kNoSuchFile = -153; // size or read of a file that does not exist
constexpr int32_t kNoSession = -1;    // a call outside a session
constexpr int32_t kNoPhone = -2;      // InitGBPMode: port not 1 to 4, or no COM<N> folder
constexpr int32_t kBusy = -3; // InitGBPMode: a session of this or another process holds the phone
constexpr int32_t kBadConfig = -4;   // InitGBPMode: phone.ini cannot be read or is malformed
constexpr int32_t kBadArgument = -6; // negative length or capacity, or no buffer for a non-zero one
constexpr int32_t kOutOfMemory = -7; // a write that would take the phone past its capacity
constexpr int32_t kIoError = -8;     // the folder could not be read or written

} // namespace gbp
