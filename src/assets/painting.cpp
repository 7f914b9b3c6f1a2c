#include "assets/painting.h"

#include <algorithm>

namespace assets {

namespace {

// An image with no see-through pixel is marked opaque, as making a pixmap of it would:
// marked here, on whichever thread paints it, the GUI thread need not look at every pixel.
void markIfOpaque(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(), [](QRgb p) { return qAlpha(p) != 255; })) {
            return;
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

} // namespace

QPen outlinePen(qreal width) {
    return QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage paintImage(QSize size, qreal devicePixelRatio, QSizeF design,
                  const std::function<void(QPainter&)>& draw) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(size.width() / design.width(), size.height() / design.height());
    draw(painter);
    painter.end();
    markIfOpaque(image);
    return image;
}

} // namespace assets
