// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/chalkboard.h"

#include "assets/painting.h"

#include <QRadialGradient>

#include <array>

namespace assets {

namespace {

constexpr QColor surroundOrange = QColor(255, 128, 64);
constexpr QColor boardTeal = QColor(0, 128, 128);
constexpr QColor paleLilac = QColor(214, 196, 236);
constexpr QColor ledgeBrown = QColor(128, 64, 0);
constexpr QColor ledgeShadow = QColor(88, 42, 0);
constexpr QColor chalkBoxBlue = QColor(30, 60, 210);
constexpr QColor chalkBoxLid = QColor(20, 40, 150);
constexpr QColor chalkWhite = QColor(250, 250, 245);
constexpr QColor spongeOlive = QColor(128, 128, 0);
constexpr QColor spongeLight = QColor(170, 170, 40);
constexpr QColor chalkDust = QColor(255, 255, 255, 34);
constexpr QColor noDust = QColor(255, 255, 255, 0);

// The board, inside the orange surround; the black and lilac lines run just inside its edge.
constexpr QRectF board{6, 5, 312, 222};
constexpr qreal blackLineInset = 1.5;
constexpr qreal lilacLineInset = 3.5;
constexpr qreal frameLineWidth = 1.2;

// The ledge runs along the bottom edge of the board, a little wider than it.
constexpr QRectF ledge{2, 227, 320, 6};
constexpr qreal ledgeShadowHeight = 1.5;

// The chalk box stands on the ledge at the left, chalk sticks poking out of its top.
constexpr QRectF chalkBox{12, 211, 30, 16};
constexpr qreal chalkBoxLidHeight = 4;
struct ChalkStick {
    qreal left, top, width;
};
constexpr std::array<ChalkStick, 5> chalkSticks{{
    {.left = 15, .top = 204, .width = 4},
    {.left = 20, .top = 202, .width = 4},
    {.left = 25, .top = 205, .width = 4},
    {.left = 30, .top = 203, .width = 4},
    {.left = 35, .top = 206, .width = 4},
}};
constexpr qreal chalkRounding = 1.5;
constexpr qreal chalkTuckedIn = 1; // sticks reach under the box's top edge
constexpr qreal thinLineWidth = 0.8;

constexpr QPointF spongeCentre{53, 221};
constexpr qreal spongeRadius = 6;
constexpr QPointF spongeHighlight{51, 219};
constexpr qreal spongeHighlightRadius = 2.2;

// Faint smudges of rubbed-out chalk, so the board does not look freshly painted.
struct Smudge {
    QPointF centre;
    QSizeF radii;
};
constexpr std::array<Smudge, 4> smudges{{
    {.centre = {70, 60}, .radii = {46, 14}},
    {.centre = {250, 45}, .radii = {38, 10}},
    {.centre = {200, 150}, .radii = {60, 16}},
    {.centre = {95, 175}, .radii = {34, 9}},
}};

void drawFrame(QPainter& painter) {
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(chalkboardSize)), surroundOrange);
    painter.fillRect(board, boardTeal);

    // Each smudge fades out towards its edge: a unit circle's gradient, stretched.
    constexpr qreal unitRadius = 1;
    QRadialGradient dust(QPointF(0, 0), unitRadius);
    dust.setColorAt(0, chalkDust);
    dust.setColorAt(1, noDust);
    for (const Smudge& smudge : smudges) {
        painter.save();
        painter.translate(smudge.centre);
        painter.scale(smudge.radii.width(), smudge.radii.height());
        painter.setPen(Qt::NoPen);
        painter.setBrush(dust);
        painter.drawEllipse(QPointF(0, 0), unitRadius, unitRadius);
        painter.restore();
    }

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, frameLineWidth));
    painter.drawRect(
        board.adjusted(blackLineInset, blackLineInset, -blackLineInset, -blackLineInset));
    painter.setPen(QPen(paleLilac, frameLineWidth));
    painter.drawRect(
        board.adjusted(lilacLineInset, lilacLineInset, -lilacLineInset, -lilacLineInset));
    painter.restore();
}

void drawLedge(QPainter& painter) {
    painter.fillRect(ledge, ledgeBrown);
    painter.fillRect(
        QRectF(ledge.left(), ledge.bottom() - ledgeShadowHeight, ledge.width(), ledgeShadowHeight),
        ledgeShadow);
}

void drawChalkBox(QPainter& painter) {
    painter.save();
    painter.setPen(QPen(Qt::black, thinLineWidth));
    painter.setBrush(chalkWhite);
    for (const ChalkStick& stick : chalkSticks) {
        painter.drawRoundedRect(
            QRectF(stick.left, stick.top, stick.width, chalkBox.top() - stick.top + chalkTuckedIn),
            chalkRounding, chalkRounding);
    }
    painter.setBrush(chalkBoxBlue);
    painter.drawRect(chalkBox);
    painter.setBrush(chalkBoxLid);
    painter.drawRect(QRectF(chalkBox.topLeft(), QSizeF(chalkBox.width(), chalkBoxLidHeight)));
    painter.restore();
}

void drawSponge(QPainter& painter) {
    painter.save();
    painter.setPen(QPen(Qt::black, thinLineWidth));
    painter.setBrush(spongeOlive);
    painter.drawEllipse(spongeCentre, spongeRadius, spongeRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(spongeLight);
    painter.drawEllipse(spongeHighlight, spongeHighlightRadius, spongeHighlightRadius);
    painter.restore();
}

} // namespace

void drawChalkboard(QPainter& painter) {
    drawFrame(painter);
    drawLedge(painter);
    drawChalkBox(painter);
    drawSponge(painter);
}

} // namespace assets
