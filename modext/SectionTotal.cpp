#include "modext/SectionTotal.h"

#include <cstdint>
#include <string>

void Button4Click(CommandContext& ctx) {
    auto session = OpenSessionOrReport(ctx);
    if (!session)
        return;
    // 64 bits: 32 sizes of up to 2^31 - 1 each cannot overflow it.
    int64_t total = 0;
    for (uint8_t file = 0; file < 32; ++file) {
        const int32_t size = session->size(18, file);
        if (size > 0)
            total += size;
    }
    session->end();
    ctx.ui.showMessage("Total Section 18xx size = " + std::to_string(total), "");
}
