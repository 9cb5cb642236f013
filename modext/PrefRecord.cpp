#include "modext/PrefRecord.h"

namespace {

uint8_t byteAt(std::span<const uint8_t> bytes, size_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

} // namespace

PrefRecord ParsePrefRecord(std::span<const uint8_t> bytes) {
    PrefRecord record;
    record.menuMode = byteAt(bytes, 4);
    record.libraryFile = byteAt(bytes, 6);
    record.librarySection = byteAt(bytes, 7);
    record.autorunFile = byteAt(bytes, 8);
    record.autorunSection = byteAt(bytes, 9);
    record.reserved10 = byteAt(bytes, 10);
    record.reserved11 = byteAt(bytes, 11);
    return record;
}

std::array<uint8_t, kPrefRecordSize> BuildPrefRecord(const PrefRecord& record) {
    return {'Z',
            'U',
            'V',
            '2',
            record.menuMode,
            0,
            record.libraryFile,
            record.librarySection,
            record.autorunFile,
            record.autorunSection,
            record.reserved10,
            record.reserved11};
}
