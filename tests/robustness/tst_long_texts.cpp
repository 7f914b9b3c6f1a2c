// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_rig.h"

#include "toolkit/key_delivery.h"

#include <QElapsedTimer>
#include <QTest>

#include <string>

Q_DECLARE_METATYPE(game_invariants::DrawnTime)
Q_DECLARE_METATYPE(std::string)

namespace {
constexpr std::size_t oneMebibyte = std::size_t{1} << 20;
constexpr std::size_t tenThousand = 10000;

// Every byte value but 0 in turn: controls, digits, letters, accents.
std::string mixedBytes(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        text[i] = static_cast<char>(1 + i % 255);
    }
    return text;
}

// Digits in a fixed pseudo-random order, the first never 0.
std::string digitString(std::size_t size) {
    std::string digits;
    unsigned state = 12345;
    while (digits.size() < size) {
        state = state * 1103515245u + 12345u;
        const char digit = static_cast<char>('0' + (state >> 16) % 10);
        digits += digits.empty() && digit == '0' ? '1' : digit;
    }
    return digits;
}

// Where each box is shown.
struct BoxOnShow {
    const char* box;
    game_invariants::DrawnTime time;
};
constexpr BoxOnShow boxesOnShow[] = {
    {"Text1", {1, 12, 45}},  {"Text2", {1, 12, 45}},  {"Text3", {1, 12, 45}},
    {"Text4", {1, 12, 45}},  {"Text5", {1, 10, 40}},  {"Text6", {1, 10, 40}},
    {"Text7", {1, 12, 45}},  {"Text8", {1, 12, 45}},  {"Text9", {1, 12, 60}},
    {"Text9", {2, 12, 60}},  {"Text10", {2, 12, 45}}, {"Text11", {2, 12, 45}},
    {"Text12", {2, 11, 45}}, {"Text13", {2, 11, 45}},
};

// Something in every other open box, so a change there would show.
void fillTheOtherBoxes(GameRig& rig, const std::string& except) {
    for (const std::string& name : game_invariants::answerBoxNames()) {
        if (name != except) {
            toolkit::typeKey(rig.box(name), '5');
        }
    }
}
} // namespace

// Texts far longer than any answer: no box breaks, none matches unless its leading zeros hide
// the answer, nothing else changes, and a text is either kept whole or emptied whole.
class TestLongTexts : public QObject {
    Q_OBJECT
  private slots:
    void pasteOfOneMebibyteThenKeys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<game_invariants::DrawnTime>("time");
        QTest::addColumn<std::string>("payload");
        const std::pair<const char*, std::string> payloads[] = {
            {"mixed bytes", mixedBytes(oneMebibyte)},
            {"digits", std::string(oneMebibyte, '9')},
            {"capitals", std::string(oneMebibyte, 'Q')},
        };
        for (const BoxOnShow& shown : boxesOnShow) {
            for (const auto& [kind, payload] : payloads) {
                const std::string row = std::string(shown.box) + " mode " +
                                        std::to_string(shown.time.sclt) + ", " + kind;
                QTest::newRow(row.c_str()) << shown.box << shown.time << payload;
            }
        }
    }
    void pasteOfOneMebibyteThenKeys() {
        QFETCH(QString, box);
        QFETCH(game_invariants::DrawnTime, time);
        QFETCH(std::string, payload);
        const std::string name = box.toStdString();
        GameRig rig;
        std::string verdict = rig.draw(time);
        QVERIFY2(verdict.empty(), verdict.c_str());
        fillTheOtherBoxes(rig, name);
        verdict = rig.checkBox(name); // nothing typed into `name` yet
        toolkit::TextBox& answer = rig.box(name);

        QElapsedTimer timer;
        timer.start();
        toolkit::pasteText(answer, payload);
        verdict = rig.checkBox(name);
        QVERIFY2(verdict.empty(), verdict.c_str());
        QVERIFY(answer.Text == payload);
        toolkit::runKeyUp(answer);
        qInfo("paste and key release of %zu bytes: %lld ms", payload.size(), timer.elapsed());
        verdict = rig.checkBox(name);
        QVERIFY2(verdict.empty(), verdict.c_str());
        QVERIFY2(answer.Text == payload || answer.Text.empty(), "the text was cut, not emptied");
        QVERIFY(answer.Enabled);

        toolkit::pressKey(answer, '7');
        toolkit::pressKey(answer, '7');
        toolkit::runKeyUp(answer);
        verdict = rig.checkBox(name);
        QVERIFY2(verdict.empty(), verdict.c_str());
        QVERIFY(answer.Enabled);

        verdict = rig.draw(time);
        QVERIFY2(verdict.empty(), verdict.c_str());
    }

    // Which guard acts on a huge paste, and when: at its key release, at the next key press,
    // or never.
    void pasteOfOneMebibyteKeptOrEmptied_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<game_invariants::DrawnTime>("time");
        QTest::addColumn<bool>("keptAtRelease");
        QTest::addColumn<bool>("keptAtNextPress");
        using T = game_invariants::DrawnTime;
        QTest::newRow("Text1 emptied at release") << "Text1" << T{1, 3, 20} << false << false;
        QTest::newRow("Text2 emptied at release") << "Text2" << T{2, 3, 20} << false << false;
        QTest::newRow("Text6 guarded hour") << "Text6" << T{1, 3, 40} << false << false;
        QTest::newRow("Text6 guard-free hour") << "Text6" << T{1, 10, 40} << true << true;
        QTest::newRow("Text5 emptied at next press") << "Text5" << T{1, 3, 40} << true << false;
        QTest::newRow("Text3 emptied at next press") << "Text3" << T{1, 3, 15} << true << false;
        QTest::newRow("Text4 has no limit") << "Text4" << T{1, 3, 15} << true << true;
        QTest::newRow("Text8 emptied at next press") << "Text8" << T{2, 11, 45} << true << false;
        QTest::newRow("Text7 emptied at next press") << "Text7" << T{1, 3, 45} << true << false;
    }
    void pasteOfOneMebibyteKeptOrEmptied() {
        QFETCH(QString, box);
        QFETCH(game_invariants::DrawnTime, time);
        QFETCH(bool, keptAtRelease);
        QFETCH(bool, keptAtNextPress);
        const std::string name = box.toStdString();
        GameRig rig;
        std::string verdict = rig.draw(time);
        QVERIFY2(verdict.empty(), verdict.c_str());
        toolkit::TextBox& answer = rig.box(name);
        const std::string payload = mixedBytes(oneMebibyte);

        toolkit::pasteText(answer, payload);
        toolkit::runKeyUp(answer);
        verdict = rig.checkBox(name);
        QVERIFY2(verdict.empty(), verdict.c_str());
        QVERIFY(answer.Enabled);
        QCOMPARE(answer.Text == payload, keptAtRelease);
        QVERIFY(keptAtRelease || answer.Text.empty());

        toolkit::typeKey(answer, '7');
        verdict = rig.checkBox(name);
        QVERIFY2(verdict.empty(), verdict.c_str());
        QVERIFY(answer.Enabled);
        QVERIFY(answer.Text == (keptAtNextPress ? payload + "7" : std::string("7")));
    }

    void tenThousandDigitsInTheNextHourBox_data() {
        QTest::addColumn<game_invariants::DrawnTime>("time");
        QTest::addColumn<std::string>("digits");
        QTest::addColumn<bool>("typed"); // else pasted, then one key release
        QTest::addColumn<bool>("locks");
        const std::string digits = digitString(tenThousand);
        // Each time with its next hour: within the first half, into noon, across into the
        // second half's numbers, and up to midnight.
        const std::pair<game_invariants::DrawnTime, std::string> times[] = {
            {{1, 10, 40}, "11"}, {{1, 11, 55}, "12"}, {{1, 12, 35}, "13"},
            {{2, 10, 40}, "23"}, {{2, 11, 35}, "24"},
        };
        for (const auto& [time, nextHour] : times) {
            const std::string clock =
                std::to_string(time.h + 12 * (time.sclt - 1)) + ":" + std::to_string(time.m);
            const std::string zeros = std::string(tenThousand - nextHour.size(), '0') + nextHour;
            QTest::addRow("%s typed", clock.c_str()) << time << digits << true << false;
            QTest::addRow("%s pasted", clock.c_str()) << time << digits << false << false;
            QTest::addRow("%s answer after the digits", clock.c_str())
                << time << digits + nextHour << false << false;
            QTest::addRow("%s zeros ahead of the answer", clock.c_str())
                << time << zeros << false << true;
        }
        QTest::newRow("22:40 zeros ahead of the answer, typed")
            << game_invariants::DrawnTime{2, 10, 40} << std::string(tenThousand - 2, '0') + "23"
            << true << true;
    }

    void tenThousandDigitsInTheNextHourBox() {
        QFETCH(game_invariants::DrawnTime, time);
        QFETCH(std::string, digits);
        QFETCH(bool, typed);
        QFETCH(bool, locks);
        GameRig rig;
        std::string verdict = rig.draw(time);
        QVERIFY2(verdict.empty(), verdict.c_str());
        toolkit::TextBox& Text6 = rig.box("Text6");

        if (typed) {
            for (std::size_t i = 0; i < digits.size(); ++i) {
                toolkit::typeKey(Text6, digits[i]);
                verdict = rig.checkBox("Text6");
                QVERIFY2(verdict.empty(), (verdict + " at digit " + std::to_string(i)).c_str());
                QCOMPARE(Text6.Enabled, !(locks && i + 1 == digits.size()));
            }
        } else {
            toolkit::pasteText(Text6, digits);
            toolkit::runKeyUp(Text6);
            verdict = rig.checkBox("Text6");
            QVERIFY2(verdict.empty(), verdict.c_str());
        }
        QVERIFY(Text6.Text == digits);
        QCOMPARE(!Text6.Enabled, locks);
    }
};

QTEST_GUILESS_MAIN(TestLongTexts)
#include "tst_long_texts.moc"
