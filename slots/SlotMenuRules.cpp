#include "slots/SlotMenuRules.h"

namespace {
constexpr uint32_t kConvertibleTag = 0x20000000;
}

SlotMenuEntries SlotMenuRules(const SlotRecord& entry) {
    SlotMenuEntries menu;
    menu.refresh = menu.upload = menu.uploadLzo = true;
    switch (entry.Kind) {
    case SlotKind::Empty:
        break;
    case SlotKind::Program:
        menu.clear = menu.download = true;
        menu.convert = entry.FormatTag == kConvertibleTag;
        break;
    case SlotKind::Gif:
        menu.clear = menu.download = menu.playGif = true;
        break;
    case SlotKind::Data:
        menu.clear = menu.download = true;
        break;
    }
    return menu;
}
