#include "modext/Prg3LibraryText.h"

#include "common/ByteOrder.h"
#include "common/IntegerText.h"
#include "modext/TextLines.h"

#include <string>

std::optional<uint32_t> Prg3LineWord(std::string_view line) {
    if (line.find("RELEASE=") != std::string_view::npos) {
        // The line holds "RELEASE=", so it has an "="; the character after the
        // first one may be missing, which the conversion refuses like any non-digit.
        const size_t equals = line.find('=');
        return static_cast<uint32_t>(StrToInt(line.substr(equals + 1, 1)));
    }
    const size_t blank = line.find(' ');
    const std::string_view token =
        blank == std::string_view::npos ? std::string_view{} : line.substr(0, blank);
    if (token.empty())
        return std::nullopt;
    if (auto hex = TryStrToInt("0x" + std::string(token)))
        return static_cast<uint32_t>(*hex);
    if (auto value = TryStrToInt(token))
        return static_cast<uint32_t>(*value);
    return std::nullopt;
}

std::vector<uint32_t> ParsePrg3LibraryText(std::string_view text) {
    std::vector<uint32_t> words;
    for (const std::string& line : SplitTextLines(text)) {
        if (auto word = Prg3LineWord(line))
            words.push_back(*word);
    }
    return words;
}

std::vector<uint8_t> Prg3LibraryImage(const std::vector<uint32_t>& words) {
    std::vector<uint8_t> image(words.size() * 4);
    for (size_t i = 0; i < words.size(); ++i)
        WriteWordLE(image, i * 4, words[i]);
    return image;
}
