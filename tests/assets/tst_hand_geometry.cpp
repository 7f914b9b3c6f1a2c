// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes of the 120 hand pictures, against the window's telling rows and the turns that
// map one hand onto another.

#include "assets/hand_geometry.h"

#include <QLineF>
#include <QTest>

#include <cmath>

using assets::HandKind;
using assets::PixelBox;

Q_DECLARE_METATYPE(HandKind)

namespace {

constexpr int pivot = 280;
constexpr int twipsPerPixel = 15;

int right(const PixelBox& b) {
    return b.left + b.width;
}
int bottom(const PixelBox& b) {
    return b.top + b.height;
}

void addEveryHand() {
    QTest::addColumn<HandKind>("kind");
    QTest::addColumn<int>("tick");
    for (int tick = 0; tick < assets::ticksPerTurn; ++tick) {
        QTest::addRow("minute-%02d", tick) << HandKind::Minute << tick;
        QTest::addRow("hour-%02d", tick) << HandKind::Hour << tick;
    }
}

} // namespace

class HandGeometryTest : public QObject {
    Q_OBJECT

  private slots:
    void boxIsOfTheOrderOfTheTellingRow_data() {
        QTest::addColumn<HandKind>("kind");
        QTest::addColumn<int>("tick");
        QTest::addColumn<QRect>("tellingTwips");
        QTest::newRow("Image60 at 12") << HandKind::Minute << 0 << QRect(3960, 500, 630, 4020);
        QTest::newRow("Image15 at 3") << HandKind::Minute << 15 << QRect(3940, 3980, 3855, 495);
        QTest::newRow("Image30 at 6") << HandKind::Minute << 30 << QRect(3860, 3840, 585, 3975);
        QTest::newRow("Image45 at 9") << HandKind::Minute << 45 << QRect(600, 3900, 4005, 615);
        QTest::newRow("Image61 at 12") << HandKind::Hour << 0 << QRect(4080, 1440, 465, 2850);
        QTest::newRow("Image76 at 3") << HandKind::Hour << 15 << QRect(4080, 3960, 3345, 525);
        QTest::newRow("Image91 at 6") << HandKind::Hour << 30 << QRect(3840, 4080, 585, 2940);
        QTest::newRow("Image106 at 9") << HandKind::Hour << 45 << QRect(1440, 3840, 2940, 600);
    }
    // The boxes need not match to the pixel, but they must be of the same size and stand on
    // the same side of the pivot.
    void boxIsOfTheOrderOfTheTellingRow() {
        QFETCH(HandKind, kind);
        QFETCH(int, tick);
        QFETCH(QRect, tellingTwips);
        const QRectF telling(tellingTwips.left() / double(twipsPerPixel),
                             tellingTwips.top() / double(twipsPerPixel),
                             tellingTwips.width() / double(twipsPerPixel),
                             tellingTwips.height() / double(twipsPerPixel));
        const PixelBox box = assets::handPictureBox(kind, tick);
        const double longSide = std::max(box.width, box.height);
        const double shortSide = std::min(box.width, box.height);
        const double tellingLong = std::max(telling.width(), telling.height());
        const double tellingShort = std::min(telling.width(), telling.height());
        QVERIFY2(longSide > 0.85 * tellingLong && longSide < 1.05 * tellingLong,
                 qPrintable(QString("long side %1 against %2").arg(longSide).arg(tellingLong)));
        QVERIFY2(shortSide > 0.7 * tellingShort && shortSide < 1.3 * tellingShort,
                 qPrintable(QString("short side %1 against %2").arg(shortSide).arg(tellingShort)));
        QCOMPARE(box.width > box.height, telling.width() > telling.height());
        constexpr double sameSide = 25;
        const QPointF centre(box.left + box.width / 2.0, box.top + box.height / 2.0);
        QVERIFY2(QLineF(centre, telling.center()).length() < sameSide,
                 qPrintable(QString("box centre (%1, %2), telling centre (%3, %4)")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(telling.center().x())
                                .arg(telling.center().y())));
    }

    void boxHoldsTheRoundEndAroundThePivot_data() { addEveryHand(); }
    void boxHoldsTheRoundEndAroundThePivot() {
        QFETCH(HandKind, kind);
        QFETCH(int, tick);
        const PixelBox box = assets::handPictureBox(kind, tick);
        const int reach = static_cast<int>(std::ceil(assets::handShape(kind).endRadius));
        QVERIFY(box.left <= pivot - reach);
        QVERIFY(box.top <= pivot - reach);
        QVERIFY(right(box) >= pivot + reach);
        QVERIFY(bottom(box) >= pivot + reach);
    }

    // Mirrored left to right, a hand on tick t is the hand on tick 60 - t; turned a quarter
    // clockwise, it is the hand 15 ticks on. Both must hold to the pixel.
    void mirroredAndTurnedBoxesAgree_data() { addEveryHand(); }
    void mirroredAndTurnedBoxesAgree() {
        QFETCH(HandKind, kind);
        QFETCH(int, tick);
        const PixelBox box = assets::handPictureBox(kind, tick);
        const PixelBox mirrored =
            assets::handPictureBox(kind, (assets::ticksPerTurn - tick) % assets::ticksPerTurn);
        QCOMPARE(mirrored.left, 2 * pivot - right(box));
        QCOMPARE(mirrored.top, box.top);
        QCOMPARE(mirrored.width, box.width);
        QCOMPARE(mirrored.height, box.height);

        const PixelBox turned = assets::handPictureBox(kind, (tick + 15) % assets::ticksPerTurn);
        QCOMPARE(turned.left, 2 * pivot - bottom(box));
        QCOMPARE(turned.top, box.left);
        QCOMPARE(turned.width, box.height);
        QCOMPARE(turned.height, box.width);
    }

    void outlineIsClosed_data() {
        QTest::addColumn<HandKind>("kind");
        QTest::newRow("minute") << HandKind::Minute;
        QTest::newRow("hour") << HandKind::Hour;
    }
    void outlineIsClosed() {
        QFETCH(HandKind, kind);
        const assets::HandOutline outline = assets::handOutline(kind);
        QVERIFY(!outline.pieces.empty());
        QCOMPARE(outline.pieces.back().end.x, outline.start.x);
        QCOMPARE(outline.pieces.back().end.y, outline.start.y);
    }
};

QTEST_GUILESS_MAIN(HandGeometryTest)
#include "tst_hand_geometry.moc"
