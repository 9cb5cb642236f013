#pragma once

#include "slots/SlotTable.h"

#include <string>
#include <variant>

// The texts of the four slot edits of the Options dialog.
struct RangeEdits {
    std::string BSME1; // first big slot
    std::string BSME2; // last big slot
    std::string SSME1; // first small slot
    std::string SSME2; // last small slot

    bool operator==(const RangeEdits&) const = default;
};

// The edits showing the ranges: decimal numbers without leading zeros.
RangeEdits EditsForRanges(const RangeSettings& ranges);

// The edits the "Default" button puts in.
RangeEdits DefaultRangeEdits();

// The ranges the edits describe (count = last - first + 1), or the text that
// says why they cannot be used: an edit without one or two digits, a last
// slot lying more than one before its first (a negative count; one before
// the first is an empty range), or more than 99 rows together.
std::variant<RangeSettings, std::string> RangesFromEdits(const RangeEdits& edits);
