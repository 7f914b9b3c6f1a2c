// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_rig.h"

#include "toolkit/key_delivery.h"

#include <QTest>

#include <cstdint>
#include <limits>

Q_DECLARE_METATYPE(game_invariants::DrawnTime)

namespace {
constexpr int lowestCode = std::numeric_limits<std::int16_t>::min();
constexpr int highestCode = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t backspace = 8;
} // namespace

// Every signed 16-bit character code, typed into each of the thirteen boxes, open or hidden,
// at times that between them show every box. Each code meets an open, empty box: Backspace
// empties it first, and a box that locks is opened again by a new draw of the same time.
class TestEveryCharacterCode : public QObject {
    Q_OBJECT
  private slots:
    void everyCodeThroughEveryBox_data() {
        QTest::addColumn<game_invariants::DrawnTime>("time");
        QTest::addColumn<int>("pressesPerKey"); // more than one: the key is held down
        QTest::newRow("3:20, digits row") << game_invariants::DrawnTime{1, 3, 20} << 1;
        QTest::newRow("1:00, hours only") << game_invariants::DrawnTime{1, 1, 60} << 1;
        QTest::newRow("22:40, next hour without a guard")
            << game_invariants::DrawnTime{2, 10, 40} << 1;
        QTest::newRow("0:35, next hour after midnight")
            << game_invariants::DrawnTime{2, 12, 35} << 3;
        QTest::newRow("12:45, four rows") << game_invariants::DrawnTime{1, 12, 45} << 1;
        QTest::newRow("24:45, four rows, held") << game_invariants::DrawnTime{2, 12, 45} << 3;
        QTest::newRow("23:45, noon words meno row") << game_invariants::DrawnTime{2, 11, 45} << 1;
        QTest::newRow("12:00, noon") << game_invariants::DrawnTime{1, 12, 60} << 1;
        QTest::newRow("24:00, midnight, held") << game_invariants::DrawnTime{2, 12, 60} << 2;
    }
    void everyCodeThroughEveryBox() {
        QFETCH(game_invariants::DrawnTime, time);
        QFETCH(int, pressesPerKey);
        GameRig rig;
        std::string verdict = rig.draw(time);
        QVERIFY2(verdict.empty(), verdict.c_str());

        for (const std::string& name : game_invariants::answerBoxNames()) {
            toolkit::TextBox& box = rig.box(name);
            for (int code = lowestCode; code <= highestCode; ++code) {
                while (box.Visible && box.Enabled && !box.Text.empty()) {
                    toolkit::typeKey(box, backspace);
                    verdict = rig.checkBox(name);
                    QVERIFY2(verdict.empty(), (verdict + " (Backspace)").c_str());
                }
                for (int press = 0; press < pressesPerKey; ++press) {
                    toolkit::pressKey(box, static_cast<std::int16_t>(code));
                }
                toolkit::runKeyUp(box);
                verdict = rig.checkBox(name);
                if (!verdict.empty()) {
                    verdict += " (character code " + std::to_string(code) + ")";
                }
                QVERIFY2(verdict.empty(), verdict.c_str());
                if (!box.Enabled) {
                    verdict = rig.draw(time);
                    QVERIFY2(verdict.empty(), verdict.c_str());
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestEveryCharacterCode)
#include "tst_every_character_code.moc"
