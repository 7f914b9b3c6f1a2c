// SPDX-License-Identifier: GPL-3.0-or-later
#include "expected_window.h"
#include "visible_elements.h"

#include "support/clock_window_fixture.h"
#include "support/qtest_std_string.h"

#include "toolkit/windows1252.h"

#include <QTest>

#include <cmath>
#include <cstddef>
#include <functional>

using namespace draw_test;
using clock_test::ClockWindow;
using toolkit::windows1252::fromUtf8;

namespace {

const float justBelowOne = std::nextafter(1.0f, 0.0f);
const float justBelowHalf = std::nextafter(0.5f, 0.0f);

std::set<std::string> visibleHands(clock_window::Form1& form) {
    std::set<std::string> hands;
    for (int k = 1; k <= 120; ++k) {
        if (form.picture(imageName(k)).Visible) {
            hands.insert(imageName(k));
        }
    }
    return hands;
}

// A child half-way through, or done: every box typed into and locked, the happy face, the
// sun and the moon up.
void playTheExercise(clock_window::Form1& form) {
    for (const std::string& name : game_invariants::answerBoxNames()) {
        toolkit::TextBox& box = form.textBox(name);
        box.Text = "12";
        box.Enabled = false;
    }
    form.Image122.Visible = false;
    form.Image123.Visible = true;
    form.Image125.Visible = true;
    form.Image126.Visible = true;
}

// Everything a draw writes: Visible, Caption, Text and Enabled of every element and the
// exercise state, as one comparable text per element.
std::vector<std::string> drawnState(const clock_window::Form1& form) {
    std::vector<std::string> state;
    for (const toolkit::Element& element : form.elements()) {
        std::string line = std::string(element.spec->name) + (isVisible(element) ? " V" : " -");
        if (const auto* label = std::get_if<toolkit::Label>(&element.control)) {
            line += " [" + label->Caption + "]";
        }
        if (const auto* box = std::get_if<toolkit::TextBox>(&element.control)) {
            line += " [" + box->Text + "]" + (box->Enabled ? " E" : " L");
        }
        state.push_back(line);
    }
    const clock_window::ExerciseState s = form.exerciseState();
    state.push_back("state " + std::to_string(s.sclt) + " " + std::to_string(s.h) + " " +
                    std::to_string(s.m) + " " + std::to_string(s.lenm) + " " +
                    std::to_string(s.lenh) + " " + s.ora + " " + s.orameno);
    return state;
}

using History = std::function<void(ClockWindow&)>;

} // namespace

class TestDrawEdgeCases : public QObject {
    Q_OBJECT
  private slots:
    void noonOnTheHourReadsDaytimeUntilTheNextDraw() {
        ClockWindow window;
        clock_window::Form1& form = window.form;

        window.draw({1, 12, 60});
        QVERIFY(form.Label66.Visible);
        QCOMPARE(form.Label66.Caption, fromUtf8("È GIORNO"));

        window.draw({1, 12, 30});
        QVERIFY(form.Label66.Visible);
        QCOMPARE(form.Label66.Caption, fromUtf8("È POMERIGGIO"));

        window.draw({1, 12, 60});
        window.draw({2, 12, 60});
        QVERIFY(!form.Label66.Visible);
        QVERIFY(form.Label90.Visible);
        QCOMPARE(form.Label66.Caption, fromUtf8("È POMERIGGIO"));
    }

    // The mode comes from the second value, the minutes from the third, the hour from the
    // fourth; the extremes of [0, 1) stay inside every range.
    void randomValuesMapIntoTheirRanges_data() {
        QTest::addColumn<std::vector<float>>("values");
        QTest::addColumn<Time>("expected");
        QTest::newRow("all 0") << std::vector<float>{0, 0, 0, 0} << Time{1, 1, 1};
        QTest::newRow("all just below 1")
            << std::vector<float>{justBelowOne, justBelowOne, justBelowOne, justBelowOne}
            << Time{2, 12, 60};
        QTest::newRow("first value is overwritten: 0 then just below 1")
            << std::vector<float>{0, justBelowOne, 0, 0} << Time{2, 1, 1};
        QTest::newRow("first value is overwritten: just below 1 then 0")
            << std::vector<float>{justBelowOne, 0, justBelowOne, justBelowOne} << Time{1, 12, 60};
        QTest::newRow("third value gives the minutes")
            << std::vector<float>{0, 0, justBelowOne, 0} << Time{1, 1, 60};
        QTest::newRow("fourth value gives the hour")
            << std::vector<float>{0, 0, 0, justBelowOne} << Time{1, 12, 1};
        QTest::newRow("one half") << std::vector<float>{0, 0.5f, 0.5f, 0.5f} << Time{2, 7, 31};
        QTest::newRow("just below one half")
            << std::vector<float>{0, justBelowHalf, justBelowHalf, justBelowHalf} << Time{1, 6, 30};
    }

    void randomValuesMapIntoTheirRanges() {
        QFETCH(std::vector<float>, values);
        QFETCH(Time, expected);
        ClockWindow window;
        window.click(values);

        const clock_window::ExerciseState state = window.form.exerciseState();
        QCOMPARE(state.sclt, float(expected.sclt));
        QCOMPARE(state.h, expected.h);
        QCOMPARE(state.m, expected.m);
        // A drawn time is shown whole: hands, banner and rows.
        const std::set<std::string> visible = visibleNames(window.form);
        const std::set<std::string> wanted = windowVisibleAfterDraw(expected);
        QVERIFY2(visible == wanted, differences(visible, wanted).c_str());
    }

    void everyClickDrawsFourTimesAndReseedsOnceBetweenTheSecondAndThird() {
        ClockWindow window;
        window.draw({1, 3, 20});
        window.draw({2, 9, 45});
        window.draw({1, 12, 60});
        QCOMPARE(window.source.log, std::string("DDRDD"
                                                "DDRDD"
                                                "DDRDD"));
        QVERIFY(!window.source.overdrawn);
    }

    void drawInTheMiddleOfAnExerciseWipesIt_data() {
        QTest::addColumn<Time>("previous");
        QTest::addColumn<Time>("next");
        QTest::newRow("noon on the hour, then a plain time") << Time{1, 12, 60} << Time{2, 3, 7};
        QTest::newRow("quarter to midnight's neighbour, then quarter past one")
            << Time{2, 11, 45} << Time{1, 1, 15};
        QTest::newRow("twenty to one at midnight, then noon on the hour")
            << Time{2, 12, 40} << Time{1, 12, 60};
        QTest::newRow("the same time again") << Time{2, 12, 45} << Time{2, 12, 45};
    }

    void drawInTheMiddleOfAnExerciseWipesIt() {
        QFETCH(Time, previous);
        QFETCH(Time, next);
        ClockWindow window;
        window.draw(previous);
        playTheExercise(window.form);
        window.draw(next);

        const std::set<std::string> visible = visibleNames(window.form);
        const std::set<std::string> wanted = windowVisibleAfterDraw(next);
        QVERIFY2(visible == wanted, differences(visible, wanted).c_str());
        for (const std::string& name : game_invariants::answerBoxNames()) {
            const toolkit::TextBox& box = window.form.textBox(name);
            QVERIFY2(box.Text.empty(), name.data());
            QVERIFY2(box.Enabled, name.data());
        }
    }

    // The draw reads nothing it finds: four random values fix everything it writes.
    void sameRandomValuesGiveTheSameState_data() {
        QTest::addColumn<History>("history");
        QTest::newRow("after another draw") << History([](ClockWindow& w) { w.draw({1, 12, 60}); });
        QTest::newRow("after a finished exercise") << History([](ClockWindow& w) {
            w.draw({2, 11, 45});
            playTheExercise(w.form);
        });
        QTest::newRow("after every element was shown and every box changed")
            << History([](ClockWindow& w) {
                   w.draw({1, 1, 30});
                   for (toolkit::Element& element : w.form.elements()) {
                       setVisible(element, true);
                   }
                   playTheExercise(w.form);
                   w.form.Label66.Caption = "?";
               });
    }

    void sameRandomValuesGiveTheSameState() {
        QFETCH(History, history);
        const Time targets[] = {{1, 12, 60}, {2, 12, 45}, {1, 1, 30},  {2, 11, 45},
                                {1, 7, 35},  {2, 12, 35}, {1, 12, 15}, {2, 4, 60}};
        for (const Time target : targets) {
            ClockWindow fresh;
            fresh.draw(target);
            ClockWindow used;
            history(used);
            used.draw(target);

            const std::vector<std::string> expected = drawnState(fresh.form);
            const std::vector<std::string> actual = drawnState(used.form);
            QCOMPARE(actual.size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QCOMPARE(actual[i], expected[i]);
            }
        }
    }

    // Only Text9's own key press colours it.
    void drawLeavesText9sColourAsItWas() {
        ClockWindow window;
        window.draw({1, 12, 60});
        window.form.Text9.ForeColor = toolkit::colours::green;
        window.draw({2, 12, 60});
        QCOMPARE(window.form.Text9.ForeColor, toolkit::colours::green);
        window.draw({1, 5, 20});
        QCOMPARE(window.form.Text9.ForeColor, toolkit::colours::green);
    }

    // The hand pictures named for these times, the same in both half-day modes.
    void handsOfNamedTimes_data() {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<QString>("minuteHand");
        QTest::addColumn<QString>("hourHand");
        QTest::newRow("12:00") << 12 << 60 << "Image60"
                               << "Image61";
        QTest::newRow("6:30") << 6 << 30 << "Image30"
                              << "Image93";
        QTest::newRow("11:59") << 11 << 59 << "Image59"
                               << "Image120";
        QTest::newRow("12:59") << 12 << 59 << "Image59"
                               << "Image65";
        QTest::newRow("3:00") << 3 << 60 << "Image60"
                              << "Image76";
        QTest::newRow("9:00") << 9 << 60 << "Image60"
                              << "Image106";
        QTest::newRow("3:01") << 3 << 1 << "Image1"
                              << "Image77";
        QTest::newRow("3:15") << 3 << 15 << "Image15"
                              << "Image77";
        QTest::newRow("3:16") << 3 << 16 << "Image16"
                              << "Image78";
        QTest::newRow("3:30") << 3 << 30 << "Image30"
                              << "Image78";
        QTest::newRow("3:31") << 3 << 31 << "Image31"
                              << "Image79";
        QTest::newRow("3:45") << 3 << 45 << "Image45"
                              << "Image79";
        QTest::newRow("3:46") << 3 << 46 << "Image46"
                              << "Image80";
        QTest::newRow("1:00") << 1 << 60 << "Image60"
                              << "Image66";
    }

    void handsOfNamedTimes() {
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(QString, minuteHand);
        QFETCH(QString, hourHand);
        for (int sclt = 1; sclt <= 2; ++sclt) {
            ClockWindow window;
            window.draw({sclt, 12, 45}); // other hands up first
            window.draw({sclt, h, m});
            const std::set<std::string> expected{minuteHand.toStdString(), hourHand.toStdString()};
            const std::set<std::string> hands = visibleHands(window.form);
            QVERIFY2(hands == expected, differences(hands, expected).c_str());
        }
    }
};

QTEST_GUILESS_MAIN(TestDrawEdgeCases)
#include "tst_draw_edge_cases.moc"
