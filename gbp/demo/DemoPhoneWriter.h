#pragma once

#include <filesystem>
#include <ostream>

enum class ExistingPhone {
    Refuse,  // leave it and fail
    Keep,    // leave it and succeed
    Replace, // replace its NVM files and phone.ini
};

// Creates the demo phone in <root>/COM1: phone.ini with the defaults spelled
// out and the slots of DemoSlots. A phone in use (its session lock held) is
// never replaced. Answers the process exit code (0 done or kept, 1 refused
// or failed) after telling out or err what happened.
int WriteDemoPhone(const std::filesystem::path& root, ExistingPhone existing, std::ostream& out,
                   std::ostream& err);
