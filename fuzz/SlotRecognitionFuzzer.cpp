// Slot recognition on arbitrary header bytes and byte counts. The bytes past
// the count are poisoned, so any look at them is reported; the record must
// not depend on them.
#include "FuzzCheck.h"
#include "slots/SlotRecognition.h"

#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr size_t kHeaderCapacity = 128;

bool KnownKind(SlotKind kind) {
    return kind == SlotKind::Empty || kind == SlotKind::Program || kind == SlotKind::Gif ||
           kind == SlotKind::Data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    // The first byte is the count the read claims; the rest are the bytes it stored.
    const std::vector<uint8_t> stored(data + 1, data + size);
    const size_t count = std::min<size_t>(data[0], std::min(stored.size(), kHeaderCapacity));

    // The read buffer as the scan holds it, bytes past the count unreadable.
    std::vector<uint8_t> buffer(kHeaderCapacity, 0xA5);
    std::copy_n(stored.begin(), count, buffer.begin());
    ASAN_POISON_MEMORY_REGION(buffer.data() + count, kHeaderCapacity - count);
    SlotRecord poisoned;
    poisoned.Size = 4711;
    RecogniseSlotHeader(poisoned, buffer, count);
    ASAN_UNPOISON_MEMORY_REGION(buffer.data() + count, kHeaderCapacity - count);

    // A buffer exactly as long as the count gives the same record.
    std::vector<uint8_t> exact(stored.begin(), stored.begin() + static_cast<long>(count));
    SlotRecord shortRecord;
    shortRecord.Size = 4711;
    RecogniseSlotHeader(shortRecord, exact, count);

    FUZZ_CHECK(poisoned == shortRecord);
    FUZZ_CHECK(KnownKind(poisoned.Kind));
    FUZZ_CHECK(poisoned.Size == 4711); // the size comes from the phone, never the header
    FUZZ_CHECK(poisoned.IconIndex >= -1 && poisoned.IconIndex <= 147);
    FUZZ_CHECK(poisoned.Compressed == 0 || poisoned.Compressed == 1);
    return 0;
}
