// EntryKey and the library list merge on arbitrary lists. The input is the
// reference list, a NUL byte, and the chosen list.
#include "FuzzCheck.h"
#include "modext/LibraryListMerge.h"
#include "modext/TextLines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

size_t LeadingHashLines(const std::vector<std::string>& lines) {
    size_t n = 0;
    while (n < lines.size() && lines[n].starts_with('#'))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view referenceText = input.substr(0, split);
    const std::string_view chosenText =
        split == std::string_view::npos ? std::string_view{} : input.substr(split + 1);
    const std::vector<std::string> reference = SplitTextLines(referenceText);
    const std::vector<std::string> chosen = SplitTextLines(chosenText);

    for (const auto* list : {&reference, &chosen}) {
        for (const std::string& line : *list) {
            const std::string key = EntryKey(line);
            const size_t blank = line.find(' ');
            // The key is a piece of the line right after its first blank, or
            // from its start when it has none; it is never longer than the line.
            const size_t start = blank == std::string::npos ? 0 : blank + 1;
            FUZZ_CHECK(key.size() <= line.size());
            FUZZ_CHECK(
                std::string_view(line).substr(std::min(start, line.size())).starts_with(key));
        }
    }

    const std::vector<std::string> merged = MergeLibraryLists(reference, chosen);
    const size_t header = LeadingHashLines(chosen);
    FUZZ_CHECK(merged.size() >= header);
    FUZZ_CHECK(merged.size() <= header + reference.size() - LeadingHashLines(reference));
    for (size_t i = 0; i < header; ++i)
        FUZZ_CHECK(merged[i] == chosen[i]);
    for (size_t i = header; i < merged.size(); ++i)
        FUZZ_CHECK(merged[i].find(' ') != std::string::npos);
    return 0;
}
