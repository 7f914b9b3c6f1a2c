// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/dial_background.h"

#include "assets/hand_geometry.h"
#include "assets/painting.h"

#include <QFont>

namespace assets {

namespace {

constexpr QColor fieldColour = qColour(toolkit::colours::blue);
constexpr QColor faceColour = qColour(0x00FF00FF);
constexpr QColor rimColour = qColour(toolkit::colours::yellow);

// Radii from the centre outwards: face, inner black ring, yellow rim, outer black ring.
struct DialRadii {
    qreal face = 256;
    qreal innerRingEnd = 257;
    qreal rimEnd = 266;
    qreal outerRingEnd = 267;
};
constexpr DialRadii radii;

struct TickMark {
    qreal from, to, width;
};
// Every mark crosses the whole rim; the hour marks reach a little into the face.
constexpr TickMark minuteMark{.from = 256.5, .to = 266.5, .width = 1.6};
constexpr TickMark hourMark{.from = 249.0, .to = 266.5, .width = 3.6};
constexpr int ticksPerHour = 5;

struct Numerals {
    // Close to the rim, so the numbers 13 to 24 on the inner circle stay clear of them.
    qreal radius = 233; // centre of each numeral
    int pixelSize = 33; // cap height of about 23 px
    qreal boxSide = 80; // room to centre two digits in
    int hours = 12;
    qreal degreesPerHour = 30;
};
constexpr Numerals numerals;

constexpr qreal centreDotRadius = 4;

const QPointF centre{dialCentre.x, dialCentre.y};

void fillDisc(QPainter& painter, qreal radius, const QColor& colour) {
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void drawTickMarks(QPainter& painter) {
    for (int tick = 0; tick < ticksPerTurn; ++tick) {
        const TickMark& mark = tick % ticksPerHour == 0 ? hourMark : minuteMark;
        painter.save();
        painter.translate(centre);
        painter.rotate(tickAngleDegrees(tick));
        painter.setPen(QPen(Qt::black, mark.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(0, -mark.from), QPointF(0, -mark.to));
        painter.restore();
    }
}

QFont numeralFont() {
    QFont font;
    font.setFamilies({"Liberation Serif", "DejaVu Serif", "serif"});
    font.setPixelSize(numerals.pixelSize);
    font.setBold(true);
    return font;
}

void drawNumerals(QPainter& painter) {
    painter.setPen(Qt::black);
    painter.setFont(numeralFont());
    for (int hour = 1; hour <= numerals.hours; ++hour) {
        const HandPoint offset = turned({0, -numerals.radius}, hour * numerals.degreesPerHour);
        const QPointF at = centre + QPointF(offset.x, offset.y);
        const QRectF box(at - QPointF(numerals.boxSide / 2, numerals.boxSide / 2),
                         QSizeF(numerals.boxSide, numerals.boxSide));
        painter.drawText(box, Qt::AlignCenter, QString::number(hour));
    }
}

} // namespace

void drawDialBackground(QPainter& painter) {
    painter.fillRect(QRect(QPoint(0, 0), dialBackgroundSize), fieldColour);

    painter.save();
    painter.setPen(Qt::NoPen);
    fillDisc(painter, radii.outerRingEnd, Qt::black);
    fillDisc(painter, radii.rimEnd, rimColour);
    fillDisc(painter, radii.innerRingEnd, Qt::black);
    fillDisc(painter, radii.face, faceColour);
    painter.restore();

    drawTickMarks(painter);
    drawNumerals(painter);

    painter.save();
    painter.setPen(Qt::NoPen);
    fillDisc(painter, centreDotRadius, Qt::black);
    painter.restore();
}

} // namespace assets
