// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"

#include <algorithm>
#include <cstdlib>

namespace probe {

QImage pixelsOf(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isOpaque(const QImage& image, QPoint at) {
    return image.valid(at) && qAlpha(image.pixel(at)) >= opaqueAlpha;
}

bool isClear(const QImage& image, QPoint at) {
    return image.valid(at) && qAlpha(image.pixel(at)) == 0;
}

QRect drawnBounds(const QImage& image, int minimumAlpha) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > minimumAlpha) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

int colourDistance(const QColor& a, const QColor& b) {
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

} // namespace probe
