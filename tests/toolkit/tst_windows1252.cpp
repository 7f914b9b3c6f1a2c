#include "toolkit/windows1252.h"

#include <QTest>

using namespace toolkit;

class TestWindows1252 : public QObject {
    Q_OBJECT
  private slots:
    void everyByteRoundTrips() {
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t cp = windows1252::toUnicode(static_cast<unsigned char>(byte));
            const auto back = windows1252::fromUnicode(cp);
            QVERIFY2(back.has_value(), qPrintable(QString::number(byte)));
            QCOMPARE(int(*back), byte);
        }
    }

    void codePoints_data() {
        QTest::addColumn<uint>("codePoint");
        QTest::addColumn<int>("byte"); // -1: Windows-1252 cannot hold it
        QTest::newRow("A") << 0x41u << 0x41;
        QTest::newRow("E grave capital") << 0xC8u << 0xC8;
        QTest::newRow("O grave capital") << 0xD2u << 0xD2;
        QTest::newRow("euro") << 0x20ACu << 0x80;
        QTest::newRow("left double quote") << 0x201Cu << 0x93;
        QTest::newRow("undefined byte keeps its C1 value") << 0x81u << 0x81;
        QTest::newRow("C1 with a defined byte elsewhere") << 0x80u << -1;
        QTest::newRow("cyrillic") << 0x0416u << -1;
        QTest::newRow("CJK") << 0x65E5u << -1;
        QTest::newRow("emoji") << 0x1F600u << -1;
    }
    void codePoints() {
        QFETCH(uint, codePoint);
        QFETCH(int, byte);
        const auto got = windows1252::fromUnicode(codePoint);
        QCOMPARE(got.has_value() ? int(*got) : -1, byte);
    }

    void utf8_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain") << QByteArray("SONO  LE") << QByteArray("SONO  LE");
        QTest::newRow("two blanks after E grave")
            << QByteArray("\xC3\x88  L'") << QByteArray("\xC8  L'");
        QTest::newRow("unencodable dropped") << QByteArray("A\xE6\x97\xA5"
                                                           "B")
                                             << QByteArray("AB");
        QTest::newRow("truncated sequence dropped") << QByteArray("A\xC3") << QByteArray("A");
        QTest::newRow("overlong digit dropped") << QByteArray("\xC0\xB3") << QByteArray();
        QTest::newRow("overlong letter dropped")
            << QByteArray("TR\xE0\x81\x85") << QByteArray("TR");
        QTest::newRow("four-byte overlong dropped") << QByteArray("\xF0\x80\x81\x81"
                                                                  "A")
                                                    << QByteArray("A");
        QTest::newRow("surrogate dropped") << QByteArray("\xED\xA0\x80"
                                                         "B")
                                           << QByteArray("B");
        QTest::newRow("beyond the last code point dropped") << QByteArray("\xF4\x90\x80\x80"
                                                                          "C")
                                                            << QByteArray("C");
        QTest::newRow("two-byte E grave kept") << QByteArray("\xC3\x88") << QByteArray("\xC8");
        QTest::newRow("stray continuation dropped") << QByteArray("\x80Z") << QByteArray("Z");
    }
    void utf8() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, expected);
        const std::string text = windows1252::fromUtf8(utf8.toStdString());
        QCOMPARE(QByteArray::fromStdString(text), expected);
    }

    void toUtf8MatchesQt() {
        std::string all;
        for (int byte = 1; byte < 256; ++byte) {
            all += static_cast<char>(byte);
        }
        const QString viaQt = QString::fromUtf8(windows1252::toUtf8(all).c_str());
        QCOMPARE(viaQt.size(), 255);
        QCOMPARE(viaQt.at(0xC8 - 1), QChar(0xC8));
        QCOMPARE(viaQt.at(0x80 - 1), QChar(0x20AC));
        QCOMPARE(windows1252::fromUtf8(windows1252::toUtf8(all)), all);
    }
};

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
