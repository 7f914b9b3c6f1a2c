// SPDX-License-Identifier: GPL-3.0-or-later
#include "expected_window.h"
#include "visible_elements.h"

#include "support/clock_window_fixture.h"
#include "support/qtest_std_string.h"

#include "toolkit/windows1252.h"

#include <QTest>

using namespace draw_test;
using clock_test::ClockWindow;

class TestFormLoad : public QObject {
    Q_OBJECT
  private slots:
    void onlyTheStaticPartIsVisible() {
        ClockWindow window;
        const std::set<std::string> visible = visibleNames(window.form);
        const std::set<std::string> expected = staticPart();
        QVERIFY2(visible == expected, differences(visible, expected).c_str());
    }

    void hidesTheNamedElementsAndEveryHand() {
        ClockWindow window;
        std::set<std::string> expectedHidden(hiddenAtStartUp.begin(), hiddenAtStartUp.end());
        for (int k = 1; k <= 120; ++k) {
            expectedHidden.insert(imageName(k));
        }
        std::set<std::string> hidden;
        for (const toolkit::Element& element : window.form.elements()) {
            if (!isVisible(element)) {
                hidden.insert(std::string(element.spec->name));
            }
        }
        QVERIFY2(hidden == expectedHidden, differences(hidden, expectedHidden).c_str());
    }

    void handTablesHoldTheHandPicturesInOrder() {
        ClockWindow window;
        const auto& lancm = window.form.minuteHandTable();
        const auto& lanch = window.form.hourHandTable();
        QCOMPARE(lancm[0], nullptr);
        QCOMPARE(lanch[0], nullptr);
        for (int k = 1; k <= 60; ++k) {
            QVERIFY2(lancm[k] == &window.form.picture(imageName(k)),
                     qPrintable(QString::number(k)));
            QVERIFY2(lanch[k] == &window.form.picture(imageName(60 + k)),
                     qPrintable(QString::number(k)));
        }
    }

    // Start-up hides; it writes no caption, text, colour, enabled state or exercise state and
    // takes nothing from the generator.
    void changesNothingButVisibility() {
        ClockWindow window;
        for (const toolkit::Element& element : window.form.elements()) {
            const toolkit::ElementSpec& spec = *element.spec;
            const char* name = spec.name.data();
            if (const auto* label = std::get_if<toolkit::Label>(&element.control)) {
                QVERIFY2(label->Caption == toolkit::windows1252::fromUtf8(spec.caption), name);
                QVERIFY2(label->BorderStyle == 0, name);
            }
            if (const auto* box = std::get_if<toolkit::TextBox>(&element.control)) {
                QVERIFY2(box->Text.empty(), name);
                QVERIFY2(box->Enabled, name);
                QVERIFY2(box->ForeColor == spec.foreColor, name);
            }
        }
        QVERIFY(window.form.Enabled);
        QCOMPARE(window.form.Caption, toolkit::windows1252::fromUtf8(window.form.spec().caption));

        const clock_window::ExerciseState state = window.form.exerciseState();
        QCOMPARE(state.sclt, 0.0f);
        QCOMPARE(state.m, 0);
        QCOMPARE(state.h, 0);
        QCOMPARE(state.lenm, 0.0f);
        QCOMPARE(state.lenh, 0.0f);
        QVERIFY(state.ora.empty());
        QVERIFY(state.orameno.empty());
        QCOMPARE(window.source.log, std::string());
    }
};

QTEST_GUILESS_MAIN(TestFormLoad)
#include "tst_form_load.moc"
