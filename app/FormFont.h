#pragma once

#include <QFont>
#include <QStringList>

// The forms' font, "MS Sans Serif" 8 pt. Where it is not installed, the
// metric-compatible Arial face comes closest to its widths; the default
// fallback is wide enough to cut off captions the layout sized for it.
inline QFont FormFont() {
    QFont font("MS Sans Serif", 8);
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial"});
    return font;
}
