#include "cli/SlotRowOutput.h"

#include "slots/FormatTagLabel.h"
#include "slots/GridGeometry.h"

namespace {

const char* KindText(SlotKind kind) {
    switch (kind) {
    case SlotKind::Program:
        return "Program";
    case SlotKind::Gif:
        return "Gif";
    case SlotKind::Data:
        return "Data";
    case SlotKind::Empty:
        break;
    }
    return "Empty";
}

// The grid counts each range from 1; the scratch row has no place in it.
int Ordinal(const RangeSettings& ranges, int row) {
    return row > ranges.BigSlots ? row - ranges.BigSlots : row;
}

std::string FwText(const SlotRecord& record) {
    return record.Kind == SlotKind::Program ? FormatTagLabel(record.FormatTag) : std::string();
}

} // namespace

std::string SlotRowText(const AppState& state, int row, SlotAddress slot) {
    const SlotRecord& record = state.table[static_cast<size_t>(row)];
    std::string text = std::to_string(Ordinal(state.ranges, row)) + ". {" +
                       SlotText(slot.section, slot.file) + "}  " + record.Name;
    if (const auto ratio = LzoRatioText(record))
        text += "  " + *ratio;
    text += "  " + std::to_string(record.Size);
    if (const std::string fw = FwText(record); !fw.empty())
        text += "  " + fw;
    return text;
}

nlohmann::ordered_json SlotRowJson(const AppState& state, int row, SlotAddress slot) {
    const SlotRecord& record = state.table[static_cast<size_t>(row)];
    return {
        {"row", row},
        {"section", slot.section},
        {"file", slot.file},
        {"slot", SlotText(slot.section, slot.file)},
        {"kind", KindText(record.Kind)},
        {"name", record.Name},
        {"formatTag", record.FormatTag},
        {"fw", FwText(record)},
        {"size", record.Size},
        {"compressed", record.Compressed == 1},
        {"unpackedSize", record.UnpackedSize},
        {"iconIndex", record.IconIndex},
    };
}

std::string JsonArrayText(const nlohmann::ordered_json& array) {
    std::string text = "[";
    for (size_t i = 0; i < array.size(); ++i) {
        text += i == 0 ? "\n" : ",\n";
        // Names come from the phone; a byte that is not UTF-8 must not end the output.
        text += array[i].dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
    text += array.empty() ? "]\n" : "\n]\n";
    return text;
}
