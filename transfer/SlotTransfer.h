#pragma once

#include "common/Command.h"
#include "slots/SlotTable.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Steps the transfer commands share.

// The most a slot takes: 2048 bytes in the small section, 65536 in the big one.
size_t SlotLimit(SlotAddress slot);

// The read buffer of a download, and the most an upload ever writes.
constexpr size_t kBigSlotLimit = 65536;
// The read buffer of the GIF preview and of the conversion.
constexpr size_t kShortReadCapacity = 21504;

inline const char* const kTooBigText = "Can't uplod - file too big!";
inline const char* const kUploadedText = "Section uploaded sucsessfully!";

// The opening steps of the commands that read a slot: SlotMenuEnabled
// cleared, "Downloading data...", a session, one read of at most `capacity`
// bytes. `whileOpen` may look further with the session still open and refuse
// by returning false. Returns the bytes read with the session closed, or
// nullopt after a failure that has been reported: a session that cannot be
// opened, or a negative count ("Error reading section S-F", caption "ERROR");
// SlotMenuEnabled is then set again.
std::optional<std::vector<uint8_t>>
ReadSlotBytes(CommandContext& ctx, SlotAddress slot, size_t capacity,
              const std::function<bool(PhoneSession&, size_t count)>& whileOpen = {});

// Writes the bytes in one session, rescans the slot in a second one, repaints
// the grid and tells the verdict: success when the size read back equals the
// length written, else failureText (caption "ERROR") and "Upload error!".
// A session that cannot be opened ends it with "Can't Init GPB Mode".
// SlotMenuEnabled is set on every way out.
enum class WriteOutcome { Verified, Mismatch, NoSession };
WriteOutcome WriteAndVerify(CommandContext& ctx, SlotAddress slot, std::span<const uint8_t> bytes,
                    const std::string& failureText);

// The conversion question for a UFIF 2.0 image: Yes marks and converts it in
// place (and shows the report when it has lines), No keeps it. Returns false
// for Cancel, after setting SlotMenuEnabled: the command ends there.
bool AskAndConvert(CommandContext& ctx, std::span<uint8_t> image);
