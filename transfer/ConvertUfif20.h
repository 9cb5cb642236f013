#pragma once

#include "common/Command.h"
#include "transfer/FirmwareTarget.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Moves the UFIF addresses in the body of a UFIF 2.0 image (header already
// marked 2.1) from the reference base 0x36A658 to the target's base. Words
// are examined at offsets 20, 24, ... from the start of the image while they
// lie wholly within it; nothing is read or written past its end. Returns one
// line "offset: <k>; UFIF Address:<w>" for each word in the address range
// that no rule moved, in order of offset.
std::vector<std::string> MoveUfifAddresses(std::span<uint8_t> image, FirmwareTarget target);

// The conversion as the commands run it: status "Converting data...", the
// target from ctx.state.firmware.text (a base that is not a number throws
// before the image is touched), MoveUfifAddresses, status "Convert done!",
// and the report lines into ctx.state.reportLines when there are any.
// Returns the number of report lines.
size_t ConvertUfif20(CommandContext& ctx, std::span<uint8_t> image);
