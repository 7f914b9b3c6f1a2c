// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/faces.h"

#include "assets/painting.h"

#include <QPainterPath>

namespace assets {

namespace {

constexpr QColor skinYellow = QColor(255, 224, 32);
constexpr QColor rimShade = QColor(240, 170, 0);
constexpr QColor mouthInside = QColor(150, 20, 30);
constexpr QColor tongue = QColor(250, 110, 120);
constexpr QColor cheekBlush = QColor(255, 120, 90, 110);
constexpr QColor eyeGlint = QColorConstants::White;

constexpr QPointF centre{16, 16};
constexpr qreal headRadius = 14.6;
constexpr qreal shadeWidth = 1.6;
constexpr qreal outlineWidth = 1.2;
constexpr qreal featureWidth = 1.5;

struct Eye {
    QPointF at;
};
constexpr Eye leftEye{{11.2, 12.2}};
constexpr Eye rightEye{{20.8, 12.2}};
constexpr QSizeF eyeRadii{1.7, 2.5};
constexpr QPointF glintOffset{0.6, -0.9};
constexpr qreal glintRadius = 0.6;

constexpr QPointF leftCheek{8.2, 19.0};
constexpr QPointF rightCheek{23.8, 19.0};
constexpr qreal cheekRadius = 2.3;

// Sad: the mouth curves down, and the brows slope up towards the middle.
constexpr QPointF frownLeft{10.5, 23.5};
constexpr QPointF frownControl{16, 17.5};
constexpr QPointF frownRight{21.5, 23.5};
struct Brow {
    QPointF outer, inner;
};
constexpr Brow leftBrow{{8.6, 8.6}, {13.0, 7.4}};
constexpr Brow rightBrow{{23.4, 8.6}, {19.0, 7.4}};

constexpr QPointF straightLeft{11, 21.5};
constexpr QPointF straightRight{21, 21.5};

// Happy: a wide open mouth, flat along the top, with a tongue in it.
constexpr QPointF smileLeft{8.8, 18.2};
constexpr QPointF smileRight{23.2, 18.2};
constexpr QPointF smileLowLeft{10.5, 27.5};
constexpr QPointF smileLowRight{21.5, 27.5};
constexpr QPointF tongueCentre{16, 24.9};
constexpr QSizeF tongueRadii{3.6, 2.4};

QPainterPath openSmilePath() {
    QPainterPath path(smileLeft);
    path.lineTo(smileRight);
    path.cubicTo(smileLowRight, smileLowLeft, smileLeft);
    path.closeSubpath();
    return path;
}

QPen featurePen() {
    return QPen(Qt::black, featureWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawHead(QPainter& painter) {
    painter.save();
    painter.setPen(QPen(rimShade, shadeWidth));
    painter.setBrush(skinYellow);
    painter.drawEllipse(centre, headRadius - shadeWidth / 2, headRadius - shadeWidth / 2);
    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, headRadius, headRadius);
    painter.restore();
}

void drawEyes(QPainter& painter) {
    painter.save();
    for (const Eye& eye : {leftEye, rightEye}) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(eye.at, eyeRadii.width(), eyeRadii.height());
        painter.setBrush(eyeGlint);
        painter.drawEllipse(eye.at + glintOffset, glintRadius, glintRadius);
    }
    painter.restore();
}

void drawCheeks(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(cheekBlush);
    painter.drawEllipse(leftCheek, cheekRadius, cheekRadius);
    painter.drawEllipse(rightCheek, cheekRadius, cheekRadius);
    painter.restore();
}

void drawSadMouth(QPainter& painter) {
    painter.save();
    painter.setPen(featurePen());
    QPainterPath frown(frownLeft);
    frown.quadTo(frownControl, frownRight);
    painter.drawPath(frown);
    painter.drawLine(leftBrow.outer, leftBrow.inner);
    painter.drawLine(rightBrow.outer, rightBrow.inner);
    painter.restore();
}

void drawNeutralMouth(QPainter& painter) {
    painter.save();
    painter.setPen(featurePen());
    painter.drawLine(straightLeft, straightRight);
    painter.restore();
}

void drawHappyMouth(QPainter& painter) {
    static const QPainterPath mouth = openSmilePath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(mouthInside);
    painter.drawPath(mouth);
    painter.setClipPath(mouth);
    painter.setBrush(tongue);
    painter.drawEllipse(tongueCentre, tongueRadii.width(), tongueRadii.height());
    painter.setClipping(false);
    painter.setPen(featurePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
    painter.restore();
}

} // namespace

void drawFace(QPainter& painter, Mood mood) {
    drawHead(painter);
    drawEyes(painter);
    switch (mood) {
    case Mood::Sad:
        drawSadMouth(painter);
        break;
    case Mood::Neutral:
        drawNeutralMouth(painter);
        break;
    case Mood::Happy:
        drawCheeks(painter);
        drawHappyMouth(painter);
        break;
    }
}

} // namespace assets
