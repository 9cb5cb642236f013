#pragma once

// Registers the resources compiled into adeduze_forms (the icon sprite sheet).
// Call once before the first use of a ":/icons/..." path.
void InitIconResources();
