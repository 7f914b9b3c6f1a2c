// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/windows1252.h"

#include <QTest>

#include <iconv.h>

#include <array>
#include <optional>

using namespace toolkit;

namespace {

// glibc's own decoder for the code page, independent of our table: the code point of one
// byte, or nothing where the code page leaves the byte undefined.
class CodePageDecoder {
  public:
    CodePageDecoder() : converter_(iconv_open("UTF-32LE", "CP1252")) {}
    ~CodePageDecoder() {
        if (isOpen()) {
            iconv_close(converter_);
        }
    }
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    bool isOpen() const { return converter_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<char32_t> decode(unsigned char byte) {
        char in = static_cast<char>(byte);
        std::array<unsigned char, 4> out{};
        char* inAt = &in;
        char* outAt = reinterpret_cast<char*>(out.data());
        std::size_t inLeft = 1;
        std::size_t outLeft = out.size();
        iconv(converter_, nullptr, nullptr, nullptr, nullptr); // a fresh state per byte
        if (iconv(converter_, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)) {
            return std::nullopt;
        }
        return char32_t(out[0] | out[1] << 8 | out[2] << 16 | char32_t(out[3]) << 24);
    }

  private:
    iconv_t converter_;
};

} // namespace

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

    // The five bytes the code page leaves undefined keep their C1 code points, so every byte
    // a box may hold still shows as one character.
    void everyByteMatchesTheCodePage() {
        CodePageDecoder codePage;
        QVERIFY(codePage.isOpen());
        QList<int> undefined;
        for (int byte = 0; byte < 256; ++byte) {
            const auto expected = codePage.decode(static_cast<unsigned char>(byte));
            if (!expected) {
                undefined << byte;
            }
            const char32_t got = windows1252::toUnicode(static_cast<unsigned char>(byte));
            QVERIFY2(
                got == expected.value_or(char32_t(byte)),
                qPrintable(QString("byte 0x%1: U+%2, the code page says U+%3")
                               .arg(byte, 2, 16, QChar('0'))
                               .arg(uint(got), 4, 16, QChar('0'))
                               .arg(uint(expected.value_or(char32_t(byte))), 4, 16, QChar('0'))));
        }
        QCOMPARE(undefined, QList<int>({0x81, 0x8D, 0x8F, 0x90, 0x9D}));
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
