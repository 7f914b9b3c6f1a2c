// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_lookup.h"

#include <QTest>

#include <cmath>
#include <numbers>

using layout_test::rectOf;
using layout_test::text;
using toolkit::Alignment;
using toolkit::ElementKind;

namespace {

constexpr quint32 white = 0x00FFFFFF;
constexpr quint32 yellow = 0x0000FFFF;
constexpr quint32 black = 0x00000000;
constexpr quint32 purple = 0x00C000C0;

constexpr int clientWidth = 11880;
constexpr int clientHeight = 8490;
constexpr double dialCentreTwips = 4200;
constexpr double minuteCircleRadius = 4130;
constexpr double minuteNumberTolerance = 75;
constexpr int dialCentrePixel = 280;

} // namespace

class TestForm1Dial : public QObject {
    Q_OBJECT
  private slots:
    void minuteNumbers_data() {
        QTest::addColumn<int>("minute");
        for (int k = 1; k <= 60; ++k) {
            QTest::addRow("Label%d", k) << k;
        }
    }
    // Round the dial at 6 degrees a minute, "60" at the top; every fifth one yellow.
    void minuteNumbers() {
        QFETCH(int, minute);
        FETCH_ELEMENT(label, QStringLiteral("Label%1").arg(minute));
        QCOMPARE(label->kind, ElementKind::Label);
        QCOMPARE(text(label->caption), QString::number(minute));
        QCOMPARE(label->foreColor, minute % 5 == 0 ? yellow : white);
        QCOMPARE(label->place.width, 255);
        QCOMPARE(label->place.height, 255);
        QCOMPARE(text(label->font.family), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->font.points, 9.75);
        QVERIFY(label->font.bold);
        QCOMPARE(label->alignment, Alignment::Centre);
        QVERIFY(!label->backColor.has_value());

        const double angle = minute * 6 * std::numbers::pi / 180;
        const double pointX = dialCentreTwips + minuteCircleRadius * std::sin(angle);
        const double pointY = dialCentreTwips - minuteCircleRadius * std::cos(angle);
        const double centreX = label->place.left + label->place.width / 2.0;
        const double centreY = label->place.top + label->place.height / 2.0;
        const double distance = std::hypot(centreX - pointX, centreY - pointY);
        QVERIFY2(distance <= minuteNumberTolerance,
                 qPrintable(QStringLiteral("centre %1 twips from its point").arg(distance)));

        const QRect client(0, 0, clientWidth, clientHeight);
        QVERIFY(client.contains(rectOf(label->place)));
    }

    void minuteNumberPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("Label5") << "Label5" << 6120 << 500;
        QTest::newRow("Label10") << "Label10" << 7680 << 2040;
        QTest::newRow("Label15") << "Label15" << 8240 << 4035;
        QTest::newRow("Label20") << "Label20" << 7720 << 6120;
        QTest::newRow("Label25") << "Label25" << 6120 << 7680;
        QTest::newRow("Label30") << "Label30" << 4040 << 8200;
        QTest::newRow("Label35") << "Label35" << 2040 << 7700;
        QTest::newRow("Label40") << "Label40" << 480 << 6120;
        QTest::newRow("Label45") << "Label45" << 0 << 4035;
        QTest::newRow("Label50") << "Label50" << 500 << 1980;
        QTest::newRow("Label55") << "Label55" << 1980 << 500;
        QTest::newRow("Label60") << "Label60" << 4080 << 0;
        QTest::newRow("white Label1") << "Label1" << 4520 << 0;
        QTest::newRow("white Label2") << "Label2" << 4960 << 60;
        QTest::newRow("white Label3") << "Label3" << 5340 << 180;
        QTest::newRow("white Label4") << "Label4" << 5720 << 320;
    }
    void minuteNumberPlaces() {
        QFETCH(QString, name);
        QFETCH(int, left);
        QFETCH(int, top);
        FETCH_ELEMENT(label, name);
        QCOMPARE(label->place.left, left);
        QCOMPARE(label->place.top, top);
    }

    void minuteNumbersTouchingEdges_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("atLeftEdge");
        QTest::newRow("Label43 left") << "Label43" << true;
        QTest::newRow("Label44 left") << "Label44" << true;
        QTest::newRow("Label45 left") << "Label45" << true;
        QTest::newRow("Label46 left") << "Label46" << true;
        QTest::newRow("Label59 top") << "Label59" << false;
        QTest::newRow("Label60 top") << "Label60" << false;
        QTest::newRow("Label1 top") << "Label1" << false;
    }
    void minuteNumbersTouchingEdges() {
        QFETCH(QString, name);
        QFETCH(bool, atLeftEdge);
        FETCH_ELEMENT(label, name);
        QCOMPARE(atLeftEdge ? label->place.left : label->place.top, 0);
    }

    void hourNumbers_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("12 o'clock") << "Label91"
                                    << "24" << 3960 << 960;
        QTest::newRow("1 o'clock") << "Label92"
                                   << "13" << 5400 << 1560;
        QTest::newRow("2 o'clock") << "Label93"
                                   << "14" << 6360 << 2520;
        QTest::newRow("3 o'clock") << "Label94"
                                   << "15" << 6840 << 3960;
        QTest::newRow("4 o'clock") << "Label95"
                                   << "16" << 6600 << 5520;
        QTest::newRow("5 o'clock") << "Label96"
                                   << "17" << 5400 << 6600;
        QTest::newRow("6 o'clock") << "Label97"
                                   << "18" << 3960 << 6960;
        QTest::newRow("7 o'clock") << "Label98"
                                   << "19" << 2520 << 6480;
        QTest::newRow("8 o'clock") << "Label99"
                                   << "20" << 1440 << 5400;
        QTest::newRow("9 o'clock") << "Label100"
                                   << "21" << 1080 << 3960;
        QTest::newRow("10 o'clock") << "Label101"
                                    << "22" << 1440 << 2520;
        QTest::newRow("11 o'clock") << "Label102"
                                    << "23" << 2520 << 1440;
    }
    void hourNumbers() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        FETCH_ELEMENT(label, name);
        QCOMPARE(label->kind, ElementKind::Label);
        QCOMPARE(text(label->caption), caption);
        QCOMPARE(rectOf(label->place), QRect(left, top, 495, 495));
        QCOMPARE(text(label->font.family), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->font.points, 18.0);
        QVERIFY(!label->font.bold);
        QCOMPARE(label->alignment, Alignment::Centre);
        QCOMPARE(label->foreColor, white);
        QVERIFY(!label->backColor.has_value());
    }

    void banners_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::newRow("Label110 night") << "Label110"
                                        << "È  NOTTE" << 2400 << 4095;
        QTest::newRow("Label84 dawn") << "Label84"
                                      << "È  L'ALBA" << 2400 << 4095;
        QTest::newRow("Label89 morning") << "Label89"
                                         << "È  MATTINA" << 2520 << 3975;
        QTest::newRow("Label66 three blanks") << "Label66"
                                              << "È   POMERIGGIO" << 2400 << 4095;
        QTest::newRow("Label71 afternoon") << "Label71"
                                           << "È  POMERIGGIO" << 2400 << 3975;
        QTest::newRow("Label80 sunset") << "Label80"
                                        << "È  IL TRAMONTO" << 2400 << 4095;
        QTest::newRow("Label85 evening") << "Label85"
                                         << "È  SERA" << 2520 << 4095;
        QTest::newRow("Label90 night") << "Label90"
                                       << "È  NOTTE" << 2400 << 4095;
    }
    void banners() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, width);
        FETCH_ELEMENT(label, name);
        QCOMPARE(label->kind, ElementKind::Label);
        QCOMPARE(text(label->caption), caption);
        QCOMPARE(rectOf(label->place), QRect(left, 2400, width, 495));
        QCOMPARE(text(label->font.family), QStringLiteral("Times New Roman"));
        QCOMPARE(label->font.points, 20.25);
        QVERIFY(label->font.bold);
        QCOMPARE(label->foreColor, black);
        QCOMPARE(label->alignment, Alignment::Centre);
        QVERIFY(!label->backColor.has_value());
    }

    void alarmClockAndDisc() {
        FETCH_ELEMENT(alarm, QStringLiteral("Image124"));
        QCOMPARE(alarm->kind, ElementKind::Picture);
        QCOMPARE(rectOf(alarm->place), QRect(3600, 3480, 1185, 1140));
        QVERIFY(alarm->picture == (toolkit::PictureId{"alarm-clock", 0}));
        QVERIFY(alarm->stretch);

        FETCH_ELEMENT(disc, QStringLiteral("Shape1"));
        QCOMPARE(disc->kind, ElementKind::Shape);
        QCOMPARE(rectOf(disc->place), QRect(3720, 3600, 1095, 1095));
        QCOMPARE(disc->backColor, std::optional<toolkit::Colour>(purple));
    }

    void hands_data() {
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("tick");
        for (int k = 1; k <= 60; ++k) {
            QTest::addRow("Image%d minute %d", k, k) << k << "minute-hand" << k % 60;
        }
        for (int t = 0; t < 60; ++t) {
            QTest::addRow("Image%d hour tick %d", 61 + t, t) << 61 + t << "hour-hand" << t;
        }
    }
    // Natural size, transparent, and the pivot on the dial centre: every hand's box holds
    // the centre pixel.
    void hands() {
        QFETCH(int, image);
        QFETCH(QString, picture);
        QFETCH(int, tick);
        FETCH_ELEMENT(hand, QStringLiteral("Image%1").arg(image));
        QCOMPARE(hand->kind, ElementKind::Picture);
        QCOMPARE(text(hand->picture.name), picture);
        QCOMPARE(hand->picture.index, tick);
        QVERIFY(!hand->stretch);
        QVERIFY(!hand->backColor.has_value());

        const toolkit::Place& place = hand->place;
        for (int twips : {place.left, place.top, place.width, place.height}) {
            QCOMPARE(twips % 15, 0);
        }
        const QRect pixels(place.left / 15, place.top / 15, place.width / 15, place.height / 15);
        QVERIFY2(pixels.contains(dialCentrePixel, dialCentrePixel),
                 qPrintable(QStringLiteral("box %1,%2 %3x%4 px")
                                .arg(pixels.left())
                                .arg(pixels.top())
                                .arg(pixels.width())
                                .arg(pixels.height())));
    }
};

QTEST_GUILESS_MAIN(TestForm1Dial)
#include "tst_form1_dial.moc"
