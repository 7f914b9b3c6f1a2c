// SPDX-License-Identifier: GPL-3.0-or-later
// The key-script lines the row tables rely on: a runner that passed every script would pass
// every table, so each kind of mismatch must be reported at its step, and for its reason.

#include "script_lines.h"

#include <QTest>

using namespace clock_test;

namespace {
constexpr Time twentyPastThree{1, 3, 20};
constexpr Time noon{1, 12, 60};
} // namespace

class TestScriptLines : public QObject {
    Q_OBJECT
  private slots:
    void linesReportTheFirstMismatch_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("failingStep"); // 0 when every step holds
        QTest::addColumn<QString>("reason");  // a part of the mismatch's text

        const QString rightHour = R"(Text1 types "3" => "3" locked typing)";
        QTest::newRow("every step holds") << twentyPastThree << QStringList{rightHour} << 0 << "";
        QTest::newRow("escapes are read as keys")
            << twentyPastThree
            << QStringList{R"(Text2 types "4\b" => "" open typing)",
                           R"(Text1 types "\x33" => "3" locked typing)"}
            << 0 << "";
        QTest::newRow("wrong text")
            << twentyPastThree << QStringList{R"(Text1 types "3" => "4" locked typing)"} << 1
            << "got <\"3\" locked typing>";
        QTest::newRow("wrong lock")
            << twentyPastThree << QStringList{R"(Text1 types "3" => "3" open typing)"} << 1
            << "got <";
        QTest::newRow("wrong faces")
            << twentyPastThree << QStringList{R"(Text1 types "3" => "3" locked success)"} << 1
            << "got <";
        QTest::newRow("a later step wrong")
            << twentyPastThree << QStringList{rightHour, R"(Text2 types "2" => "2" locked typing)"}
            << 2 << "got <";
        QTest::newRow("show success is seen by the next step")
            << twentyPastThree << QStringList{"show success", R"(Text1 releases => "" open typing)"}
            << 2 << "got <\"\" open success>";
        QTest::newRow("unknown verb")
            << twentyPastThree << QStringList{R"(Text1 hits "3" => "3" locked typing)"} << 1
            << "unreadable";
        QTest::newRow("no expectation")
            << twentyPastThree << QStringList{R"(Text1 types "3")"} << 1 << "unreadable";
        QTest::newRow("an expectation on show success")
            << twentyPastThree << QStringList{"show success => success"} << 1 << "unreadable";

        QTest::newRow("a box only looked at after another box's keys")
            << twentyPastThree
            << QStringList{rightHour, R"(Text2 types "2" => "2" open typing)",
                           R"(Text1 => "3" locked typing)"}
            << 0 << "";
        QTest::newRow("a box looked at, wrong")
            << twentyPastThree << QStringList{R"(Text1 => "3" open typing)"} << 1
            << "got <\"\" open typing>";

        QTest::newRow("a shown picture is part of the state")
            << noon << QStringList{R"(Text9 types "mezzogiorno" => "MEZZOGIORNO" locked success)"}
            << 1 << "got <\"MEZZOGIORNO\" locked success sun>";
        QTest::newRow("per key: every event as named")
            << noon
            << QStringList{R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                           R"(Text9 types "o" => "MEZZOGIORNO" locked success sun; per key: typing, success)"}
            << 0 << "";
        QTest::newRow("per key: a press that did otherwise")
            << noon
            << QStringList{R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: unchanged, unchanged)"}
            << 1 << "key 1's press gave <typing>, expected <unchanged>";
        QTest::newRow("per key: the one release that did otherwise")
            << noon
            << QStringList{R"(Text9 pastes "MEZZOGIORN" => "MEZZOGIORN" open typing)",
                           R"(Text9 types "ox" => "MEZZOGIORNO" locked success sun; per key: typing, unchanged)"}
            << 2 << "key 1's release gave <success>, expected <unchanged>";
        QTest::newRow("per key: the named picture after every key")
            << noon
            << QStringList{R"(Text9 types "mezzogiorno" => "MEZZOGIORNO" locked success sun; per key: typing, unchanged)"}
            << 1 << "after key 1 the pictures were <>, not <sun>";
        // The mark before each event is taken off again where the event left the faces alone.
        QTest::newRow("per key: unchanged faces stay as they were")
            << noon
            << QStringList{"show success",
                           R"(Text9 pastes "MEZZOGIORNX" => "MEZZOGIORNX" open success)",
                           R"(Text9 presses "\b" => "MEZZOGIORN" open success; per key: unchanged)",
                           R"(Text9 releases => "MEZZOGIORN" open success; per key: unchanged)"}
            << 0 << "";
        QTest::newRow("per key: held keys name their presses")
            << noon << QStringList{R"(Text9 presses "m" => "M" open typing; per key: typing)"} << 0
            << "";

        const QString perKeyOn = R"(%1 => "" open typing; per key: %2)";
        const struct {
            const char* name;
            const char* action;
            const char* effects;
        } unreadable[] = {
            {"one effect for types", R"(Text9 types "m")", "typing"},
            {"two effects for presses", R"(Text9 presses "m")", "typing, unchanged"},
            {"two effects for a release", "Text9 releases", "unchanged, unchanged"},
            {"effects for a paste", R"(Text9 pastes "m")", "unchanged"},
            {"effects for a box looked at", "Text9", "unchanged"},
            {"an unknown effect", R"(Text9 types "m")", "typing, left"},
        };
        for (const auto& row : unreadable) {
            QTest::addRow("per key: %s is unreadable", row.name)
                << noon << QStringList{perKeyOn.arg(row.action, row.effects)} << 1 << "unreadable";
        }
    }

    void linesReportTheFirstMismatch() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        QFETCH(int, failingStep);
        QFETCH(QString, reason);
        const QString mismatch = runScriptLinesAt(time, script);
        if (failingStep == 0) {
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
            return;
        }
        QVERIFY2(mismatch.startsWith(QString("step %1 ").arg(failingStep)), qPrintable(mismatch));
        QVERIFY2(mismatch.contains(reason), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(TestScriptLines)
#include "tst_script_lines.moc"
