// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/hands.h"

#include "assets/painting.h"

#include <QPainterPath>

namespace assets {

namespace {

constexpr QColor minuteHandColour = qColour(toolkit::colours::yellow);
constexpr QColor hourHandColour = qColour(toolkit::colours::green);

QPainterPath outlinePath(HandKind kind) {
    const HandOutline outline = handOutline(kind);
    QPainterPath path(QPointF(outline.start.x, outline.start.y));
    for (const CubicPiece& piece : outline.pieces) {
        path.cubicTo(QPointF(piece.control1.x, piece.control1.y),
                     QPointF(piece.control2.x, piece.control2.y),
                     QPointF(piece.end.x, piece.end.y));
    }
    path.closeSubpath();
    return path;
}

const QPainterPath& handPath(HandKind kind) {
    static const QPainterPath minute = outlinePath(HandKind::Minute);
    static const QPainterPath hour = outlinePath(HandKind::Hour);
    return kind == HandKind::Minute ? minute : hour;
}

} // namespace

QSize handPictureSize(HandKind kind, int tick) {
    const PixelBox box = handPictureBox(kind, tick);
    return {box.width, box.height};
}

void drawHand(QPainter& painter, HandKind kind, int tick) {
    const PixelBox box = handPictureBox(kind, tick);
    painter.save();
    painter.translate(dialCentre.x - box.left, dialCentre.y - box.top);
    painter.rotate(tickAngleDegrees(tick));
    painter.setPen(outlinePen(handShape(kind).outlineWidth));
    painter.setBrush(kind == HandKind::Minute ? minuteHandColour : hourHandColour);
    painter.drawPath(handPath(kind));
    painter.restore();
}

} // namespace assets
