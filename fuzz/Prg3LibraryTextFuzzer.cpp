// PRG3 library definition texts: any bytes give words or the number error,
// and the whole text gives exactly the words its lines give one by one.
#include "FuzzCheck.h"
#include "common/AppError.h"
#include "modext/Prg3LibraryText.h"
#include "modext/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    std::vector<uint32_t> lineWords;
    bool lineError = false;
    for (const std::string& line : SplitTextLines(text)) {
        try {
            if (const auto word = Prg3LineWord(line))
                lineWords.push_back(*word);
        } catch (const AppError&) {
            lineError = true;
            break;
        }
    }

    try {
        const std::vector<uint32_t> words = ParsePrg3LibraryText(text);
        FUZZ_CHECK(!lineError);
        FUZZ_CHECK(words == lineWords);
        const std::vector<uint8_t> image = Prg3LibraryImage(words);
        FUZZ_CHECK(image.size() == 4 * words.size());
        for (size_t i = 0; i < words.size(); ++i)
            FUZZ_CHECK((image[4 * i] | image[4 * i + 1] << 8 | image[4 * i + 2] << 16 |
                        static_cast<uint32_t>(image[4 * i + 3]) << 24) == words[i]);
    } catch (const AppError& error) {
        FUZZ_CHECK(lineError);
        FUZZ_CHECK(error.kind() == AppError::Kind::StandardError);
        // what() is a C string: a NUL byte in the line ends the text early.
        if (text.find('\0') == std::string::npos)
            FUZZ_CHECK(std::string_view(error.what()).ends_with("' is not a valid integer value"));
    }
    return 0;
}
