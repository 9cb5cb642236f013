#include "modext/TextLines.h"

#include "transfer/UploadFile.h"

std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::optional<std::string> ReadTextFile(const std::string& path, size_t limit) {
    // One byte past the limit tells a file that is too long from one that fits.
    const std::vector<uint8_t> bytes = ReadFilePrefix(path, limit + 1);
    if (bytes.size() > limit)
        return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}
