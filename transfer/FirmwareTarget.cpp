#include "transfer/FirmwareTarget.h"

#include "common/IntegerText.h"

FirmwareTarget ParseFirmwareText(std::string_view text) {
    const size_t blank = text.find(' ');
    const std::string_view baseText =
        blank == std::string_view::npos ? std::string_view{} : text.substr(0, blank);

    FirmwareTarget target;
    target.base = static_cast<uint32_t>(StrToInt(baseText));

    const size_t dash = text.find(" - ");
    const size_t modelAt = dash == std::string_view::npos ? 2 : dash + 3;
    const std::string_view model =
        modelAt < text.size() ? text.substr(modelAt, 2) : std::string_view{};
    target.z7 = model == "Z7" || model == "z7";
    return target;
}
