// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_rig.h"

#include "toolkit/key_delivery.h"

#include <QTest>

#include <cmath>
#include <set>
#include <tuple>

namespace {
constexpr int stormLength = 10000;
constexpr int timesOfTheDay = 2 * 12 * 60;

// The hours answer in digits for a drawn time, so each draw interrupts a finished row.
std::string hoursAnswer(game_invariants::DrawnTime t) {
    return std::to_string(t.sclt == 1 ? t.h : t.h + 12);
}

// The band of k out of n: its first float, or the last float below its end.
float bandEdge(int k, int n, bool upper) {
    return upper ? std::nextafter(static_cast<float>(k + 1) / n, 0.0f) : static_cast<float>(k) / n;
}
} // namespace

// Ten thousand clicks on the alarm clock, each in the middle of an exercise whose hours row is
// already right, with every rule checked after each click and each key.
class TestClickStorm : public QObject {
    Q_OBJECT
  private slots:
    void stormWithTheProgramsGenerator() {
        GameRig rig;
        std::set<std::tuple<int, int, int>> timesSeen;
        for (int click = 0; click < stormLength; ++click) {
            std::string verdict = rig.drawFromGenerator();
            QVERIFY2(verdict.empty(), (verdict + " at click " + std::to_string(click)).c_str());
            const game_invariants::DrawnTime t = rig.lastTime();
            timesSeen.emplace(t.sclt, t.h, t.m);
            toolkit::typeText(rig.box("Text1"), hoursAnswer(t));
            verdict = rig.checkBox("Text1");
            QVERIFY2(verdict.empty(), verdict.c_str());
            QVERIFY(!rig.box("Text1").Enabled);
        }
        // Reseeding from the clock at every click must not make fast clicks repeat a time:
        // 10,000 fair draws miss only a handful of the 1,440 times.
        QVERIFY2(timesSeen.size() > timesOfTheDay / 2,
                 (std::to_string(timesSeen.size()) + " times seen").c_str());
    }

    // Every time of the day drawn from the edges of its bands, where rounding goes wrong.
    void stormOfBandEdges() {
        GameRig rig;
        for (int click = 0; click < stormLength; ++click) {
            const int combination = click % timesOfTheDay;
            const bool upper = (click / timesOfTheDay) % 2 == 1;
            const int mode = combination % 2;
            const int minute = (combination / 2) % 60;
            const int hour = combination / 120;
            const float first = bandEdge(1 - mode, 2, upper);
            std::string verdict =
                rig.drawWith({first, bandEdge(mode, 2, upper), bandEdge(minute, 60, upper),
                              bandEdge(hour, 12, upper)});
            QVERIFY2(verdict.empty(), (verdict + " at click " + std::to_string(click)).c_str());
            toolkit::typeText(rig.box("Text1"), hoursAnswer(rig.lastTime()));
            verdict = rig.checkBox("Text1");
            QVERIFY2(verdict.empty(), verdict.c_str());
        }
    }
};

QTEST_GUILESS_MAIN(TestClickStorm)
#include "tst_click_storm.moc"
