#include "support/clock_window_fixture.h"
#include "support/qtest_std_string.h"

#include "toolkit/key_delivery.h"

#include <QElapsedTimer>
#include <QTest>

#include <string>

namespace {
constexpr std::size_t oneMebibyte = 1 << 20;
constexpr std::size_t tenThousand = 10000;

// Every byte value but 0, over and over: letters, digits, blanks, controls and accents.
std::string mixedBytes(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        text[i] = static_cast<char>(1 + i % 255);
    }
    return text;
}
} // namespace

using clock_test::ClockWindow;
using clock_test::Time;

// Texts far longer than any answer: they must neither break a box nor match.
class TestLongInput : public QObject {
    Q_OBJECT
  private slots:
    void pasteOfOneMebibyte_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Time>("time");
        QTest::addColumn<bool>("keptAtRelease");
        QTest::addColumn<bool>("keptAtNextPress");
        QTest::newRow("Text1 emptied at release") << "Text1" << Time{1, 3, 20} << false << false;
        QTest::newRow("Text2 emptied at release") << "Text2" << Time{2, 3, 20} << false << false;
        QTest::newRow("Text6 guarded hour") << "Text6" << Time{1, 3, 40} << false << false;
        QTest::newRow("Text6 guard-free hour") << "Text6" << Time{1, 10, 40} << true << true;
        QTest::newRow("Text5 emptied at next press") << "Text5" << Time{1, 3, 40} << true << false;
        QTest::newRow("Text3 emptied at next press") << "Text3" << Time{1, 3, 15} << true << false;
        QTest::newRow("Text4 has no limit") << "Text4" << Time{1, 3, 15} << true << true;
        QTest::newRow("Text8 emptied at next press") << "Text8" << Time{2, 11, 45} << true << false;
        QTest::newRow("Text7 emptied at next press") << "Text7" << Time{1, 3, 45} << true << false;
    }
    void pasteOfOneMebibyte() {
        QFETCH(QString, box);
        QFETCH(Time, time);
        QFETCH(bool, keptAtRelease);
        QFETCH(bool, keptAtNextPress);
        ClockWindow clock(time);
        QCOMPARE(clock.drawnTime(), clock_test::timeText(time));
        toolkit::TextBox& answer = clock.box(box.toStdString());
        const std::string payload = mixedBytes(oneMebibyte);

        toolkit::pasteText(answer, payload);
        toolkit::runKeyUp(answer);
        QVERIFY(answer.Enabled);
        QCOMPARE(answer.Text == payload, keptAtRelease);
        QVERIFY(keptAtRelease || answer.Text.empty());

        toolkit::typeKey(answer, '7');
        QVERIFY(answer.Enabled);
        if (keptAtNextPress) {
            QCOMPARE(answer.Text, payload + "7");
        } else {
            QCOMPARE(answer.Text, std::string("7"));
        }
    }

    void tenThousandDigits_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QString>("nextHour");
        QTest::newRow("10:40") << Time{1, 10, 40} << "11";
        QTest::newRow("11:55") << Time{1, 11, 55} << "12";
        QTest::newRow("12:35") << Time{1, 12, 35} << "13";
        QTest::newRow("22:40") << Time{2, 10, 40} << "23";
        QTest::newRow("23:35") << Time{2, 11, 35} << "24";
    }
    void tenThousandDigits() {
        QFETCH(Time, time);
        QFETCH(QString, nextHour);
        ClockWindow clock(time);
        QCOMPARE(clock.drawnTime(), clock_test::timeText(time));
        toolkit::TextBox& Text6 = clock.box("Text6");

        // Typed key by key, every release reads the whole text.
        QElapsedTimer timer;
        timer.start();
        toolkit::typeText(Text6, std::string(tenThousand, '9'));
        qInfo("typing %zu digits took %lld ms", tenThousand, timer.elapsed());
        QCOMPARE(Text6.Text, std::string(tenThousand, '9'));
        QVERIFY(Text6.Enabled);

        // The same digits ahead of the right answer still do not match.
        toolkit::typeText(Text6, nextHour.toStdString());
        QVERIFY(Text6.Enabled);

        toolkit::pasteText(Text6, std::string(tenThousand, '1'));
        toolkit::runKeyUp(Text6);
        QCOMPARE(Text6.Text.size(), 2 * tenThousand + nextHour.size());
        QVERIFY(Text6.Enabled);
    }

    void tenThousandZerosAheadOfTheAnswerStillMatch_data() { tenThousandDigits_data(); }
    void tenThousandZerosAheadOfTheAnswerStillMatch() {
        QFETCH(Time, time);
        QFETCH(QString, nextHour);
        ClockWindow clock(time);
        QCOMPARE(clock.drawnTime(), clock_test::timeText(time));
        toolkit::TextBox& Text6 = clock.box("Text6");
        const std::string answer = std::string(tenThousand, '0') + nextHour.toStdString();

        toolkit::pasteText(Text6, answer);
        toolkit::runKeyUp(Text6);
        QCOMPARE(Text6.Text, answer);
        QVERIFY(!Text6.Enabled);
    }
};

QTEST_GUILESS_MAIN(TestLongInput)
#include "tst_long_input.moc"
