// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/sun_and_moon.h"

#include "assets/painting.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace assets {

namespace {

constexpr QColor sunYellow = QColor(255, 222, 0);
constexpr QColor rayOrange = QColor(255, 160, 0);
constexpr QColor moonYellow = QColor(255, 240, 110);
constexpr QColor cheekBlush = QColor(255, 110, 80, 120);

constexpr qreal outlineWidth = 3;
constexpr qreal featureWidth = 3.2;

struct SunShape {
    QPointF centre{49, 54};
    qreal discRadius = 29;
    int rays = 12;
    qreal rayBase = 31;    // rays start under the disc's edge
    qreal longRayTip = 47; // rays alternate long and short
    qreal shortRayTip = 41;
    qreal rayHalfAngleDegrees = 9;
};
constexpr SunShape sun;

struct SunFace {
    QPointF leftEye{39, 47};
    QPointF rightEye{59, 47};
    QSizeF eyeRadii{3.2, 4.6};
    QPointF leftCheek{33, 60};
    QPointF rightCheek{65, 60};
    qreal cheekRadius = 4.5;
    QPointF smileLeft{37, 60};
    QPointF smileRight{61, 60};
    QPointF smileControl1{41, 71};
    QPointF smileControl2{57, 71};
};
constexpr SunFace sunFace;

// A crescent: the moon's disc with a larger bite taken out of its right side, so the
// face looks right along the inner edge.
struct MoonShape {
    QPointF centre{55.5, 54};
    qreal radius = 44;
    QPointF biteCentre{83, 50.5};
    qreal biteRadius = 31.5;
    QPointF nose{52, 56};
    qreal noseRadius = 5;
    qreal tiltDegrees = -10;
};
constexpr MoonShape moon;

struct MoonFace {
    QPointF eyeFrom{31.5, 41};
    QPointF eyeControl{38, 34.5};
    QPointF eyeTo{44.5, 41};
    QPointF cheek{31.5, 61.5};
    qreal cheekRadius = 5.5;
    QPointF smileFrom{33.5, 68.5};
    QPointF smileControl{41.5, 77};
    QPointF smileTo{49, 67};
};
constexpr MoonFace moonFace;

QPointF polar(qreal radius, qreal degrees) {
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return {radius * std::sin(radians), -radius * std::cos(radians)};
}

QPainterPath raysPath() {
    QPainterPath path;
    const qreal step = 360.0 / sun.rays;
    for (int ray = 0; ray < sun.rays; ++ray) {
        const qreal angle = ray * step;
        const qreal tip = ray % 2 == 0 ? sun.longRayTip : sun.shortRayTip;
        QPainterPath one(polar(sun.rayBase, angle - sun.rayHalfAngleDegrees));
        one.lineTo(polar(tip, angle));
        one.lineTo(polar(sun.rayBase, angle + sun.rayHalfAngleDegrees));
        one.closeSubpath();
        path = path.united(one);
    }
    return path;
}

QPainterPath crescentPath() {
    QPainterPath disc;
    disc.addEllipse(moon.centre, moon.radius, moon.radius);
    QPainterPath bite;
    bite.addEllipse(moon.biteCentre, moon.biteRadius, moon.biteRadius);
    QPainterPath nose;
    nose.addEllipse(moon.nose, moon.noseRadius, moon.noseRadius);
    return disc.subtracted(bite).united(nose);
}

QPen featurePen() {
    return QPen(Qt::black, featureWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void drawSun(QPainter& painter) {
    static const QPainterPath rays = raysPath();
    painter.save();
    painter.translate(sun.centre);
    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(rayOrange);
    painter.drawPath(rays);
    painter.setBrush(sunYellow);
    painter.drawEllipse(QPointF(0, 0), sun.discRadius, sun.discRadius);
    painter.restore();

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(cheekBlush);
    painter.drawEllipse(sunFace.leftCheek, sunFace.cheekRadius, sunFace.cheekRadius);
    painter.drawEllipse(sunFace.rightCheek, sunFace.cheekRadius, sunFace.cheekRadius);
    painter.setBrush(Qt::black);
    painter.drawEllipse(sunFace.leftEye, sunFace.eyeRadii.width(), sunFace.eyeRadii.height());
    painter.drawEllipse(sunFace.rightEye, sunFace.eyeRadii.width(), sunFace.eyeRadii.height());
    painter.setPen(featurePen());
    painter.setBrush(Qt::NoBrush);
    QPainterPath smile(sunFace.smileLeft);
    smile.cubicTo(sunFace.smileControl1, sunFace.smileControl2, sunFace.smileRight);
    painter.drawPath(smile);
    painter.restore();
}

void drawMoon(QPainter& painter) {
    static const QPainterPath crescent = crescentPath();
    painter.save();
    painter.translate(moon.centre);
    painter.rotate(moon.tiltDegrees);
    painter.translate(-moon.centre);

    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(moonYellow);
    painter.drawPath(crescent);

    painter.setPen(Qt::NoPen);
    painter.setBrush(cheekBlush);
    painter.drawEllipse(moonFace.cheek, moonFace.cheekRadius, moonFace.cheekRadius);

    painter.setPen(featurePen());
    painter.setBrush(Qt::NoBrush);
    QPainterPath eye(moonFace.eyeFrom);
    eye.quadTo(moonFace.eyeControl, moonFace.eyeTo);
    painter.drawPath(eye);
    QPainterPath smile(moonFace.smileFrom);
    smile.quadTo(moonFace.smileControl, moonFace.smileTo);
    painter.drawPath(smile);
    painter.restore();
}

} // namespace assets
