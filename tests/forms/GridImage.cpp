#include "GridImage.h"

bool IsInk(QRgb pixel) {
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

QRect InkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (IsInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QColor PixelAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}
