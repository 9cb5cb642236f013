#pragma once

#include <filesystem>

namespace gbp {

// The folder that holds the virtual phones: $GBP_PHONE_DIR when set and not
// empty (a relative one from the working directory the process had when this
// code was loaded), else $XDG_DATA_HOME/adeduze/phone when that is an absolute path,
// else ~/.local/share/adeduze/phone. Read anew on every call, so a change of
// the environment applies to the next session.
std::filesystem::path PhoneRootFolder();

// <root>/COM<port>.
std::filesystem::path PortFolder(const std::filesystem::path& root, int port);

} // namespace gbp
