// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/script_lines.h"

#include <QTest>

using clock_test::Time;

// The hours box Text1 and the minutes box Text2, driven key by key on the model.
class TestDigitsRow : public QObject {
    Q_OBJECT
  private slots:
    void scripts_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");

        QTest::newRow("3:20 hours first")
            << Time{1, 3, 20}
            << QStringList{R"(Text1 types "3" => "3" locked typing)",
                           R"(Text2 types "2" => "2" open typing)",
                           R"(Text2 types "0" => "20" locked success)"};
        QTest::newRow("3:20 minutes first")
            << Time{1, 3, 20}
            << QStringList{R"(Text2 types "2" => "2" open typing)",
                           R"(Text2 types "0" => "20" locked typing)",
                           R"(Text1 types "3" => "3" locked success)"};
        QTest::newRow("3:20 wrong hour leaves the row open")
            << Time{1, 3, 20}
            << QStringList{R"(Text1 types "4" => "4" open typing)",
                           R"(Text2 types "20" => "20" locked typing)"};
        QTest::newRow("3:20 a locked box takes no keys")
            << Time{1, 3, 20}
            << QStringList{R"(Text1 types "3" => "3" locked typing)",
                           R"(Text2 types "20" => "20" locked success)",
                           R"(Text1 types "9" => "3" locked success)",
                           R"(Text2 types "\b" => "20" locked success)"};

        QTest::newRow("7:20 17 is too long")
            << Time{1, 7, 20}
            << QStringList{R"(Text1 types "1" => "1" open typing)",
                           R"(Text1 types "7" => "" open typing)",
                           R"(Text1 types "7" => "7" locked typing)"};
        QTest::newRow("7:20 07 never locks") << Time{1, 7, 20}
                                             << QStringList{R"(Text1 types "0" => "0" open typing)",
                                                            R"(Text1 types "7" => "" open typing)"};

        QTest::newRow("15:20 3 is not 15")
            << Time{2, 3, 20} << QStringList{R"(Text1 types "3" => "3" open typing)"};
        QTest::newRow("15:20 15 locks")
            << Time{2, 3, 20}
            << QStringList{R"(Text1 types "1" => "1" open typing)",
                           R"(Text1 types "5" => "15" locked typing)",
                           R"(Text2 types "20" => "20" locked success)"};
        QTest::newRow("15:20 31 stays, a third digit empties")
            << Time{2, 3, 20}
            << QStringList{R"(Text1 types "31" => "31" open typing)",
                           R"(Text1 types "5" => "" open typing)"};
        QTest::newRow("15:20 minutes first")
            << Time{2, 3, 20}
            << QStringList{R"(Text2 types "20" => "20" locked typing)",
                           R"(Text1 types "15" => "15" locked success)"};

        QTest::newRow("12:10 first half locks on 12")
            << Time{1, 12, 10} << QStringList{R"(Text1 types "12" => "12" locked typing)"};
        QTest::newRow("12:10 first half not on 24")
            << Time{1, 12, 10} << QStringList{R"(Text1 types "24" => "24" open typing)"};
        QTest::newRow("24:10 second half locks on 24")
            << Time{2, 12, 10}
            << QStringList{R"(Text2 types "10" => "10" locked typing)",
                           R"(Text1 types "24" => "24" locked success)"};
        QTest::newRow("24:10 second half not on 12")
            << Time{2, 12, 10} << QStringList{R"(Text1 types "12" => "12" open typing)"};
        QTest::newRow("24:10 second half not on 0")
            << Time{2, 12, 10} << QStringList{R"(Text1 types "0" => "0" open typing)"};

        QTest::newRow("3:05 5 locks")
            << Time{1, 3, 5} << QStringList{R"(Text2 types "5" => "5" locked typing)"};
        QTest::newRow("3:05 05 never locks") << Time{1, 3, 5}
                                             << QStringList{R"(Text2 types "0" => "0" open typing)",
                                                            R"(Text2 types "5" => "" open typing)"};
        QTest::newRow("15:05 the minutes limit is the same after noon")
            << Time{2, 3, 5}
            << QStringList{R"(Text2 types "0" => "0" open typing)",
                           R"(Text2 types "5" => "" open typing)",
                           R"(Text2 types "5" => "5" locked typing)"};
        QTest::newRow("3:45 4 alone stays open")
            << Time{1, 3, 45}
            << QStringList{R"(Text2 types "4" => "4" open typing)",
                           R"(Text2 types "5" => "45" locked typing)"};
        QTest::newRow("3:25 Backspace passes the filter")
            << Time{1, 3, 25}
            << QStringList{R"(Text2 types "26" => "26" open typing)",
                           R"(Text2 types "\b" => "2" open typing)",
                           R"(Text2 types "5" => "25" locked typing)"};

        QTest::newRow("3:20 letters, blank, Enter, Escape and accents type nothing")
            << Time{1, 3, 20} << QStringList{R"(Text2 types "2" => "2" open typing)",
                                             R"(Text2 types "a" => "2" open typing)",
                                             R"(Text2 types " " => "2" open typing)",
                                             R"(Text2 types "\r" => "2" open typing)",
                                             R"(Text2 types "\x1b" => "2" open typing)",
                                             R"(Text2 types "È" => "2" open typing)",
                                             R"(Text1 types "Z-+." => "" open typing)"};
        QTest::newRow("3:20 a swallowed key still shows the typing state")
            << Time{1, 3, 20}
            << QStringList{"show success", R"(Text1 types "x" => "" open typing)", "show success",
                           R"(Text2 types " " => "" open typing)"};
        QTest::newRow("3:20 a swallowed key still empties an over-long box")
            << Time{1, 3, 20}
            << QStringList{R"(Text1 presses "33" => "33" open typing)",
                           R"(Text1 types "a" => "" open typing)"};
        QTest::newRow("3:20 key releases leave another row's success")
            << Time{1, 3, 20}
            << QStringList{R"(Text1 types "4" => "4" open typing)", "show success",
                           R"(Text1 releases => "4" open success)",
                           R"(Text2 releases => "" open success)"};

        QTest::newRow("4:00 the hour alone makes the row")
            << Time{1, 4, 60} << QStringList{R"(Text1 types "4" => "4" locked success)"};
        QTest::newRow("4:00 a release that types nothing brings the typing state")
            << Time{1, 4, 60}
            << QStringList{"show success",
                           R"(Text1 releases => "" open typing)",
                           R"(Text1 types "5" => "5" open typing)",
                           "show success",
                           R"(Text1 releases => "5" open typing)",
                           R"(Text1 types "\b4" => "4" locked success)"};
        QTest::newRow("16:00 the hour alone makes the row")
            << Time{2, 4, 60}
            << QStringList{R"(Text1 types "1" => "1" open typing)",
                           R"(Text1 types "6" => "16" locked success)"};
        QTest::newRow("12:00 first half")
            << Time{1, 12, 60}
            << QStringList{R"(Text1 types "24" => "24" open typing)",
                           R"(Text1 types "\b\b12" => "12" locked success)"};
        QTest::newRow("24:00 second half")
            << Time{2, 12, 60}
            << QStringList{R"(Text1 types "12" => "12" open typing)",
                           R"(Text1 types "\b\b24" => "24" locked success)"};

        QTest::newRow("5:20 held 5, three presses")
            << Time{1, 5, 20}
            << QStringList{R"(Text1 presses "5" => "5" open typing)",
                           R"(Text1 presses "5" => "55" open typing)",
                           R"(Text1 presses "5" => "5" open typing)",
                           R"(Text1 releases => "5" locked typing)"};
        QTest::newRow("5:20 held 5, four presses")
            << Time{1, 5, 20}
            << QStringList{R"(Text1 presses "555" => "5" open typing)",
                           R"(Text1 presses "5" => "55" open typing)",
                           R"(Text1 releases => "" open typing)"};
        QTest::newRow("3:05 held 5 in the minutes")
            << Time{1, 3, 5}
            << QStringList{R"(Text2 presses "55" => "55" open typing)",
                           R"(Text2 releases => "" open typing)",
                           R"(Text2 presses "555" => "5" open typing)",
                           R"(Text2 releases => "5" locked typing)"};

        QTest::newRow("3:25 pasted minutes are checked at the next release")
            << Time{1, 3, 25}
            << QStringList{R"(Text2 pastes "25" => "25" open typing)",
                           R"(Text2 releases => "25" locked typing)"};
        QTest::newRow("3:25 a paste that is too long is emptied")
            << Time{1, 3, 25}
            << QStringList{R"(Text2 pastes "25 minuti" => "25 minuti" open typing)",
                           R"(Text2 releases => "" open typing)"};
        QTest::newRow("1:25 pasted hours with a letter")
            << Time{1, 1, 25}
            << QStringList{R"(Text1 pastes "1a" => "1a" open typing)",
                           R"(Text1 releases => "" open typing)"};
        QTest::newRow("13:25 pasted hours read by their digits")
            << Time{2, 1, 25}
            << QStringList{R"(Text1 pastes "1x" => "1x" open typing)",
                           R"(Text1 releases => "1x" open typing)",
                           R"(Text1 types "\b3" => "13" locked typing)"};
    }

    void scripts() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        const QString mismatch = clock_test::runScriptLinesAt(time, script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(TestDigitsRow)
#include "tst_digits_row.moc"
