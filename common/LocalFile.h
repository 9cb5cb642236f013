#pragma once

#include <cstdint>
#include <span>
#include <string>

// Writes a local file whole or not at all: a temporary file in the same
// folder, renamed over the target once everything is written. A file that
// cannot be created or written throws AppError::cannotCreateFile(path) and
// leaves any earlier file of that name as it was.
void WriteFileWhole(const std::string& path, std::span<const uint8_t> bytes);
