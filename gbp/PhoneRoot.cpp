#include "gbp/PhoneRoot.h"

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace gbp {

namespace {

// The manager changes its working directory as the user picks files, so a
// relative $GBP_PHONE_DIR is taken from the folder the process was in when
// the library was loaded, and the phone stays where it was.
const std::filesystem::path kStartFolder = [] {
    std::error_code ec;
    return std::filesystem::current_path(ec);
}();

const char* nonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

std::filesystem::path homeFolder() {
    if (const char* home = nonEmptyEnv("HOME"))
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return ".";
}

} // namespace

std::filesystem::path PhoneRootFolder() {
    if (const char* dir = nonEmptyEnv("GBP_PHONE_DIR"))
        return kStartFolder / dir;
    // A relative XDG_DATA_HOME is invalid and is to be ignored.
    if (const char* data = nonEmptyEnv("XDG_DATA_HOME"); data && data[0] == '/')
        return std::filesystem::path(data) / "adeduze" / "phone";
    return homeFolder() / ".local" / "share" / "adeduze" / "phone";
}

std::filesystem::path PortFolder(const std::filesystem::path& root, int port) {
    return root / ("COM" + std::to_string(port));
}

} // namespace gbp
