// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/hand_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assets {

namespace {

// The round end is drawn as this many cubic arcs; each spans well under a quarter turn,
// where the cubic stays within a hair of the circle.
constexpr int roundEndArcs = 4;

HandPoint mirrored(HandPoint p) {
    return {-p.x, p.y};
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// The arc of radius r about the origin from angle `from` to angle `to` (radians, screen
// sense: increasing angles turn clockwise on screen), as cubic pieces.
void appendArc(std::vector<CubicPiece>& pieces, double r, double from, double to) {
    const double step = (to - from) / roundEndArcs;
    const double handle = 4.0 / 3.0 * std::tan(step / 4.0) * r;
    for (int i = 0; i < roundEndArcs; ++i) {
        const double a0 = from + step * i;
        const double a1 = a0 + step;
        const HandPoint p0{r * std::cos(a0), r * std::sin(a0)};
        const HandPoint p1{r * std::cos(a1), r * std::sin(a1)};
        pieces.push_back({
            .control1 = {p0.x - handle * std::sin(a0), p0.y + handle * std::cos(a0)},
            .control2 = {p1.x + handle * std::sin(a1), p1.y - handle * std::cos(a1)},
            .end = p1,
        });
    }
}

CubicPiece straightPiece(HandPoint from, HandPoint to) {
    const auto at = [&](double t) {
        return HandPoint{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
    };
    return {.control1 = at(1.0 / 3.0), .control2 = at(2.0 / 3.0), .end = to};
}

struct Range {
    double low, high;
    void include(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
};

// Widens `range` to the exact extent of one coordinate of a cubic, endpoints and turning
// points alike.
void includeCubic(Range& range, double p0, double p1, double p2, double p3) {
    const auto at = [&](double t) {
        const double s = 1.0 - t;
        return s * s * s * p0 + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3;
    };
    range.include(p3);
    // The derivative over 3 is a t^2 + b t + c.
    const double a = -p0 + 3 * p1 - 3 * p2 + p3;
    const double b = 2 * (p0 - 2 * p1 + p2);
    const double c = p1 - p0;
    const auto includeIfInside = [&](double t) {
        if (t > 0.0 && t < 1.0) {
            range.include(at(t));
        }
    };
    constexpr double flat = 1e-12;
    if (std::abs(a) < flat) {
        if (std::abs(b) > flat) {
            includeIfInside(-c / b);
        }
        return;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) {
        return;
    }
    const double root = std::sqrt(discriminant);
    includeIfInside((-b + root) / (2 * a));
    includeIfInside((-b - root) / (2 * a));
}

} // namespace

const HandShape& handShape(HandKind kind) {
    return kind == HandKind::Minute ? minuteHandShape : hourHandShape;
}

HandOutline handOutline(HandKind kind) {
    const HandShape& shape = handShape(kind);
    HandOutline outline{.start = {0.0, -shape.tipDistance}, .pieces = {}};

    for (const CubicPiece& piece : shape.bladeRightSide) {
        outline.pieces.push_back(piece);
    }
    // The neck meets the round end where the circle is as wide as the neck.
    const double r = shape.endRadius;
    const double w = shape.neckHalfWidth;
    const HandPoint neckJoinRight{w, -std::sqrt(r * r - w * w)};
    const HandPoint neckTopRight = shape.bladeRightSide.back().end;
    outline.pieces.push_back(straightPiece(neckTopRight, neckJoinRight));

    // Round the back of the pivot, from the right join to its mirror image on the left.
    const double joinAngle = std::atan2(neckJoinRight.y, neckJoinRight.x);
    appendArc(outline.pieces, r, joinAngle, std::numbers::pi - joinAngle);
    outline.pieces.push_back(straightPiece(mirrored(neckJoinRight), mirrored(neckTopRight)));

    // Left side: the right side's curves walked backwards and mirrored.
    const auto& right = shape.bladeRightSide;
    for (int i = static_cast<int>(right.size()) - 1; i >= 0; --i) {
        const HandPoint to = i > 0 ? right[i - 1].end : outline.start;
        outline.pieces.push_back({
            .control1 = mirrored(right[i].control2),
            .control2 = mirrored(right[i].control1),
            .end = mirrored(to),
        });
    }
    return outline;
}

double tickAngleDegrees(int tick) {
    return tick * degreesPerTick;
}

HandPoint turned(HandPoint p, double degrees) {
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

PixelBox handPictureBox(HandKind kind, int tick) {
    const double angle = tickAngleDegrees(tick);
    const HandOutline outline = handOutline(kind);

    HandPoint previous = turned(outline.start, angle);
    Range xs{previous.x, previous.x};
    Range ys{previous.y, previous.y};
    for (const CubicPiece& piece : outline.pieces) {
        const HandPoint c1 = turned(piece.control1, angle);
        const HandPoint c2 = turned(piece.control2, angle);
        const HandPoint end = turned(piece.end, angle);
        includeCubic(xs, previous.x, c1.x, c2.x, end.x);
        includeCubic(ys, previous.y, c1.y, c2.y, end.y);
        previous = end;
    }

    // Outward to whole pixels, but a bound that is a whole pixel up to rounding noise (a tip
    // at 30 degrees, say) stays on it, so that mirror-image hands get mirror-image boxes.
    constexpr double noise = 1e-9;
    const auto down = [](double v) { return static_cast<int>(std::floor(v + noise)); };
    const auto up = [](double v) { return static_cast<int>(std::ceil(v - noise)); };
    const double halfStroke = handShape(kind).outlineWidth / 2;
    const int left = down(dialCentre.x + xs.low - halfStroke);
    const int top = down(dialCentre.y + ys.low - halfStroke);
    const int right = up(dialCentre.x + xs.high + halfStroke);
    const int bottom = up(dialCentre.y + ys.high + halfStroke);
    return {.left = left, .top = top, .width = right - left, .height = bottom - top};
}

} // namespace assets
