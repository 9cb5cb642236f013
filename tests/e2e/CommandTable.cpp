#include "CommandTable.h"

namespace {

Bytes Filled(size_t size, uint8_t value) {
    return Bytes(size, value);
}

} // namespace

const std::vector<CommandCase>& AllCommands() {
    static const std::vector<CommandCase> commands = {
        {"list", {"list"}},
        {"refresh", {"refresh", "18-9"}},
        {"upload", {"upload", "18-10", "up.bin"}},
        {"upload-lzo-convert", {"upload", "18-10", "old20.bin", "--lzo", "--convert"}},
        {"download", {"download", "18-9", "out.bin"}},
        {"clear", {"clear", "18-9"}},
        {"convert", {"convert", "18-9", "--firmware", "0"}},
        {"gif", {"gif", "2-12", "--no-open"}},
        {"prefs", {"prefs"}},
        {"prefs-set", {"prefs-set", "--menu", "all", "--autorun", "off"}},
        {"ufif2-lib", {"ufif2-lib", "lib.bin", "--yes"}},
        {"prg3-lib", {"prg3-lib", "lib.txt"}},
        {"total18", {"total18"}},
        {"merge", {"merge", "chosen.lib"}},
        {"nvm-upload", {"nvm-upload", "nvm.bin"}},
        {"nvm-clear", {"nvm-clear"}},
    };
    return commands;
}

void PrepareScenario(const E2eSandbox& box) {
    box.makeDemoPhone();
    box.setPhoneIni("");
    box.setSlot("17-19", Filled(500, 0x17));
    WriteText(box.settings(),
              "[Manager]\nCOM-Port=0\nFirstBig=9\nBigSlots=2\nFirstSmall=17\nSmallSlots=2\n");

    const auto work = box.work();
    WriteBytes(work / "up.bin", ProgramImage(0x20010000, "Fresh", 9000, 1));
    WriteBytes(work / "old20.bin", *box.slot("18-9")); // the demo's convertible program
    Bytes library = Filled(1000, 0x4C);
    library[0] = 'L', library[1] = 'I', library[2] = 'B', library[3] = 0;
    WriteBytes(work / "lib.bin", library);
    WriteText(work / "lib.txt", "RELEASE=4\r\n00A01234 first\r\n00ABCDEF second\r\n");
    WriteText(work / "514lg4.lib", "# reference\r\nA0001234 strlen\r\nA0001238 strcpy\r\n");
    WriteText(work / "chosen.lib", "# mine\r\n00B01238 strcpy\r\n00B01234 strlen\r\n");
    WriteBytes(work / "nvm.bin", Filled(3000, 0x33));

    // Older copies of what the commands write, to see that each stays whole.
    WriteBytes(work / "out.bin", Filled(70000, 'o'));
    WriteBytes(work / "temp.prg", Filled(30000, 'p'));
    WriteBytes(work / "temp.gif", Filled(30000, 'g'));
    WriteText(work / "chosen.lib_", "older merge\r\n");
}
