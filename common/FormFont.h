#pragma once

#include <QFont>
#include <QStringList>

// The font of every form, "MS Sans Serif" 8 pt (for the forms only: it
// needs Qt Gui). Where that face is not installed, the metric-compatible
// Arial face comes closest to its widths; the default fallback is wide
// enough to cut off captions the layout sized for it.
inline QFont FormFont() {
    QFont font("MS Sans Serif", 8);
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial"});
    return font;
}
