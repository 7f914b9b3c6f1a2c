// SPDX-License-Identifier: GPL-3.0-or-later
// The key-script runners the row tables rely on: a runner that passed every script would
// pass every table, so each kind of mismatch must be reported at its step.

#include "key_script_runner.h"
#include "script_lines.h"

#include <QRegularExpression>
#include <QTest>

using namespace clock_test;

namespace {
constexpr Time twentyPastThree{1, 3, 20};
} // namespace

class TestScriptRunners : public QObject {
    Q_OBJECT
  private slots:
    void scriptLinesReportTheFirstMismatch_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("failingStep"); // 0 when every step holds

        const QString rightHour = R"(Text1 types "3" => "3" locked typing)";
        QTest::newRow("every step holds") << QStringList{rightHour} << 0;
        QTest::newRow("escapes are read as keys")
            << QStringList{R"(Text2 types "4\b" => "" open typing)",
                           R"(Text1 types "\x33" => "3" locked typing)"}
            << 0;
        QTest::newRow("wrong text") << QStringList{R"(Text1 types "3" => "4" locked typing)"} << 1;
        QTest::newRow("wrong lock") << QStringList{R"(Text1 types "3" => "3" open typing)"} << 1;
        QTest::newRow("wrong faces")
            << QStringList{R"(Text1 types "3" => "3" locked success)"} << 1;
        QTest::newRow("a later step wrong")
            << QStringList{rightHour, R"(Text2 types "2" => "2" locked typing)"} << 2;
        QTest::newRow("show success is seen by the next step")
            << QStringList{"show success", R"(Text1 releases => "" open typing)"} << 2;
        QTest::newRow("unknown verb") << QStringList{R"(Text1 hits "3" => "3" locked typing)"} << 1;
        QTest::newRow("no expectation") << QStringList{R"(Text1 types "3")"} << 1;
        QTest::newRow("an expectation on show success")
            << QStringList{"show success => success"} << 1;
    }

    void scriptLinesReportTheFirstMismatch() {
        QFETCH(QStringList, script);
        QFETCH(int, failingStep);
        const QString mismatch = runScriptLinesAt(twentyPastThree, script);
        if (failingStep == 0) {
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        } else {
            QVERIFY2(mismatch.startsWith(QString("step %1 ").arg(failingStep)),
                     qPrintable(mismatch));
        }
    }

    // One token per key, release or paste, each with both events' places filled.
    void traceHasOneTokenPerEvent() {
        ClockWindow clock(twentyPastThree);
        const Script script = typed("Text2", "45") + held("Text2", "6") + typesNothing("Text2") +
                              pasted("Text1", "7") + Script{{{}, StepKind::ShowSuccess, {}}};
        const QString trace = QString::fromStdString(runTraced(clock.form, script));
        static const QRegularExpression shape(R"(^[ts-]{2} [ts-]{2} [ts-]\. \.[ts-] p$)");
        QVERIFY2(shape.match(trace).hasMatch(), qPrintable(trace));
    }
};

QTEST_GUILESS_MAIN(TestScriptRunners)
#include "tst_script_runners.moc"
