#include "modext/LibraryListMerge.h"

#include "common/AppError.h"
#include "common/LocalFile.h"
#include "modext/TextLines.h"

#include <cstdint>

namespace {

bool isHeaderLine(const std::string& line) {
    return !line.empty() && line.front() == '#';
}

std::vector<std::string> readList(const std::string& path) {
    auto text = ReadTextFile(path, kListFileLimit);
    if (!text)
        throw AppError::cannotOpenFile(path);
    return SplitTextLines(*text);
}

} // namespace

std::string EntryKey(std::string_view line) {
    const auto len = static_cast<int64_t>(line.size());
    const size_t hash = line.find(" #");
    const size_t blank = line.find(' ');
    const int64_t p = hash == std::string_view::npos ? 0 : static_cast<int64_t>(hash) + 1;
    const int64_t q = blank == std::string_view::npos ? 0 : static_cast<int64_t>(blank) + 1;
    const int64_t start = q + 1;
    const int64_t count = len - p - 2;
    if (count < 1 || start > len)
        return {};
    return std::string(line.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

std::vector<std::string> MergeLibraryLists(const std::vector<std::string>& reference,
                                           const std::vector<std::string>& chosen) {
    std::vector<std::string> merged;
    for (const std::string& line : chosen) {
        if (!isHeaderLine(line))
            break;
        merged.push_back(line);
    }

    std::vector<std::string> chosenKeys;
    chosenKeys.reserve(chosen.size());
    for (const std::string& line : chosen)
        chosenKeys.push_back(EntryKey(line));

    size_t first = 0;
    while (first < reference.size() && isHeaderLine(reference[first]))
        ++first;
    for (size_t r = first; r < reference.size(); ++r) {
        const std::string key = EntryKey(reference[r]);
        for (size_t c = 0; c < chosen.size(); ++c) {
            if (chosenKeys[c] != key)
                continue;
            const size_t blank = chosen[c].find(' ');
            const std::string address =
                blank == std::string::npos ? std::string{} : chosen[c].substr(0, blank);
            merged.push_back(address + " " + key);
            break;
        }
    }
    return merged;
}

void Button8Click(CommandContext& ctx) {
    const auto path = ctx.ui.chooseFile(FileDialog::Open2);
    if (!path)
        return;
    const std::vector<std::string> reference = readList(kReferenceListName);
    const std::vector<std::string> chosen = readList(*path);

    std::string out;
    for (const std::string& line : MergeLibraryLists(reference, chosen))
        out += line + "\r\n";
    WriteFileWhole(*path + "_",
                   std::span(reinterpret_cast<const uint8_t*>(out.data()), out.size()));
}
