// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_fixture.h"

#include "support/scripted_random.h"

#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "toolkit/key_delivery.h"

#include <QTest>

#include <optional>
#include <string>

using namespace credits_test;
using credits_window::Form2;

namespace {

// The clock window shown as at start-up, with its "INFO" link, on a recording host.
struct Program {
    clock_test::ScriptedRandom source;
    RecordingHost host;
    clock_window::Form1 form1{host, source};
    std::optional<credits_window::Credits> credits{std::in_place, form1, host};

    Program() {
        source.give(firstDraw);
        host.clockWindow = &form1;
        form1.Show();
        host.calls.clear();
    }

    Form2& openCredits() {
        clickOn(form1, "Label83");
        return *credits->form2();
    }
};

enum class ClosePath { Ok, WindowManager };

void closeCredits(Form2& form2, ClosePath path) {
    if (path == ClosePath::Ok) {
        clickOn(form2, "Label1");
    } else {
        form2.CloseRequest();
    }
}

void addClosePaths() {
    QTest::addColumn<ClosePath>("path");
    QTest::newRow("closed by OK") << ClosePath::Ok;
    QTest::newRow("closed by the window manager") << ClosePath::WindowManager;
}

QString describe(const clock_window::ExerciseState& state) {
    return QString("sclt=%1 m=%2 h=%3 lenm=%4 lenh=%5 ora=%6 orameno=%7")
        .arg(state.sclt)
        .arg(state.m)
        .arg(state.h)
        .arg(state.lenm)
        .arg(state.lenh)
        .arg(utf8(state.ora), utf8(state.orameno));
}

} // namespace

Q_DECLARE_METATYPE(ClosePath)

class TestCredits : public QObject {
    Q_OBJECT
  private slots:
    void infoOpensTheCreditsOverTheDisabledClock() {
        Program program;
        QVERIFY(!program.credits->form2());
        QVERIFY(program.form1.Enabled);

        Form2& form2 = program.openCredits();
        QVERIFY(!program.form1.Enabled);
        QVERIFY(program.form1.isLoaded());
        QVERIFY(form2.isLoaded());
        QCOMPARE(form2.Label1.BorderStyle, 0);
        QCOMPARE(utf8(form2.Caption), utf8(program.form1.Caption));
        // The clock window is disabled before the credits window is shown.
        QCOMPARE(program.host.calls, QStringList({"show Form2 (clock disabled)"}));
    }

    // Each row is a series of mouse moves over the credits window; "" is its background.
    void frameOfOk_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<int>("borderStyle");
        QTest::newRow("no move") << QStringList() << 0;
        QTest::newRow("onto OK") << QStringList({"Label1"}) << 1;
        QTest::newRow("over OK again and again") << QStringList({"Label1", "Label1"}) << 1;
        QTest::newRow("OK, then the background") << QStringList({"Label1", ""}) << 0;
        QTest::newRow("OK, then the web address") << QStringList({"Label1", "Label2"}) << 0;
        QTest::newRow("OK, then the freeware line") << QStringList({"Label1", "Label3"}) << 0;
        QTest::newRow("OK, then the first e-mail") << QStringList({"Label1", "Label4"}) << 1;
        QTest::newRow("OK, then the second e-mail") << QStringList({"Label1", "Label5"}) << 1;
        QTest::newRow("OK, then the error request") << QStringList({"Label1", "Label6"}) << 1;
        QTest::newRow("OK, the e-mails, then the background")
            << QStringList({"Label1", "Label4", "Label5", ""}) << 0;
        QTest::newRow("background, then OK") << QStringList({"", "Label1"}) << 1;
        QTest::newRow("the e-mails alone") << QStringList({"Label4", "Label5", "Label6"}) << 0;
    }

    void frameOfOk() {
        QFETCH(QStringList, moves);
        QFETCH(int, borderStyle);
        Program program;
        Form2& form2 = program.openCredits();
        for (const QString& name : moves) {
            moveOver(form2, name.toStdString());
        }
        QCOMPARE(form2.Label1.BorderStyle, borderStyle);
        QVERIFY(!program.form1.Enabled);
        QVERIFY(form2.isLoaded());
    }

    void okGivesTheClockBackThenUnloads() {
        Program program;
        Form2& form2 = program.openCredits();
        moveOver(form2, "Label1");
        clickOn(form2, "Label1");
        QVERIFY(program.form1.Enabled);
        QVERIFY(!form2.isLoaded());
        QCOMPARE(program.host.calls,
                 QStringList({"show Form2 (clock disabled)", "unload Form2 (clock enabled)"}));
    }

    // Whatever the window manager offers to close the credits window must end as "OK" does.
    void windowManagerCloseEndsAsOk_data() {
        QTest::addColumn<bool>("frameOn");
        QTest::newRow("frame off") << false;
        QTest::newRow("frame on") << true;
    }

    void windowManagerCloseEndsAsOk() {
        QFETCH(bool, frameOn);
        Program byOk;
        Program byWindowManager;
        for (Program* program : {&byOk, &byWindowManager}) {
            Form2& form2 = program->openCredits();
            if (frameOn) {
                moveOver(form2, "Label1");
            }
        }
        closeCredits(*byOk.credits->form2(), ClosePath::Ok);
        closeCredits(*byWindowManager.credits->form2(), ClosePath::WindowManager);

        QVERIFY(byWindowManager.form1.Enabled);
        QVERIFY(!byWindowManager.credits->form2()->isLoaded());
        QCOMPARE(byWindowManager.host.calls, byOk.host.calls);
        QCOMPARE(snapshot(byWindowManager.form1), snapshot(byOk.form1));
    }

    void reopeningStartsWithTheFrameOff_data() { addClosePaths(); }

    void reopeningStartsWithTheFrameOff() {
        QFETCH(ClosePath, path);
        Program program;
        Form2& first = program.openCredits();
        moveOver(first, "Label1");
        QCOMPARE(first.Label1.BorderStyle, 1);
        closeCredits(first, path);

        Form2& second = program.openCredits();
        QCOMPARE(&second, &first); // the one reference is kept and the window reloaded
        QVERIFY(second.isLoaded());
        QVERIFY(!program.form1.Enabled);
        QCOMPARE(second.Label1.BorderStyle, 0);
        QCOMPARE(program.host.calls,
                 QStringList({"show Form2 (clock disabled)", "unload Form2 (clock enabled)",
                              "show Form2 (clock disabled)"}));

        // The procedures still answer after the reload.
        moveOver(second, "Label1");
        QCOMPARE(second.Label1.BorderStyle, 1);
        clickOn(second, "Label1");
        QVERIFY(program.form1.Enabled);
        QVERIFY(!second.isLoaded());
    }

    void clicksBesideOkDoNothing_data() {
        QTest::addColumn<QString>("label");
        for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QTest::newRow(name) << name;
        }
    }

    void clicksBesideOkDoNothing() {
        QFETCH(QString, label);
        Program program;
        Form2& form2 = program.openCredits();
        moveOver(form2, "Label1");
        const QStringList before = snapshot(form2);
        clickOn(form2, label.toStdString());
        QCOMPARE(snapshot(form2), before);
        QVERIFY(!program.form1.Enabled);
        QCOMPARE(program.host.calls, QStringList({"show Form2 (clock disabled)"}));
    }

    void infoBeforeTheFirstDrawLeavesTheStartUpState_data() { addClosePaths(); }

    void infoBeforeTheFirstDrawLeavesTheStartUpState() {
        QFETCH(ClosePath, path);
        Program program;
        const QStringList startUp = snapshot(program.form1);
        const QString noExercise = describe(program.form1.exerciseState());

        Form2& form2 = program.openCredits();
        moveOver(form2, "Label1");
        moveOver(form2, "");
        closeCredits(form2, path);

        QCOMPARE(snapshot(program.form1), startUp);
        QCOMPARE(describe(program.form1.exerciseState()), noExercise);
    }

    void exerciseInProgressIsUntouched_data() { addClosePaths(); }

    void exerciseInProgressIsUntouched() {
        QFETCH(ClosePath, path);
        Program program;
        program.form1.Image124.Click();
        const clock_window::ExerciseState state = program.form1.exerciseState();
        QVERIFY2(state.m != 60, "the scripted draw must leave the minutes box open");

        // The hour right (the box locks), the minutes begun but not right.
        const int hour = state.sclt == 2 ? state.h + 12 : state.h;
        toolkit::typeText(program.form1.Text1, std::to_string(hour));
        const std::string wrongMinute = state.m == 9 ? "8" : "9";
        toolkit::typeText(program.form1.Text2, wrongMinute);
        QVERIFY2(!program.form1.Text1.Enabled, "the right hour should lock its box");
        QCOMPARE(program.form1.Text2.Text, wrongMinute);
        QVERIFY(program.form1.Text2.Enabled);
        QVERIFY(program.form1.Image122.Visible);

        const QStringList before = snapshot(program.form1);
        const QString exercise = describe(state);
        Form2& form2 = program.openCredits();
        moveOver(form2, "Label1");
        moveOver(form2, "Label4");
        closeCredits(form2, path);

        QCOMPARE(snapshot(program.form1), before);
        QCOMPARE(describe(program.form1.exerciseState()), exercise);

        // The exercise goes on where it was left.
        toolkit::typeKey(program.form1.Text2, 8); // Backspace
        toolkit::typeText(program.form1.Text2, std::to_string(state.m));
        QVERIFY(!program.form1.Text2.Enabled);
        QVERIFY(program.form1.Image123.Visible);
    }

    void theLinkUnbindsInfoAndUnloadsWhenItGoes() {
        Program program;
        program.openCredits();
        program.credits.reset();
        QVERIFY(!program.form1.Label83.Click);
        QCOMPARE(program.host.calls,
                 QStringList({"show Form2 (clock disabled)", "unload Form2 (clock disabled)"}));
    }
};

QTEST_GUILESS_MAIN(TestCredits)
#include "tst_credits.moc"
