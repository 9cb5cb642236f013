#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gbp {

enum class PhoneCall {
    InitGBPMode,
    EndGBPMode,
    GetNVMFileSize,
    ReadNVMFile,
    WriteNVMFile,
    ClearNVMFile
};

// One entry of the [faults] section. Session calls (InitGBPMode, EndGBPMode)
// have no slot; the others name one.
struct FaultKey {
    PhoneCall call = PhoneCall::InitGBPMode;
    int section = -1;
    int file = -1;
    uint32_t occurrence = 0; // 0 = every call, else only the n-th (from 1)
    auto operator<=>(const FaultKey&) const = default;
};

constexpr uint64_t kDefaultCapacity = 1024 * 1024;

// The settings of one phone, from its phone.ini.
struct PhoneConfig {
    uint64_t capacity = kDefaultCapacity; // total bytes of all NVM files
    uint32_t baud = 0;                    // 0 = no simulated link delay
    std::map<FaultKey, int32_t> faults;

    // The code the occurrence-th call (counted from 1) of `call` on the slot
    // is to answer instead of doing its work; a fault for that very occurrence
    // wins over one for every call. Session calls pass section and file -1.
    std::optional<int32_t> faultFor(PhoneCall call, int section, int file,
                                    uint32_t occurrence) const;
};

struct ConfigParse {
    std::optional<PhoneConfig> config; // nullopt when the text is malformed
    std::string error;                 // why, as "line N: ...", when malformed
    std::vector<std::string> warnings; // lines that were ignored, as "line N: ..."
};

// Parses the text of a phone.ini. Malformed lines make the whole text
// malformed; unknown keys and sections are ignored with a warning. The
// grammar is documented in gbp/README.md.
ConfigParse ParsePhoneConfig(std::string_view text);

} // namespace gbp
