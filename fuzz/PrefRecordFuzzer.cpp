// The preference record from arbitrary slot bytes: fields come from their
// offsets (zero past the end), and a record built from them reads back the same.
#include "FuzzCheck.h"
#include "modext/PrefRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    const PrefRecord record = ParsePrefRecord(bytes);
    const auto at = [&](size_t offset) { return offset < size ? bytes[offset] : uint8_t{0}; };
    FUZZ_CHECK(record.menuMode == at(4));
    FUZZ_CHECK(record.libraryFile == at(6));
    FUZZ_CHECK(record.librarySection == at(7));
    FUZZ_CHECK(record.autorunFile == at(8));
    FUZZ_CHECK(record.autorunSection == at(9));
    FUZZ_CHECK(record.reserved10 == at(10));
    FUZZ_CHECK(record.reserved11 == at(11));

    const auto built = BuildPrefRecord(record);
    FUZZ_CHECK(built[0] == 'Z' && built[1] == 'U' && built[2] == 'V' && built[3] == '2');
    FUZZ_CHECK(built[5] == 0);
    const PrefRecord again = ParsePrefRecord(built);
    FUZZ_CHECK(again.menuMode == record.menuMode && again.libraryFile == record.libraryFile &&
               again.librarySection == record.librarySection &&
               again.autorunFile == record.autorunFile &&
               again.autorunSection == record.autorunSection &&
               again.reserved10 == record.reserved10 && again.reserved11 == record.reserved11);
    return 0;
}
