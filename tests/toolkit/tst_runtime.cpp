// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/runtime.h"

#include <QTest>

#include <cmath>
#include <string>

using namespace toolkit;

class TestRuntime : public QObject {
    Q_OBJECT
  private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("one digit") << "7" << 7.0;
        QTest::newRow("leading zero") << "05" << 5.0;
        QTest::newRow("three digits") << "013" << 13.0;
        QTest::newRow("stops at a letter") << "12A3" << 12.0;
        QTest::newRow("letter first") << "A12" << 0.0;
        QTest::newRow("blank first") << " 5" << 0.0;
        QTest::newRow("sign is not a digit") << "-5" << 0.0;
        QTest::newRow("stops at a blank") << "2 4" << 2.0;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text.toStdString()), value);
    }

    void valOfHugeDigitStringStaysFinite() {
        const std::string digits(10000, '9');
        const double v = Val(digits);
        QVERIFY(std::isfinite(v));
        QVERIFY(v > 1e200);
    }

    void len_data() {
        QTest::addColumn<long long>("number");
        QTest::addColumn<int>("length");
        QTest::newRow("5") << 5LL << 1;
        QTest::newRow("9") << 9LL << 1;
        QTest::newRow("10") << 10LL << 2;
        QTest::newRow("24") << 24LL << 2;
        QTest::newRow("60") << 60LL << 2;
    }
    void len() {
        QFETCH(long long, number);
        QFETCH(int, length);
        QCOMPARE(Len(number), length);
    }

    void lenOfTextCountsBlanks() {
        QCOMPARE(Len(std::string_view("UN QUARTO")), 9);
        QCOMPARE(Len(std::string_view("")), 0);
        QCOMPARE(Len(std::string_view("\xC8  L'")), 5);
    }

    void intIsFloor_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("whole");
        QTest::newRow("2.999") << 2.999 << 2.0;
        QTest::newRow("3") << 3.0 << 3.0;
        QTest::newRow("-0.5") << -0.5 << -1.0;
    }
    void intIsFloor() {
        QFETCH(double, x);
        QFETCH(double, whole);
        QCOMPARE(Int(x), whole);
    }
};

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_runtime.moc"
