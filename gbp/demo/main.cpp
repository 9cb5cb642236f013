// adeduze-demo-phone: creates a virtual phone to try the manager on.
#include "gbp/PhoneRoot.h"
#include "gbp/demo/DemoPhoneWriter.h"

#include <exception>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kUsage = R"(Usage: adeduze-demo-phone [--force | --if-missing] [ROOT]

Creates a demo phone in ROOT/COM1 with programs of every format, libraries,
a picture, a ringer, data, empty slots and a preference record.
ROOT defaults to $GBP_PHONE_DIR, else $XDG_DATA_HOME/adeduze/phone,
else ~/.local/share/adeduze/phone.

  --force       replace the slots and phone.ini of an existing COM1
  --if-missing  leave an existing COM1 as it is and succeed
  -h, --help    show this text
)";

} // namespace

int main(int argc, char** argv) {
    ExistingPhone existing = ExistingPhone::Refuse;
    std::optional<std::filesystem::path> root;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--force" && existing == ExistingPhone::Refuse) {
            existing = ExistingPhone::Replace;
        } else if (arg == "--if-missing" && existing == ExistingPhone::Refuse) {
            existing = ExistingPhone::Keep;
        } else if (!arg.starts_with("-") && !root && !arg.empty()) {
            root = std::filesystem::path(arg);
        } else {
            std::cerr << "adeduze-demo-phone: unexpected argument '" << arg << "'\n\n" << kUsage;
            return 2;
        }
    }
    try {
        return WriteDemoPhone(root ? *root : gbp::PhoneRootFolder(), existing, std::cout,
                              std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "adeduze-demo-phone: " << e.what() << "\n";
        return 1;
    }
}
