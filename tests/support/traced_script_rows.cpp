// SPDX-License-Identifier: GPL-3.0-or-later
#include "traced_script_rows.h"

#include "key_script_runner.h"
#include "qtest_std_string.h"

#include "toolkit/windows1252.h"

namespace clock_test {

BoxState locked(const std::string& box, std::string_view text) {
    return {box, std::string(text), true};
}

BoxState open(const std::string& box, std::string_view text) {
    return {box, std::string(text), false};
}

BoxStates statesOf(clock_window::Form1& form, const BoxStates& expected) {
    BoxStates actual;
    for (const BoxState& state : expected) {
        const toolkit::TextBox& box = form.textBox(state.box);
        actual.push_back({state.box, box.Text, !box.Enabled});
    }
    return actual;
}

std::string describe(const BoxStates& states) {
    std::string result;
    for (const BoxState& state : states) {
        result += state.box + " \"" + toolkit::windows1252::toUtf8(state.text) + "\" " +
                  (state.locked ? "locked" : "open") + "\n";
    }
    return result;
}

void addTracedScriptColumns() {
    QTest::addColumn<Time>("time");
    QTest::addColumn<Script>("script");
    QTest::addColumn<QString>("expectedTrace");
    QTest::addColumn<BoxStates>("expectedBoxes");
}

void checkTracedScriptRow() {
    QFETCH(Time, time);
    QFETCH(Script, script);
    QFETCH(QString, expectedTrace);
    QFETCH(BoxStates, expectedBoxes);

    ClockWindow clock(time);
    QCOMPARE(clock.drawnTime(), timeText(time));
    QCOMPARE(QString::fromStdString(runTraced(clock.form, script)), expectedTrace);
    QCOMPARE(describe(statesOf(clock.form, expectedBoxes)), describe(expectedBoxes));
}

} // namespace clock_test
