// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

// The two clock hands as outline data, and where each of the 120 hand pictures stands.
// Standard library only: the clock window's layout places the hand pictures from it, and
// the hand renderer draws exactly these outlines.
namespace assets {

enum class HandKind { Minute, Hour };

// A box in client-area pixels.
struct PixelBox {
    int left, top, width, height;
};

// Hand coordinates: pixels, the pivot at the origin, x to the right and y downwards, the
// hand pointing straight up (its point has a negative y).
struct HandPoint {
    double x, y;
};

// One cubic Bezier piece of an outline, continuing from where the previous piece ended.
struct CubicPiece {
    HandPoint control1, control2, end;
};

// A hand is a round end about the pivot, a straight neck, and a blade whose right side
// runs from the point down to the neck in two curves; the left side mirrors it.
struct HandShape {
    double endRadius;
    double neckHalfWidth;
    double tipDistance;
    std::array<CubicPiece, 2> bladeRightSide; // starts at the point (0, -tipDistance)
    double outlineWidth;                      // the black stroke, centred on the outline
};

// Long hand: a leaf-shaped blade, widest (26 px) some 50 px from the pivot.
inline constexpr HandShape minuteHandShape{
    .endRadius = 14.5,
    .neckHalfWidth = 7.5,
    .tipDistance = 237.0,
    .bladeRightSide = {{
        {.control1 = {2.5, -190.0}, .control2 = {13.0, -105.0}, .end = {13.0, -50.0}},
        {.control1 = {13.0, -34.0}, .control2 = {7.5, -30.0}, .end = {7.5, -20.0}},
    }},
    .outlineWidth = 2.0,
};

// Short hand: a spear head, widest (31 px) some 80 px from the pivot, on a longer neck.
inline constexpr HandShape hourHandShape{
    .endRadius = 13.0,
    .neckHalfWidth = 6.5,
    .tipDistance = 180.0,
    .bladeRightSide = {{
        {.control1 = {4.0, -160.0}, .control2 = {15.5, -110.0}, .end = {15.5, -80.0}},
        {.control1 = {15.5, -66.0}, .control2 = {6.5, -58.0}, .end = {6.5, -44.0}},
    }},
    .outlineWidth = 2.0,
};

// The pivot of every hand: the centre of the dial, in client-area pixels.
inline constexpr HandPoint dialCentre{280.0, 280.0};

inline constexpr int ticksPerTurn = 60;
inline constexpr double degreesPerTick = 360.0 / ticksPerTurn;

const HandShape& handShape(HandKind kind);

// The closed outline of a hand in hand coordinates: `start` is the point, followed by the
// right side, the round end (below the pivot) and the left side back to the point.
struct HandOutline {
    HandPoint start;
    std::vector<CubicPiece> pieces;
};
HandOutline handOutline(HandKind kind);

// Clockwise from straight up.
double tickAngleDegrees(int tick);

// Hand coordinates turned clockwise by `degrees` about the pivot.
HandPoint turned(HandPoint p, double degrees);

// The client-area box of the hand picture on `tick`, with the pivot on the dial centre:
// the turned outline's bounds widened by half the stroke, rounded outward.
PixelBox handPictureBox(HandKind kind, int tick);

} // namespace assets
