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

// Texts far longer than any answer: no box breaks, none matches, nothing else changes, and a
// text is either kept whole or emptied whole.
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

    void tenThousandDigitsInTheNextHourBox_data() {
        QTest::addColumn<game_invariants::DrawnTime>("time");
        QTest::addColumn<std::string>("digits");
        QTest::addColumn<bool>("typed"); // else pasted, then one key release
        QTest::addColumn<bool>("locks");
        const std::string digits = digitString(tenThousand);
        const game_invariants::DrawnTime tenForty{1, 10, 40};
        const game_invariants::DrawnTime twentyTwoForty{2, 10, 40};
        QTest::newRow("10:40 typed") << tenForty << digits << true << false;
        QTest::newRow("10:40 pasted") << tenForty << digits << false << false;
        QTest::newRow("10:40 answer after the digits")
            << tenForty << digits + "11" << false << false;
        QTest::newRow("10:40 zeros ahead of the answer")
            << tenForty << std::string(tenThousand - 2, '0') + "11" << false << true;
        QTest::newRow("22:40 typed") << twentyTwoForty << digits << true << false;
        QTest::newRow("22:40 zeros ahead of the answer")
            << twentyTwoForty << std::string(tenThousand - 2, '0') + "23" << true << true;
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
