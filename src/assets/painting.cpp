#include "assets/painting.h"

namespace assets {

QPen outlinePen(qreal width) {
    return QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPixmap paintPixmap(QSize size, qreal devicePixelRatio, QSizeF design,
                    const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(size.width() / design.width(), size.height() / design.height());
    draw(painter);
    return pixmap;
}

} // namespace assets
