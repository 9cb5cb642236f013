#pragma once

#include <string>

// The manual page that adeduze-cli --help prints.
const std::string& ManualText();
