// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures other than the hands: names and sizes, rendering at every device pixel
// ratio, what each shows at sampled places, the cache, the pointers and the icon.

#include "picture_probe.h"

#include "assets/application_icon.h"
#include "assets/pictures.h"

#include <QTest>

#include <cmath>
#include <numbers>

using toolkit::PictureId;

namespace {

constexpr int colourTolerance = 16; // room for a one-pixel ring's soft edge

// A picture at the size the windows show it.
struct Shown {
    const char* name;
    int index;
    QSize size;
};
constexpr Shown shownPictures[] = {
    {"dial-background", 0, {800, 600}}, {"minute-hand", 7, {}},        {"hour-hand", 40, {}},
    {"alarm-clock", 0, {79, 76}},       {"sun", 0, {49, 54}},          {"moon", 0, {53, 54}},
    {"face-sad", 0, {56, 56}},          {"face-neutral", 0, {55, 56}}, {"face-happy", 0, {56, 56}},
    {"chalkboard", 0, {324, 243}},
};

QSize shownSize(const assets::Pictures& pictures, const Shown& shown) {
    return shown.size.isEmpty() ? pictures.naturalSize({shown.name, shown.index}) : shown.size;
}

QPointF polar(QPointF centre, double radius, double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::sin(r), -radius * std::cos(r));
}

QPoint pixelAt(QPointF p) {
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

// Pixels partly covered against pixels fully covered: a drawing rendered at a higher ratio
// has relatively fewer, as its edges stay one device pixel soft.
double softEdgeShare(const QImage& image) {
    int soft = 0;
    int solid = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            soft += a > 0 && a < 255;
            solid += a == 255;
        }
    }
    return solid ? double(soft) / solid : 1e9;
}

// Mean difference per channel between two images of one size.
double meanDifference(const QImage& a, const QImage& b) {
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return total / (4.0 * a.width() * a.height());
}

bool isDark(QColor c) {
    constexpr int darkest = 90;
    return c.alpha() >= probe::opaqueAlpha && std::max({c.red(), c.green(), c.blue()}) <= darkest;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

    assets::Pictures pictures;

  private slots:
    void naturalSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QSize>("size");
        QTest::newRow("dial background") << "dial-background" << 0 << QSize(800, 600);
        QTest::newRow("alarm clock") << "alarm-clock" << 0 << QSize(303, 364);
        QTest::newRow("sun") << "sun" << 0 << QSize(56, 54);
        QTest::newRow("moon") << "moon" << 0 << QSize(85, 94);
        QTest::newRow("sad face") << "face-sad" << 0 << QSize(32, 32);
        QTest::newRow("neutral face") << "face-neutral" << 0 << QSize(32, 32);
        QTest::newRow("happy face") << "face-happy" << 0 << QSize(32, 32);
        QTest::newRow("chalkboard") << "chalkboard" << 0 << QSize(324, 243);
        QTest::newRow("unknown name") << "clock-face" << 0 << QSize();
        QTest::newRow("minute hand past the last tick") << "minute-hand" << 60 << QSize();
        QTest::newRow("hour hand before the first tick") << "hour-hand" << -1 << QSize();
        QTest::newRow("single picture with an index") << "sun" << 1 << QSize();
    }
    void naturalSizes() {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QSize, size);
        const QByteArray utf8 = name.toUtf8();
        const PictureId id{std::string_view(utf8.constData(), utf8.size()), index};
        QCOMPARE(pictures.naturalSize(id), size);
        const QPixmap pixmap = pictures.picture(id, QSize(40, 40), 1.0);
        QCOMPARE(pixmap.isNull(), size.isEmpty());
    }

    void nothingForAnEmptySizeOrRatio() {
        QVERIFY(pictures.picture({"sun", 0}, QSize(0, 54), 1.0).isNull());
        QVERIFY(pictures.picture({"sun", 0}, QSize(49, 54), 0.0).isNull());
        QVERIFY(pictures.picture({"sun", 0}, QSize(49, 54), -2.0).isNull());
    }

    void everyRatio_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<qreal>("ratio");
        for (int which = 0; which < int(std::size(shownPictures)); ++which) {
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                QTest::addRow("%s at %.1f", shownPictures[which].name, ratio) << which << ratio;
            }
        }
    }
    // Drawn at the device's own resolution: the pixmap holds size x ratio pixels, and
    // brought back to logical size it shows what the picture shows at ratio 1.
    void everyRatio() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const Shown& shown = shownPictures[which];
        const QSize size = shownSize(pictures, shown);
        const QPixmap pixmap = pictures.picture({shown.name, shown.index}, size, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), size * ratio);

        const QImage plain = probe::pixelsOf(pictures.picture({shown.name, shown.index}, size, 1));
        const QImage back =
            probe::pixelsOf(pixmap).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        constexpr double sameDrawing = 6;
        QVERIFY2(meanDifference(plain, back) < sameDrawing,
                 qPrintable(QString::number(meanDifference(plain, back))));
    }

    void sharperAtHigherRatios_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<qreal>("ratio");
        for (int which = 0; which < int(std::size(shownPictures)); ++which) {
            const QString name = shownPictures[which].name;
            if (name == "dial-background" || name == "chalkboard") {
                continue; // opaque everywhere: no edge to measure
            }
            for (const qreal ratio : {1.5, 2.0}) {
                QTest::addRow("%s at %.1f", shownPictures[which].name, ratio) << which << ratio;
            }
        }
    }
    // An upscaled picture would keep, or widen, its soft edges; a picture drawn at the
    // device's resolution has edges one device pixel wide, so relatively fewer.
    void sharperAtHigherRatios() {
        QFETCH(int, which);
        QFETCH(qreal, ratio);
        const Shown& shown = shownPictures[which];
        const QSize size = shownSize(pictures, shown);
        const double plain =
            softEdgeShare(probe::pixelsOf(pictures.picture({shown.name, shown.index}, size, 1.0)));
        const double dense = softEdgeShare(
            probe::pixelsOf(pictures.picture({shown.name, shown.index}, size, ratio)));
        constexpr double slack = 0.2;
        QVERIFY2(dense < plain * (1 / ratio + slack),
                 qPrintable(QString("%1 at ratio 1, %2 at %3").arg(plain).arg(dense).arg(ratio)));
    }

    void dialBackgroundColours_data() {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QColor>("colour");
        const QPointF centre(280, 280);
        const QColor blue(0, 0, 255), magenta(255, 0, 255), yellow(255, 255, 0), black(0, 0, 0);
        // Between two tick marks, so the rim and the rings show bare.
        constexpr double betweenTicks = 3;
        QTest::newRow("field, top left") << QPointF(3.5, 3.5) << blue;
        QTest::newRow("field, right of the dial") << QPointF(700.5, 280.5) << blue;
        QTest::newRow("field, bottom right shown") << QPointF(790.5, 564.5) << blue;
        QTest::newRow("face, between 12 and the centre") << QPointF(300.5, 140.5) << magenta;
        QTest::newRow("face, lower right") << QPointF(400.5, 390.5) << magenta;
        QTest::newRow("face, just inside the ring")
            << polar(centre, 253.5, 90 + betweenTicks) << magenta;
        // The rings are one pixel wide: sampled just beside the 12 o'clock and the
        // 9 o'clock marks, where they run along a row or a column of pixels.
        QTest::newRow("inner black ring beside 12") << QPointF(282.5, 23.5) << black;
        QTest::newRow("outer black ring beside 12") << QPointF(282.5, 13.5) << black;
        QTest::newRow("inner black ring beside 9") << QPointF(23.5, 282.5) << black;
        QTest::newRow("outer black ring beside 9") << QPointF(13.5, 282.5) << black;
        QTest::newRow("yellow rim, top") << polar(centre, 261.5, betweenTicks) << yellow;
        QTest::newRow("yellow rim, left") << polar(centre, 261.5, 270 + betweenTicks) << yellow;
        QTest::newRow("yellow rim, bottom right") << polar(centre, 261.5, 135) << yellow;
        QTest::newRow("field just outside the dial")
            << polar(centre, 268.5, 180 + betweenTicks) << blue;
        QTest::newRow("centre dot") << QPointF(280.5, 280.5) << black;
        QTest::newRow("tick mark across the rim at 3") << QPointF(541.5, 280.0) << black;
        QTest::newRow("tick mark across the rim at 1 minute") << polar(centre, 261.5, 6) << black;
    }
    void dialBackgroundColours() {
        QFETCH(QPointF, at);
        QFETCH(QColor, colour);
        const QImage dial =
            probe::pixelsOf(pictures.picture({"dial-background", 0}, QSize(800, 600), 1.0));
        const QColor seen = dial.pixelColor(pixelAt(at));
        QVERIFY2(probe::colourDistance(seen, colour) <= colourTolerance && seen.alpha() == 255,
                 qPrintable(seen.name()));
    }

    // The window shows only the top-left 792 x 566 pixels: the whole dial must lie in them.
    void dialLiesInsideTheClientArea() {
        const QImage dial =
            probe::pixelsOf(pictures.picture({"dial-background", 0}, QSize(800, 600), 1.0));
        QRect notField;
        for (int y = 0; y < dial.height(); ++y) {
            for (int x = 0; x < dial.width(); ++x) {
                if (dial.pixel(x, y) != qRgb(0, 0, 255)) {
                    notField |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(QRect(0, 0, 792, 566).contains(notField));
        constexpr int outerRadius = 267;
        constexpr int edgeSlack = 1;
        QVERIFY(std::abs(notField.left() - (280 - outerRadius)) <= edgeSlack);
        QVERIFY(std::abs(notField.right() + 1 - (280 + outerRadius)) <= edgeSlack);
        QVERIFY(std::abs(notField.top() - (280 - outerRadius)) <= edgeSlack);
        QVERIFY(std::abs(notField.bottom() + 1 - (280 + outerRadius)) <= edgeSlack);
    }

    // Each numeral stands inside the rim, over the hour it names: dark pixels near there.
    void dialNumeralsInsideTheRim_data() {
        QTest::addColumn<int>("hour");
        for (int hour = 1; hour <= 12; ++hour) {
            QTest::addRow("%d", hour) << hour;
        }
    }
    void dialNumeralsInsideTheRim() {
        QFETCH(int, hour);
        const QImage dial =
            probe::pixelsOf(pictures.picture({"dial-background", 0}, QSize(800, 600), 1.0));
        const QPointF centre(280, 280);
        constexpr double innerEdge = 195;
        constexpr double outerEdge = 250;
        constexpr double halfSpread = 10; // degrees either side of the hour
        int dark = 0;
        for (double r = innerEdge; r < outerEdge; r += 1) {
            for (double d = -halfSpread; d <= halfSpread; d += 0.5) {
                dark += isDark(dial.pixelColor(pixelAt(polar(centre, r, hour * 30 + d))));
            }
        }
        constexpr int someInk = 40;
        QVERIFY2(dark >= someInk, qPrintable(QString::number(dark)));
    }

    // The numbers 13 to 24 stand on a circle of radius about 200 inside the numerals, as
    // labels over the picture: the numerals must leave that circle free or the two touch.
    void dialNumeralsClearOfTheInnerNumbers_data() { dialNumeralsInsideTheRim_data(); }
    void dialNumeralsClearOfTheInnerNumbers() {
        QFETCH(int, hour);
        const QImage dial =
            probe::pixelsOf(pictures.picture({"dial-background", 0}, QSize(800, 600), 1.0));
        const QPointF centre(280, 280);
        constexpr double innerNumbersFrom = 150;
        constexpr double innerNumbersTo = 214;
        constexpr double halfSpread = 12;
        for (double r = innerNumbersFrom; r < innerNumbersTo; r += 1) {
            for (double d = -halfSpread; d <= halfSpread; d += 0.5) {
                const QPoint at = pixelAt(polar(centre, r, hour * 30 + d));
                QVERIFY2(!isDark(dial.pixelColor(at)),
                         qPrintable(QString("ink at radius %1").arg(r)));
            }
        }
    }

    void clearAroundSolidInside_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("alarm clock as shown") << "alarm-clock" << QSize(79, 76);
        QTest::newRow("alarm clock at its own size") << "alarm-clock" << QSize(303, 364);
        QTest::newRow("sun as shown") << "sun" << QSize(49, 54);
        QTest::newRow("sun at its own size") << "sun" << QSize(56, 54);
        QTest::newRow("moon as shown") << "moon" << QSize(53, 54);
        QTest::newRow("moon at its own size") << "moon" << QSize(85, 94);
        QTest::newRow("sad face") << "face-sad" << QSize(56, 56);
        QTest::newRow("neutral face") << "face-neutral" << QSize(55, 56);
        QTest::newRow("happy face") << "face-happy" << QSize(56, 56);
    }
    void clearAroundSolidInside() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray utf8 = name.toUtf8();
        const QImage image = probe::pixelsOf(
            pictures.picture({std::string_view(utf8.constData(), utf8.size()), 0}, size, 1.0));
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
            QVERIFY2(probe::isClear(image, corner),
                     qPrintable(QString("corner (%1, %2)").arg(corner.x()).arg(corner.y())));
        }
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }

    void facesShowTheirMood_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mouthRise");  // how far the mouth's middle lies above its ends
        QTest::addColumn<bool>("openMouth"); // red inside a happy mouth
        QTest::newRow("sad: frowning") << "face-sad" << 2 << false;
        QTest::newRow("neutral: straight") << "face-neutral" << 0 << false;
        QTest::newRow("happy: open smile") << "face-happy" << -1 << true;
    }
    // Measured on the lower half of the face as shown: for each column the top of the dark
    // mouth line; a frown is higher in the middle than at its ends, a straight mouth level.
    void facesShowTheirMood() {
        QFETCH(QString, name);
        QFETCH(int, mouthRise);
        QFETCH(bool, openMouth);
        const QByteArray utf8 = name.toUtf8();
        const QImage face = probe::pixelsOf(pictures.picture(
            {std::string_view(utf8.constData(), utf8.size()), 0}, QSize(56, 56), 1.0));
        const QColor middle = face.pixelColor(28, 28);
        QVERIFY2(middle.red() > 200 && middle.green() > 170 && middle.blue() < 100,
                 qPrintable(middle.name()));

        constexpr int mouthTop = 31;
        constexpr int mouthBottom = 50;
        const auto topOfMouth = [&](int x) {
            for (int y = mouthTop; y < mouthBottom; ++y) {
                if (isDark(face.pixelColor(x, y))) {
                    return y;
                }
            }
            return -1;
        };
        int reds = 0;
        for (int y = mouthTop; y < mouthBottom; ++y) {
            for (int x = 16; x < 40; ++x) {
                const QColor c = face.pixelColor(x, y);
                reds += c.red() > 110 && c.green() < 80 && c.blue() < 90;
            }
        }
        constexpr int openMouthReds = 40;
        QCOMPARE(reds >= openMouthReds, openMouth);
        if (mouthRise < 0) {
            return; // an open mouth has a flat top; its shape is the red inside
        }
        constexpr int endColumn = 21;
        constexpr int middleColumn = 28;
        const int end = topOfMouth(endColumn);
        const int mid = topOfMouth(middleColumn);
        QVERIFY(end > 0 && mid > 0);
        if (mouthRise == 0) {
            QVERIFY2(std::abs(end - mid) <= 1, qPrintable(QString("%1 %2").arg(end).arg(mid)));
        } else {
            QVERIFY2(end - mid >= mouthRise, qPrintable(QString("%1 %2").arg(end).arg(mid)));
        }
    }

    // The sun as the clock window shows it: a yellow disc with orange rays and black eyes.
    void sunColours_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        const QColor yellow(255, 222, 0);
        const QColor orange(255, 160, 0);
        QTest::newRow("disc, middle") << QPoint(24, 27) << yellow;
        QTest::newRow("disc, above the eyes") << QPoint(24, 16) << yellow;
        QTest::newRow("disc, left") << QPoint(12, 27) << yellow;
        QTest::newRow("top ray") << QPoint(24, 8) << orange;
        QTest::newRow("left eye") << QPoint(19, 23) << QColor(Qt::black);
        QTest::newRow("right eye") << QPoint(29, 23) << QColor(Qt::black);
    }
    void sunColours() {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QImage sun = probe::pixelsOf(pictures.picture({"sun", 0}, QSize(49, 54), 1.0));
        const QColor seen = sun.pixelColor(at);
        QVERIFY2(probe::colourDistance(seen, colour) <= colourTolerance && seen.alpha() == 255,
                 qPrintable(seen.name()));
    }

    void chalkboardColours_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("surround, top left") << QPoint(2, 2) << QColor(255, 128, 64);
        QTest::newRow("surround, right edge") << QPoint(321, 120) << QColor(255, 128, 64);
        QTest::newRow("board, upper middle") << QPoint(160, 100) << QColor(0, 128, 128);
        QTest::newRow("board, lower right") << QPoint(290, 200) << QColor(0, 128, 128);
        QTest::newRow("ledge") << QPoint(160, 229) << QColor(128, 64, 0);
    }
    void chalkboardColours() {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QImage board =
            probe::pixelsOf(pictures.picture({"chalkboard", 0}, QSize(324, 243), 1.0));
        const QColor seen = board.pixelColor(at);
        QVERIFY2(probe::colourDistance(seen, colour) <= colourTolerance, qPrintable(seen.name()));
    }

    void chalkboardIsOpaque() {
        const QImage board =
            probe::pixelsOf(pictures.picture({"chalkboard", 0}, QSize(324, 243), 1.0));
        QCOMPARE(probe::drawnBounds(board, 254), board.rect());
        for (int y = 0; y < board.height(); ++y) {
            for (int x = 0; x < board.width(); ++x) {
                QCOMPARE(qAlpha(board.pixel(x, y)), 255);
            }
        }
    }

    void cacheKeepsOnePixmapPerKey() {
        const PictureId sun{"sun", 0};
        const QPixmap first = pictures.picture(sun, QSize(49, 54), 1.5);
        QCOMPARE(pictures.picture(sun, QSize(49, 54), 1.5).cacheKey(), first.cacheKey());
        QVERIFY(pictures.picture(sun, QSize(49, 54), 2.0).cacheKey() != first.cacheKey());
        QVERIFY(pictures.picture(sun, QSize(56, 54), 1.5).cacheKey() != first.cacheKey());
        QVERIFY(pictures.picture({"moon", 0}, QSize(49, 54), 1.5).cacheKey() != first.cacheKey());
        const QPixmap hand = pictures.picture({"hour-hand", 3}, QSize(40, 190), 1.0);
        QVERIFY(pictures.picture({"hour-hand", 4}, QSize(40, 190), 1.0).cacheKey() !=
                hand.cacheKey());
    }

    // An opaque picture leaves out the alpha channel, which draws it without blending.
    void opaquePicturesHaveNoAlpha_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 1.5") << 1.5;
    }
    void opaquePicturesHaveNoAlpha() {
        QFETCH(qreal, ratio);
        QVERIFY(!pictures.picture({"dial-background", 0}, QSize(800, 600), ratio).hasAlpha());
        QVERIFY(pictures.picture({"alarm-clock", 0}, QSize(79, 76), ratio).hasAlpha());
    }

    void pointers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addColumn<QPointF>("pointing"); // the way the drawing reaches furthest
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            QTest::addRow("pointing hand at %.1f", ratio)
                << "pointing-hand" << QPoint(12, 1) << QPointF(0, -1) << ratio;
            QTest::addRow("writing hand at %.1f", ratio)
                << "writing-hand" << QPoint(2, 29) << QPointF(-1, 1) << ratio;
        }
    }
    // The hot spot is where the pointer's finger or pencil ends: the drawn pixel reaching
    // furthest the way the pointer points lies on it.
    void pointers() {
        QFETCH(QString, name);
        QFETCH(QPoint, hotSpot);
        QFETCH(QPointF, pointing);
        QFETCH(qreal, ratio);
        const QByteArray utf8 = name.toUtf8();
        const QCursor cursor =
            pictures.pointer(std::string_view(utf8.constData(), utf8.size()), ratio);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32) * ratio);
        QCOMPARE(cursor.pixmap().devicePixelRatio(), ratio);

        // The tip: the drawn pixels within one device pixel of the furthest reach.
        const QImage image = probe::pixelsOf(cursor.pixmap());
        const auto reachOf = [&](QPointF logical) {
            return QPointF::dotProduct(logical, pointing);
        };
        const auto logicalCentre = [&](int x, int y) { return QPointF(x + 0.5, y + 0.5) / ratio; };
        double reach = -1e9;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (probe::isOpaque(image, {x, y})) {
                    reach = std::max(reach, reachOf(logicalCentre(x, y)));
                }
            }
        }
        QPointF sum;
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (probe::isOpaque(image, {x, y}) &&
                    reachOf(logicalCentre(x, y)) >= reach - 1 / ratio) {
                    sum += logicalCentre(x, y);
                    ++count;
                }
            }
        }
        QVERIFY(count > 0);
        const QPointF furthest = sum / count;
        constexpr double onTheHotSpot = 1.5;
        const QPointF spot = QPointF(hotSpot) + QPointF(0.5, 0.5);
        QVERIFY2(QLineF(furthest, spot).length() <= onTheHotSpot,
                 qPrintable(
                     QString("reaches furthest at (%1, %2)").arg(furthest.x()).arg(furthest.y())));
    }

    void unknownPointerIsTheDefaultOne() {
        QCOMPARE(pictures.pointer("hourglass", 1.0).shape(), Qt::ArrowCursor);
    }

    // The window system is offered the small sizes only; any size asked for is drawn.
    void applicationIconAtEverySize() {
        const QIcon icon = assets::applicationIcon();
        QList<QSize> offered;
        for (const int side : {16, 24, 32, 48, 64}) {
            offered << QSize(side, side);
        }
        QCOMPARE(icon.availableSizes(), offered);
        for (const int side : assets::desktopIconSides) {
            const QSize size(side, side);
            const QImage image = probe::pixelsOf(icon.pixmap(size, 1.0));
            QCOMPARE(image.size(), size);
            QVERIFY(probe::isClear(image, {0, 0}));
            QVERIFY(probe::isClear(image, {size.width() - 1, 0}));
            QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
        }
    }

    void applicationIconOnAHighDensityScreen() {
        const QPixmap pixmap = assets::applicationIcon().pixmap(QSize(32, 32), 2.0);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));
        const QImage image = probe::pixelsOf(pixmap);
        QVERIFY(probe::isClear(image, {0, 0}));
        QCOMPARE(qAlpha(image.pixel(32, 32)), 255);
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
