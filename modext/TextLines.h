#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a text: each ends at CR LF, LF or CR; text after the last line
// end is one more line, a line end at the very end adds none. Bytes are kept
// as single-byte characters.
std::vector<std::string> SplitTextLines(std::string_view text);

// The whole text of a local file, or nullopt when it is longer than `limit`
// bytes. A file that cannot be opened or read (a directory, a FIFO) throws
// AppError::cannotOpenFile(path).
std::optional<std::string> ReadTextFile(const std::string& path, size_t limit);
