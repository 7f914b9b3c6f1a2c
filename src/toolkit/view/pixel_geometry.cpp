// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixel_geometry.h"

#include <cmath>

namespace toolkit {

int pixelsOf(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

QRect pixelRectOf(const Place& place) {
    const int left = pixelsOf(place.left);
    const int top = pixelsOf(place.top);
    const int right = pixelsOf(place.left + place.width);
    const int bottom = pixelsOf(place.top + place.height);
    return QRect(left, top, right - left, bottom - top);
}

QSize clientSizeOf(const WindowSpec& spec) {
    return QSize(pixelsOf(spec.clientWidth), pixelsOf(spec.clientHeight));
}

} // namespace toolkit
