// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/pointers.h"

#include "assets/painting.h"

#include <QPainterPath>

#include <array>

namespace assets {

namespace {

constexpr QColor gloveWhite = QColorConstants::White;
constexpr QColor cuffBlue = QColor(120, 170, 255);
constexpr qreal outlineWidth = 1.1;
constexpr qreal creaseWidth = 0.8;

// Pointing hand: the index finger stands straight up with its tip on the hot spot, the
// other fingers curl into the palm to its right, the thumb folds across at the left.
constexpr QRectF indexFinger{9.6, 1.0, 5.2, 16.0};
constexpr qreal fingerRounding = 2.6;
struct Knuckle {
    QRectF box;
};
constexpr std::array<Knuckle, 3> knuckles{{
    {{14.8, 10.8, 4.4, 8.0}},
    {{19.2, 11.8, 4.2, 7.5}},
    {{23.4, 13.2, 3.8, 6.5}},
}};
constexpr QRectF palm{7.8, 15.0, 19.4, 11.5};
constexpr qreal palmRounding = 4.5;
constexpr QPointF thumbCentre{8.4, 18.6};
constexpr QSizeF thumbRadii{3.4, 5.0};
constexpr qreal thumbTiltDegrees = -35;
constexpr QRectF cuff{10.5, 26.0, 15.0, 5.2};
constexpr qreal cuffRounding = 1.2;
constexpr qreal creaseBottomY = 18.0; // where the curled fingers' creases end
constexpr QPointF thumbCreaseFrom{10.6, 22.6};
constexpr QPointF thumbCreaseTo{13.6, 19.4};

QPainterPath pointingHandPath() {
    QPainterPath hand;
    hand.addRoundedRect(indexFinger, fingerRounding, fingerRounding);
    for (const Knuckle& knuckle : knuckles) {
        QPainterPath one;
        one.addRoundedRect(knuckle.box, knuckle.box.width() / 2, knuckle.box.width() / 2);
        hand = hand.united(one);
    }
    QPainterPath body;
    body.addRoundedRect(palm, palmRounding, palmRounding);
    hand = hand.united(body);

    QPainterPath thumb;
    thumb.addEllipse(QPointF(0, 0), thumbRadii.width(), thumbRadii.height());
    QTransform tilt;
    tilt.translate(thumbCentre.x(), thumbCentre.y());
    tilt.rotate(thumbTiltDegrees);
    return hand.united(tilt.map(thumb)).simplified();
}

// Writing hand: a pencil running up and to the right from its point on the hot spot, held
// as for writing. Drawn along the pencil: x from the point towards the eraser, y across it
// (negative y is the side away from the palm).
constexpr QPointF pixelMiddle{0.5, 0.5};
constexpr QPointF pencilPoint = QPointF(writingHand.hotSpot) + pixelMiddle;
constexpr qreal pencilTiltDegrees = -45;
// Along the pencil, from the point: graphite, bare wood, painted body, metal band, eraser.
struct PencilParts {
    qreal graphiteEnd = 2.6;
    qreal woodEnd = 6.2;
    qreal bodyEnd = 27.0;
    qreal bandEnd = 29.2;
    qreal eraserEnd = 31.5;
    qreal halfWidth = 2.4;
    qreal eraserRounding = 1.4;
};
constexpr PencilParts pencil;
constexpr QColor graphiteGrey = QColor(60, 60, 60);
constexpr QColor woodTan = QColor(240, 200, 140);
constexpr QColor pencilYellow = QColor(255, 200, 0);
constexpr QColor bandGrey = QColor(180, 180, 190);
constexpr QColor eraserPink = QColor(255, 130, 150);

// The fist closes round the middle of the pencil: the fingertips curl round its front
// edge, the thumb lies along its top, the cuffed wrist goes off behind.
constexpr QRectF fist{12.5, -4.8, 11.5, 13.4};
constexpr qreal fistRounding = 4.0;
struct Bump {
    QPointF centre;
    qreal radius;
};
constexpr std::array<Bump, 3> fingertips{{
    {{12.7, -2.4}, 2.4},
    {{13.1, 1.8}, 2.3},
    {{13.7, 5.8}, 2.2},
}};
constexpr qreal creaseLength = 2.6;
constexpr QRectF wristCuff{22.5, -4.2, 4.6, 13.2};
struct Finger {
    QPointF from, to;
    qreal width;
};
constexpr Finger thumbOnTop{{14.7, -5.0}, {21.5, -5.0}, 3.4};
constexpr QPointF nailCentre{15.1, -5.2};
constexpr QSizeF nailRadii{1.0, 0.9};
constexpr QColor nailPink = QColor(255, 200, 200);

QPainterPath capsule(const Finger& finger) {
    QPainterPathStroker stroker;
    stroker.setWidth(finger.width);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath line(finger.from);
    line.lineTo(finger.to);
    return stroker.createStroke(line).simplified();
}

QPainterPath fistPath() {
    QPainterPath hand;
    hand.addRoundedRect(fist, fistRounding, fistRounding);
    for (const Bump& tip : fingertips) {
        QPainterPath bump;
        bump.addEllipse(tip.centre, tip.radius, tip.radius);
        hand = hand.united(bump);
    }
    return hand.simplified();
}

void drawPencil(QPainter& painter) {
    painter.save();
    painter.setPen(outlinePen(creaseWidth));
    const qreal w = pencil.halfWidth;
    painter.setBrush(eraserPink);
    painter.drawRoundedRect(QRectF(pencil.bandEnd - pencil.eraserRounding, -w,
                                   pencil.eraserEnd - pencil.bandEnd + pencil.eraserRounding,
                                   2 * w),
                            pencil.eraserRounding, pencil.eraserRounding);
    painter.setBrush(bandGrey);
    painter.drawRect(QRectF(pencil.bodyEnd, -w, pencil.bandEnd - pencil.bodyEnd, 2 * w));
    painter.setBrush(pencilYellow);
    painter.drawRect(QRectF(pencil.woodEnd, -w, pencil.bodyEnd - pencil.woodEnd, 2 * w));
    painter.setBrush(woodTan);
    painter.drawPolygon(
        QPolygonF({QPointF(0, 0), QPointF(pencil.woodEnd, -w), QPointF(pencil.woodEnd, w)}));
    const qreal graphiteHalf = w * pencil.graphiteEnd / pencil.woodEnd;
    painter.setBrush(graphiteGrey);
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(pencil.graphiteEnd, -graphiteHalf),
                                   QPointF(pencil.graphiteEnd, graphiteHalf)}));
    painter.restore();
}

} // namespace

void drawPointingHand(QPainter& painter) {
    static const QPainterPath hand = pointingHandPath();
    painter.save();
    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(cuffBlue);
    painter.drawRoundedRect(cuff, cuffRounding, cuffRounding);
    painter.setBrush(gloveWhite);
    painter.drawPath(hand);

    painter.setPen(outlinePen(creaseWidth));
    for (const Knuckle& knuckle : knuckles) {
        painter.drawLine(QPointF(knuckle.box.left(), knuckle.box.top() + fingerRounding),
                         QPointF(knuckle.box.left(), creaseBottomY));
    }
    painter.drawLine(thumbCreaseFrom, thumbCreaseTo);
    painter.restore();
}

void drawWritingHand(QPainter& painter) {
    static const QPainterPath hand = fistPath();
    static const QPainterPath thumb = capsule(thumbOnTop);
    painter.save();
    painter.translate(pencilPoint);
    painter.rotate(pencilTiltDegrees);
    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(cuffBlue);
    painter.drawRoundedRect(wristCuff, cuffRounding, cuffRounding);
    drawPencil(painter);

    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(gloveWhite);
    painter.drawPath(hand);
    painter.setPen(outlinePen(creaseWidth));
    // Creases between neighbouring fingertips.
    for (std::size_t i = 1; i < fingertips.size(); ++i) {
        const qreal y = (fingertips[i - 1].centre.y() + fingertips[i].centre.y()) / 2;
        const qreal x = (fingertips[i - 1].centre.x() + fingertips[i].centre.x()) / 2;
        painter.drawLine(QPointF(x, y), QPointF(x + creaseLength, y));
    }
    painter.setPen(outlinePen(outlineWidth));
    painter.drawPath(thumb);
    painter.setPen(Qt::NoPen);
    painter.setBrush(nailPink);
    painter.drawEllipse(nailCentre, nailRadii.width(), nailRadii.height());
    painter.restore();
}

} // namespace assets
