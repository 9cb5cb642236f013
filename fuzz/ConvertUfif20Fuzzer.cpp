// The UFIF 2.0 conversion on arbitrary images and firmware texts, run as the
// commands run it but with no phone and nobody to ask.
#include "FuzzCheck.h"
#include "NullUi.h"
#include "common/AppError.h"
#include "transfer/ConvertUfif20.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    AppState state;
    // The first byte picks an entry of the firmware list, or says how many
    // of the following bytes are a typed firmware text.
    const size_t entries = state.firmware.entries.size();
    size_t at = 1;
    if (data[0] < entries) {
        state.firmware.index = data[0];
        state.firmware.text = state.firmware.entries[data[0]];
    } else {
        const size_t length = std::min<size_t>(data[0] - entries, size - 1);
        state.firmware.index = -1;
        state.firmware.text.assign(reinterpret_cast<const char*>(data + 1), length);
        at += length;
    }
    std::vector<uint8_t> image(data + at, data + size);
    const std::vector<uint8_t> before = image;

    PhoneLink link;
    NullUi ui;
    CommandContext ctx{state, link, ui};
    try {
        const size_t lines = ConvertUfif20(ctx, image);
        // The report window gets the new lines only when there are any.
        FUZZ_CHECK(lines == 0 || lines == state.reportLines.size());
    } catch (const AppError& error) {
        FUZZ_CHECK(error.kind() == AppError::Kind::StandardError);
        FUZZ_CHECK(image == before); // a bad firmware text stops before the image is touched
    }
    FUZZ_CHECK(image.size() == before.size());
    // The header is never moved.
    for (size_t i = 0; i < std::min<size_t>(20, image.size()); ++i)
        FUZZ_CHECK(image[i] == before[i]);
    return 0;
}
