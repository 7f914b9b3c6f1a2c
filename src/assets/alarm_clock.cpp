// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/alarm_clock.h"

#include "assets/painting.h"

#include <QPainterPath>

#include <array>

namespace assets {

namespace {

constexpr QColor caseRed = QColor(228, 30, 36);
constexpr QColor caseShadow = QColor(170, 16, 24);
constexpr QColor faceYellow = QColor(255, 230, 40);
constexpr QColor brassYellow = QColor(255, 200, 0);
constexpr QColor shine = QColor(255, 255, 255, 210);

constexpr qreal outlineWidth = 8;
constexpr qreal fineLineWidth = 5;

constexpr QPointF caseCentre{158, 174};
constexpr qreal caseRadius = 104;
constexpr qreal faceRadius = 76;
constexpr qreal shadowInset = 10; // a darker band inside the case's lower edge

// A bell is a dome standing on its rim; in its own coordinates the rim's middle is the
// origin and the dome rises towards negative y.
struct Bell {
    QPointF rim;
    qreal tilt; // degrees, clockwise
};
constexpr std::array<Bell, 2> bells{{
    {.rim = {92, 86}, .tilt = -36},
    {.rim = {224, 86}, .tilt = 36},
}};
constexpr qreal bellHalfWidth = 52;
constexpr qreal bellHeight = 62;
constexpr qreal bellRimSag = 10;
constexpr qreal bellDomeControlHeight = 80; // how high the dome's curve is pulled
constexpr QPointF bellKnob{0, -bellHeight - 4};
constexpr qreal bellKnobRadius = 11;

// The hammer stands between the bells, on a stem from the top of the case.
constexpr QPointF hammerFoot{158, 74};
constexpr QPointF hammerHead{158, 34};
constexpr qreal hammerStemWidth = 14;
constexpr qreal hammerHeadRadius = 16;

struct Leg {
    QPointF hip, foot;
};
constexpr std::array<Leg, 2> legs{{
    {.hip = {104, 262}, .foot = {76, 288}},
    {.hip = {212, 262}, .foot = {240, 288}},
}};
constexpr qreal legWidth = 16;
constexpr QSizeF footSize{40, 18};

constexpr int faceMarks = 12;
constexpr qreal degreesPerFaceMark = 360.0 / faceMarks;
constexpr qreal faceMarkRadius = 62;
constexpr qreal smallMarkRadius = 4.5;
constexpr qreal quarterMarkRadius = 7;

struct ClockHand {
    qreal degrees, length, width;
};
constexpr ClockHand shortHand{.degrees = -60, .length = 40, .width = 12};
constexpr ClockHand longHand{.degrees = 60, .length = 58, .width = 9};
constexpr qreal hubRadius = 9;

// A glint on the case, just outside the face: an arc at the upper left.
constexpr qreal shineRadius = 90;
constexpr qreal shineStartDegrees = 110; // counter-clockwise from three o'clock
constexpr qreal shineSpanDegrees = 50;
constexpr qreal shineWidth = 10;
constexpr int sixteenthsPerDegree = 16;

QPainterPath bellPath() {
    QPainterPath path(QPointF(-bellHalfWidth, 0));
    path.cubicTo(QPointF(-bellHalfWidth, -bellDomeControlHeight),
                 QPointF(bellHalfWidth, -bellDomeControlHeight), QPointF(bellHalfWidth, 0));
    path.quadTo(QPointF(0, bellRimSag), QPointF(-bellHalfWidth, 0));
    path.closeSubpath();
    return path;
}

void drawBells(QPainter& painter) {
    static const QPainterPath dome = bellPath();
    for (const Bell& bell : bells) {
        painter.save();
        painter.translate(bell.rim);
        painter.rotate(bell.tilt);
        painter.setPen(outlinePen(outlineWidth));
        painter.setBrush(brassYellow);
        painter.drawEllipse(bellKnob, bellKnobRadius, bellKnobRadius);
        painter.setBrush(caseRed);
        painter.drawPath(dome);
        painter.restore();
    }
}

void drawHammer(QPainter& painter) {
    painter.save();
    painter.setPen(QPen(Qt::black, hammerStemWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hammerFoot, hammerHead);
    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(brassYellow);
    painter.drawEllipse(hammerHead, hammerHeadRadius, hammerHeadRadius);
    painter.restore();
}

void drawLegs(QPainter& painter) {
    for (const Leg& leg : legs) {
        painter.save();
        painter.setPen(QPen(Qt::black, legWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(leg.hip, leg.foot);
        painter.setPen(outlinePen(outlineWidth));
        painter.setBrush(caseRed);
        painter.drawEllipse(leg.foot, footSize.width() / 2, footSize.height() / 2);
        painter.restore();
    }
}

void drawCase(QPainter& painter) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(caseShadow);
    painter.drawEllipse(caseCentre, caseRadius, caseRadius);
    painter.setBrush(caseRed);
    painter.drawEllipse(caseCentre - QPointF(0, shadowInset), caseRadius - shadowInset,
                        caseRadius - shadowInset);
    painter.setPen(outlinePen(outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(caseCentre, caseRadius, caseRadius);

    painter.setPen(QPen(shine, shineWidth, Qt::SolidLine, Qt::RoundCap));
    const QRectF shineBox(caseCentre - QPointF(shineRadius, shineRadius),
                          QSizeF(2 * shineRadius, 2 * shineRadius));
    painter.drawArc(shineBox, qRound(shineStartDegrees * sixteenthsPerDegree),
                    qRound(shineSpanDegrees * sixteenthsPerDegree));
    painter.restore();
}

void drawClockHand(QPainter& painter, const ClockHand& hand) {
    painter.save();
    painter.translate(caseCentre);
    painter.rotate(hand.degrees);
    painter.setPen(QPen(Qt::black, hand.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(0, -hand.length));
    painter.restore();
}

void drawFace(QPainter& painter) {
    painter.save();
    painter.setPen(outlinePen(fineLineWidth));
    painter.setBrush(faceYellow);
    painter.drawEllipse(caseCentre, faceRadius, faceRadius);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int mark = 0; mark < faceMarks; ++mark) {
        const qreal r = mark % 3 == 0 ? quarterMarkRadius : smallMarkRadius;
        painter.save();
        painter.translate(caseCentre);
        painter.rotate(mark * degreesPerFaceMark);
        painter.drawEllipse(QPointF(0, -faceMarkRadius), r, r);
        painter.restore();
    }
    painter.restore();

    drawClockHand(painter, shortHand);
    drawClockHand(painter, longHand);

    painter.save();
    painter.setPen(outlinePen(fineLineWidth));
    painter.setBrush(caseRed);
    painter.drawEllipse(caseCentre, hubRadius, hubRadius);
    painter.restore();
}

} // namespace

void drawAlarmClock(QPainter& painter) {
    drawLegs(painter);
    drawHammer(painter);
    drawBells(painter);
    drawCase(painter);
    drawFace(painter);
}

} // namespace assets
