#pragma once

#include "common/Command.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The reference list of the merge, looked up in the current directory.
inline constexpr const char* kReferenceListName = "514lg4.lib";
// List files longer than this are not read (they count as unreadable).
inline constexpr size_t kListFileLimit = size_t{4} << 20;

// The key by which the merge pairs lines. With len the line's length, p the
// 1-based position of the first " #" (0 if none) and q that of the first
// space (0 if none): the characters from position q + 1 on, at most
// len - p - 2 of them; empty when that count is below 1 or q + 1 > len.
std::string EntryKey(std::string_view line);

// The merged list: the chosen list's leading "#" lines, then for each line of
// the reference list after its leading "#" lines whose key some chosen line
// shares (case-sensitive), the first such chosen line's text before its first
// space (empty when it has no space), one space and the key.
std::vector<std::string> MergeLibraryLists(const std::vector<std::string>& reference,
                                           const std::vector<std::string>& chosen);

// Button8: chooses a list (Open2), merges it into the order of the reference
// list and writes the result whole to the chosen name with "_" appended, every
// line ended by CR LF. Shows nothing. A list that cannot be read throws
// AppError::cannotOpenFile and nothing is written; an output that cannot be
// written throws AppError::cannotCreateFile.
void Button8Click(CommandContext& ctx);
