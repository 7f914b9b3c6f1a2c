// SPDX-License-Identifier: GPL-3.0-or-later
// Every one of the 120 hand pictures, rendered and measured as it would stand in the
// window: placed at its box, its pivot must fall on the dial centre and its point on its
// tick, at the right distance, in the right colours.

#include "picture_probe.h"

#include "assets/hand_geometry.h"
#include "assets/pictures.h"

#include <QLineF>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

Q_DECLARE_METATYPE(assets::HandKind)

namespace {

const QPointF dialCentre(280, 280);
constexpr double pivotTolerance = 3;
constexpr double angleTolerance = 2.5;
constexpr int fillTolerance = 8;
constexpr int outlineDarkness = 90; // no channel brighter than this
constexpr int solidAlpha = 200;

struct HandFacts {
    const char* name;
    double shortestTip, longestTip;
    double roundEndAcross;
    QColor fill;
};
constexpr HandFacts minuteFacts{"minute-hand", 230, 245, 29, QColor(255, 255, 0)};
constexpr HandFacts hourFacts{"hour-hand", 172, 194, 26, QColor(0, 255, 0)};

const HandFacts& factsOf(assets::HandKind kind) {
    return kind == assets::HandKind::Minute ? minuteFacts : hourFacts;
}

// A hand picture as it stands in the window: its opaque pixels, as pixel centres in
// client-area coordinates.
struct PlacedHand {
    QImage image;
    QPoint origin;

    QPointF clientPoint(int x, int y) const {
        return QPointF(origin.x() + x + 0.5, origin.y() + y + 0.5);
    }
    QPoint imagePixel(QPointF client) const {
        return QPoint(static_cast<int>(std::floor(client.x() - origin.x())),
                      static_cast<int>(std::floor(client.y() - origin.y())));
    }
    template <typename Visit> void forEachOpaque(Visit visit) const {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (probe::isOpaque(image, {x, y})) {
                    visit(clientPoint(x, y));
                }
            }
        }
    }
};

PlacedHand render(const assets::Pictures& pictures, assets::HandKind kind, int tick) {
    const toolkit::PictureId id{factsOf(kind).name, tick};
    const QSize size = pictures.naturalSize(id);
    const assets::PixelBox box = assets::handPictureBox(kind, tick);
    return {probe::pixelsOf(pictures.picture(id, size, 1.0)), QPoint(box.left, box.top)};
}

QPointF farthestFrom(const PlacedHand& hand, QPointF from) {
    QPointF best = from;
    double bestDistance = -1;
    hand.forEachOpaque([&](QPointF p) {
        const double d = QLineF(from, p).length();
        if (d > bestDistance) {
            bestDistance = d;
            best = p;
        }
    });
    return best;
}

// Clockwise from straight up, in [0, 360).
double bearing(QPointF from, QPointF to) {
    const double degrees =
        std::atan2(to.x() - from.x(), from.y() - to.y()) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

double angleBetween(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

QPointF unit(QLineF line) {
    return (line.p2() - line.p1()) / line.length();
}

} // namespace

class HandPicturesTest : public QObject {
    Q_OBJECT

    assets::Pictures pictures;

  private slots:
    void everyHand_data() {
        QTest::addColumn<assets::HandKind>("kind");
        QTest::addColumn<int>("tick");
        for (int tick = 0; tick < assets::ticksPerTurn; ++tick) {
            QTest::addRow("minute-%02d", tick) << assets::HandKind::Minute << tick;
            QTest::addRow("hour-%02d", tick) << assets::HandKind::Hour << tick;
        }
    }

    void everyHand() {
        QFETCH(assets::HandKind, kind);
        QFETCH(int, tick);
        const HandFacts& facts = factsOf(kind);
        const PlacedHand hand = render(pictures, kind, tick);
        QVERIFY(!hand.image.isNull());

        // The point: the drawn pixel farthest from the dial centre.
        const QPointF point = farthestFrom(hand, dialCentre);
        const double tipDistance = QLineF(dialCentre, point).length();
        QVERIFY2(tipDistance >= facts.shortestTip && tipDistance <= facts.longestTip,
                 qPrintable(QString("point %1 px from the centre").arg(tipDistance)));
        const double tickAngle = tick * 6.0;
        QVERIFY2(angleBetween(bearing(dialCentre, point), tickAngle) <= angleTolerance,
                 qPrintable(QString("point at %1 degrees for tick %2")
                                .arg(bearing(dialCentre, point))
                                .arg(tick)));

        // The pivot: the middle of the round end, found from the picture alone. The tail is
        // the drawn pixel farthest from the point; the round end is what lies within one
        // diameter of it along the hand.
        const QPointF tail = farthestFrom(hand, point);
        const QPointF along = unit(QLineF(tail, point));
        QPointF sum;
        int count = 0;
        hand.forEachOpaque([&](QPointF p) {
            const QPointF offset = p - tail;
            const double s = offset.x() * along.x() + offset.y() * along.y();
            if (s <= facts.roundEndAcross) {
                sum += p;
                ++count;
            }
        });
        QVERIFY(count > 0);
        const QPointF pivot = sum / count;
        QVERIFY2(QLineF(pivot, dialCentre).length() <= pivotTolerance,
                 qPrintable(QString("pivot at (%1, %2)").arg(pivot.x()).arg(pivot.y())));

        // Filled in the hand's colour; crossing the blade from its middle outwards, the
        // last solid pixel before the background is the black outline.
        const QPointF blade = dialCentre + unit(QLineF(dialCentre, point)) * (0.4 * tipDistance);
        const QColor middle = hand.image.pixelColor(hand.imagePixel(blade));
        QCOMPARE(middle.alpha(), 255);
        QVERIFY2(probe::colourDistance(middle, facts.fill) <= fillTolerance,
                 qPrintable(middle.name()));
        const QPointF across(-along.y(), along.x());
        for (const double side : {1.0, -1.0}) {
            std::optional<QColor> lastSolid;
            for (double step = 0;; step += 0.5) {
                const QPoint pixel = hand.imagePixel(blade + across * (side * step));
                if (!hand.image.valid(pixel) || probe::isClear(hand.image, pixel)) {
                    break;
                }
                const QColor c = hand.image.pixelColor(pixel);
                if (c.alpha() >= solidAlpha) {
                    lastSolid = c;
                }
            }
            QVERIFY(lastSolid.has_value());
            QVERIFY2(std::max({lastSolid->red(), lastSolid->green(), lastSolid->blue()}) <=
                         outlineDarkness,
                     qPrintable(lastSolid->name()));
        }

        // Transparent around the hand: nothing is drawn away from the line from the pivot
        // to the point, and the corners beside that line are clear.
        const QImage& image = hand.image;
        const QLineF axis(dialCentre, point);
        const auto sideOf = [&](QPointF p) {
            const QPointF d = p - axis.p1();
            return d.x() * along.y() - d.y() * along.x(); // signed distance from the axis
        };
        constexpr double beyondTheBlade = 20;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QPointF p = hand.clientPoint(x, y);
                const QPointF d = p - axis.p1();
                const double s = std::clamp(QPointF::dotProduct(d, unit(axis)), 0.0, axis.length());
                const double away = QLineF(p, axis.pointAt(s / axis.length())).length();
                if (away > beyondTheBlade && !probe::isClear(image, {x, y})) {
                    QFAIL(qPrintable(QString("drawn at (%1, %2), %3 px off the hand's axis")
                                         .arg(x)
                                         .arg(y)
                                         .arg(away)));
                }
            }
        }
        QPoint leftmost, rightmost;
        double mostLeft = 1e9, mostRight = -1e9;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
              QPoint(image.width() - 1, image.height() - 1)}) {
            const double side = sideOf(hand.clientPoint(corner.x(), corner.y()));
            if (side < mostLeft) {
                mostLeft = side;
                leftmost = corner;
            }
            if (side > mostRight) {
                mostRight = side;
                rightmost = corner;
            }
        }
        QVERIFY(probe::isClear(image, leftmost));
        QVERIFY(probe::isClear(image, rightmost));

        // Cropped to the hand.
        const QRect drawn = probe::drawnBounds(image);
        QVERIFY(drawn.left() <= 1 && drawn.top() <= 1);
        QVERIFY(drawn.right() >= image.width() - 2 && drawn.bottom() >= image.height() - 2);
    }
};

QTEST_MAIN(HandPicturesTest)
#include "tst_hand_pictures.moc"
