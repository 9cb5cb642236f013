// The settings file parser on arbitrary texts: the ranges it gives can always
// index the slot table, and what it gives survives being written and read.
#include "FuzzCheck.h"
#include "app/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const StoredSettings settings = ParseSettingsText(text);
    FUZZ_CHECK(RangesFitTable(settings.ranges));
    FUZZ_CHECK(FitRangesToTable(settings.ranges) == settings.ranges);
    FUZZ_CHECK(ParseSettingsText(SettingsFileText(settings)) == settings);
    return 0;
}
