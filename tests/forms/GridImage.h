#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <ostream>

// Pixel questions about a grabbed image of a widget.

// Whether a pixel is text-dark (all channels below 100).
bool IsInk(QRgb pixel);

// The smallest rectangle around the ink inside `area`; null when none.
QRect InkBounds(const QImage& image, const QRect& area);

// The colour of one pixel, as a QColor for readable failure output.
QColor PixelAt(const QImage& image, int x, int y);

// Lets test failures show a colour as #rrggbb.
void PrintTo(const QColor& colour, std::ostream* out);
