#include "common/AppState.h"

FirmwareChoice DefaultFirmwareChoice() {
    FirmwareChoice choice;
    choice.entries = {
        "0x370000 - J7/70 3.10/4", "0x36A658 - J7/70 3.10/5", "0x36A658 - J7/70 3.6/5",
        "0x36A658 - J5/6 5.4.2/1", "0x37BDD8 - J5/6 5.4.2/4", "0x36A658 - J5/6 5.4.2/5",
        "0x37BDD8 - Z7 4.5.6/4",
    };
    choice.index = 0;
    choice.text = choice.entries[0];
    return choice;
}
