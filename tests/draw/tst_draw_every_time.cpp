// SPDX-License-Identifier: GPL-3.0-or-later
// Every one of the 1,440 times a draw can give, on one window, one after the other: each
// draw must leave exactly what its time calls for, whatever the previous one showed.

#include "expected_window.h"
#include "visible_elements.h"

#include "support/clock_window_fixture.h"
#include "support/qtest_std_string.h"

#include "toolkit/windows1252.h"

#include <QTest>

#include <memory>

using namespace draw_test;
using clock_test::ClockWindow;
using toolkit::windows1252::fromUtf8;

class TestDrawEveryTime : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { window_ = std::make_unique<ClockWindow>(); }

    void leavesWhatTheTimeCallsFor_data() {
        QTest::addColumn<Time>("time");
        for (int sclt = 1; sclt <= 2; ++sclt) {
            for (int h = 1; h <= 12; ++h) {
                for (int m = 1; m <= 60; ++m) {
                    QTest::addRow("mode %d, %02d:%02d", sclt, h, m) << Time{sclt, h, m};
                }
            }
        }
    }

    void leavesWhatTheTimeCallsFor() {
        QFETCH(Time, time);
        clock_window::Form1& form = window_->form;
        window_->source.log.clear();
        window_->draw(time);

        QCOMPARE(window_->source.log, std::string("DDRDD"));
        QVERIFY(!window_->source.overdrawn);

        // Every element of the window at once: static part, panel, faces, sun, moon, banners
        // and all 120 hands.
        const std::set<std::string> visible = visibleNames(form);
        const std::set<std::string> expected = windowVisibleAfterDraw(time);
        QVERIFY2(visible == expected, differences(visible, expected).c_str());

        const game_invariants::Banner& banner = game_invariants::bannerFor(time);
        const std::string_view caption =
            banner.name == "Label66" ? game_invariants::label66Caption(time) : banner.caption;
        QCOMPARE(form.label(banner.name).Caption, fromUtf8(caption));
        QCOMPARE(form.Label66.Caption, fromUtf8(game_invariants::label66Caption(time)));

        const clock_window::ExerciseState state = form.exerciseState();
        QCOMPARE(state.sclt, float(time.sclt));
        QCOMPARE(state.h, time.h);
        QCOMPARE(state.m, time.m);
        QCOMPARE(state.lenm, float(game_invariants::digitsOf(time.m)));
        QCOMPARE(state.lenh, float(game_invariants::digitsOf(time.h)));
        QCOMPARE(state.ora, std::string(game_invariants::expectedOra(time)));
        QCOMPARE(state.orameno, std::string(game_invariants::expectedOrameno(time)));

        for (const std::string& name : game_invariants::answerBoxNames()) {
            const toolkit::TextBox& box = form.textBox(name);
            QVERIFY2(box.Text.empty(), name.c_str());
            QVERIFY2(box.Enabled, name.c_str());
        }
    }

  private:
    std::unique_ptr<ClockWindow> window_;
};

QTEST_GUILESS_MAIN(TestDrawEveryTime)
#include "tst_draw_every_time.moc"
