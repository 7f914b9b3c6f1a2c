// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/painting.h"

namespace assets {

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
    return image;
}

} // namespace assets
