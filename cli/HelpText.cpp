#include "cli/HelpText.h"

const std::string& ManualText() {
    static const std::string text = R"(NAME
    adeduze-cli - manage the storage slots of a phone from a terminal

SYNOPSIS
    adeduze-cli [global options] COMMAND [ARGS]

DESCRIPTION
    Runs one command of the Adeduze desktop manager on the phone connected to
    a COM port and ends. Data (slot rows, preferences) goes to stdout; every
    message goes to stderr, one line each, as "CAPTION: text" (or the text
    alone when it has no caption).

GLOBAL OPTIONS
    -p, --port N         COM port 1..4 (default: the settings file's COM-Port
                         + 1, else 1)
    -s, --settings FILE  settings file to read (default: adeduze.INI beside
                         adeduze-cli, the file the window uses when both are
                         installed together); it is never written
        --no-headers     do not read slot headers (as with "Additional info
                         in full refresh" cleared)
        --json           print data as JSON (list, refresh, prefs)
    -y, --yes            answer OK to the confirmation of ufif2-lib
    -v, --verbose        print each status text to stderr as it changes
        --version        print the version and end
    -h, --help           print this manual; COMMAND --help describes one command

    SLOT is SECTION-FILE in decimal, leading zeros allowed: 18-9, 18-09, 2-10.
    SECTION is 18 (big slots) or 2 (small slots), FILE 0..255. A slot outside
    the configured ranges is scanned into a scratch row.

COMMANDS
    list
        Full refresh of the configured slots; prints one line (or JSON object)
        per row: N. {18-9}  NAME  [LZO(p%)]  SIZE  FW
    refresh SLOT
        Refresh of one slot; prints its row.
    upload SLOT FILE [--lzo] [--convert | --no-convert] [--firmware F]
        Writes FILE into SLOT, trailing Thumb no-ops cut, verified by the size
        read back. --lzo stores it LZO-compressed. A UFIF 2.0 program is
        converted to UFIF 2.1 with --convert, written unchanged with
        --no-convert; with neither the question is asked on a terminal and
        answered Cancel otherwise.
    download SLOT FILE
        Saves the slot's bytes (at most 65536) to FILE.
    clear SLOT
        Erases the slot, without asking.
    convert SLOT [--firmware F]
        Converts the UFIF 2.0 program in SLOT to UFIF 2.1: a copy goes to
        temp.prg in the current directory, the slot is erased and the
        converted program written back. A slot that holds no UFIF 2.0
        program is left alone.
    gif SLOT [--no-open]
        Writes the slot's GIF picture to temp.gif in the current directory
        and opens it with the desktop's viewer unless --no-open is given.
    prefs
        Reads the preference record: menu mode, library slot, autorun slot.
    prefs-set [--menu programs|data|all] [--library SLOT] [--autorun SLOT|off]
        Reads the preference record, changes only what is given and writes it.
    ufif2-lib FILE
        Uploads a UFIF2 library into the slot the preference record names
        (2-17 when it names none); asks to confirm unless --yes is given.
    prg3-lib FILE
        Turns a PRG3 library definition text into its table and uploads it
        into 2-16.
    total18
        Shows the total size of files 0..31 of section 18.
    merge FILE
        Merges the library list FILE into the order of 514lg4.lib in the
        current directory; writes FILE_ (FILE with "_" appended).
    nvm-upload FILE
        Uploads FILE (at most its first 65536 bytes) into NVM file 17-19.
    nvm-clear
        Erases NVM file 17-19.

    F is an index into the firmware list (0..6) or an entry's text, such as
    "0x37BDD8 - Z7 4.5.6/4"; default: the settings file's UFIFFW.

EXIT STATUS
    0   the command succeeded
    1   the command showed an ERROR message or error, or a question was
        answered Cancel; for list, also when any slot could not be scanned
    2   usage error
    3   the phone link library could not be loaded

ENVIRONMENT
    LD_LIBRARY_PATH  searched first for libgbp.so, the phone link library;
                     then the copy beside adeduze-cli is used
    GBP_PHONE_DIR    the folder of the virtual phone that libgbp.so serves

FILES
    adeduze.INI      settings shared with the window (read only here)
    temp.gif, temp.prg, 514lg4.lib
                     in the current directory: written by gif and convert,
                     read by merge

EXAMPLES
    adeduze-cli list
    adeduze-cli upload 18-12 game.prg --convert --firmware 4
    adeduze-cli download 18-12 backup.bin
    adeduze-cli --json refresh 2-10
)";
    return text;
}
