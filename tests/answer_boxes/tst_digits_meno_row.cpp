// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/script_lines.h"

#include <QTest>

using clock_test::Time;

// The next-hour box Text6 and the minutes-to-go box Text5, driven key by key on the model.
class TestDigitsMenoRow : public QObject {
    Q_OBJECT
  private slots:
    void scripts_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");

        QTest::newRow("3:55 5 to go")
            << Time{1, 3, 55} << QStringList{R"(Text5 types "5" => "5" locked typing)"};
        QTest::newRow("3:55 05 locks: no guard at the release")
            << Time{1, 3, 55}
            << QStringList{R"(Text5 types "0" => "0" open typing)",
                           R"(Text5 types "5" => "05" locked typing)"};
        QTest::newRow("3:35 25 to go") << Time{1, 3, 35}
                                       << QStringList{R"(Text5 types "2" => "2" open typing)",
                                                      R"(Text5 types "5" => "25" locked typing)"};
        QTest::newRow("3:35 52, a third digit stays, a fourth empties first")
            << Time{1, 3, 35}
            << QStringList{R"(Text5 types "52" => "52" open typing)",
                           R"(Text5 types "1" => "521" open typing)",
                           R"(Text5 types "7" => "7" open typing)"};
        QTest::newRow("3:35 a letter empties an over-long box")
            << Time{1, 3, 35}
            << QStringList{R"(Text5 types "521" => "521" open typing)",
                           R"(Text5 types "a" => "" open typing)"};
        QTest::newRow("3:35 Backspace on three digits empties before it acts")
            << Time{1, 3, 35}
            << QStringList{R"(Text5 types "521" => "521" open typing)",
                           R"(Text5 types "\b" => "" open typing)"};

        QTest::newRow("3:40 4 locks the next hour")
            << Time{1, 3, 40} << QStringList{R"(Text6 types "4" => "4" locked typing)"};
        QTest::newRow("3:40 a wrong digit then any digit is emptied")
            << Time{1, 3, 40}
            << QStringList{R"(Text6 types "5" => "5" open typing)",
                           R"(Text6 types "4" => "" open typing)",
                           R"(Text6 types "4" => "4" locked typing)"};
        QTest::newRow("9:50 10 locks") << Time{1, 9, 50}
                                       << QStringList{R"(Text6 types "1" => "1" open typing)",
                                                      R"(Text6 types "0" => "10" locked typing)"};
        QTest::newRow("9:50 a wrong two-digit number then a third digit")
            << Time{1, 9, 50}
            << QStringList{R"(Text6 types "12" => "12" open typing)",
                           R"(Text6 types "3" => "" open typing)"};
        QTest::newRow("21:50 22 locks")
            << Time{2, 9, 50} << QStringList{R"(Text6 types "22" => "22" locked typing)"};
        QTest::newRow("21:50 a third digit is emptied")
            << Time{2, 9, 50}
            << QStringList{R"(Text6 types "10" => "10" open typing)",
                           R"(Text6 types "5" => "" open typing)"};
        QTest::newRow("15:40 16 locks, 4 does not")
            << Time{2, 3, 40}
            << QStringList{R"(Text6 types "4" => "4" open typing)",
                           R"(Text6 types "\b16" => "16" locked typing)"};

        QTest::newRow("12:35 first half 13 locks")
            << Time{1, 12, 35}
            << QStringList{R"(Text6 types "1" => "1" open typing)",
                           R"(Text6 types "3" => "13" locked typing)"};
        QTest::newRow("12:35 first half 013 locks: no guard")
            << Time{1, 12, 35}
            << QStringList{R"(Text6 types "0" => "0" open typing)",
                           R"(Text6 types "1" => "01" open typing)",
                           R"(Text6 types "3" => "013" locked typing)"};
        QTest::newRow("12:35 first half 1 is not the hour after noon")
            << Time{1, 12, 35}
            << QStringList{R"(Text6 types "1" => "1" open typing)",
                           R"(Text6 types "2" => "12" open typing)"};

        QTest::newRow("10:40 first half any number of digits stays")
            << Time{1, 10, 40}
            << QStringList{R"(Text6 types "222" => "222" open typing)",
                           R"(Text6 types "\b\b\b0000011" => "0000011" locked typing)"};
        QTest::newRow("22:40 second half any number of digits stays")
            << Time{2, 10, 40}
            << QStringList{R"(Text6 types "123" => "123" open typing)",
                           R"(Text6 types "\b\b\b00023" => "00023" locked typing)"};
        QTest::newRow("11:55 first half")
            << Time{1, 11, 55}
            << QStringList{R"(Text6 types "99999" => "99999" open typing)",
                           R"(Text6 types "\b\b\b\b\b0012" => "0012" locked typing)"};
        QTest::newRow("23:55 second half")
            << Time{2, 11, 55}
            << QStringList{R"(Text6 types "1240" => "1240" open typing)",
                           R"(Text6 types "\b\b\b\b0024" => "0024" locked typing)"};

        QTest::newRow("23:35 24 locks") << Time{2, 11, 35}
                                        << QStringList{R"(Text6 types "2" => "2" open typing)",
                                                       R"(Text6 types "4" => "24" locked typing)"};
        QTest::newRow("13:35 14 locks") << Time{2, 1, 35}
                                        << QStringList{R"(Text6 types "1" => "1" open typing)",
                                                       R"(Text6 types "4" => "14" locked typing)"};
        QTest::newRow("13:35 a third digit is emptied")
            << Time{2, 1, 35}
            << QStringList{R"(Text6 types "13" => "13" open typing)",
                           R"(Text6 types "4" => "" open typing)"};
        QTest::newRow("24:35 1 is the hour after midnight")
            << Time{2, 12, 35} << QStringList{R"(Text6 types "1" => "1" locked typing)"};
        QTest::newRow("24:35 a wrong first digit leaves room, a third empties")
            << Time{2, 12, 35}
            << QStringList{R"(Text6 types "2" => "2" open typing)",
                           R"(Text6 types "5" => "25" open typing)",
                           R"(Text6 types "3" => "" open typing)"};
        QTest::newRow("24:35 13 is not the hour after midnight")
            << Time{2, 12, 35}
            << QStringList{R"(Text6 pastes "13" => "13" open typing)",
                           R"(Text6 releases => "13" open typing)"};

        QTest::newRow("3:40 next hour first, then minutes to go")
            << Time{1, 3, 40}
            << QStringList{R"(Text6 types "4" => "4" locked typing)",
                           R"(Text5 types "2" => "2" open typing)",
                           R"(Text5 types "0" => "20" locked success)"};
        QTest::newRow("3:40 minutes to go first, then next hour")
            << Time{1, 3, 40}
            << QStringList{R"(Text5 types "20" => "20" locked typing)",
                           R"(Text6 types "4" => "4" locked success)"};
        QTest::newRow("3:40 next hour checks the other value, not its lock")
            << Time{1, 3, 40}
            << QStringList{R"(Text5 pastes "20" => "20" open typing)",
                           R"(Text6 types "4" => "4" locked success)"};
        QTest::newRow("3:40 minutes to go check the other lock, not its value")
            << Time{1, 3, 40}
            << QStringList{R"(Text6 pastes "4" => "4" open typing)",
                           R"(Text5 types "20" => "20" locked typing)"};
        QTest::newRow("3:40 the digits row says nothing of this row")
            << Time{1, 3, 40}
            << QStringList{R"(Text1 types "3" => "3" locked typing)",
                           R"(Text2 types "40" => "40" locked success)",
                           R"(Text6 types "4" => "4" locked typing)",
                           R"(Text5 types "20" => "20" locked success)"};

        QTest::newRow("3:40 key presses show the typing state, even swallowed")
            << Time{1, 3, 40}
            << QStringList{"show success", R"(Text6 types "x" => "" open typing)",
                           "show success", R"(Text5 types " " => "" open typing)",
                           "show success", R"(Text6 types "\r" => "" open typing)"};
        QTest::newRow("3:40 key releases never show the typing state")
            << Time{1, 3, 40}
            << QStringList{R"(Text6 types "5" => "5" open typing)",
                           R"(Text5 types "7" => "7" open typing)", "show success",
                           R"(Text6 releases => "5" open success)",
                           R"(Text5 releases => "7" open success)"};
        QTest::newRow("3:40 a release that types nothing runs the guard and lock")
            << Time{1, 3, 40} << QStringList{R"(Text6 pastes "123" => "123" open typing)",
                                             R"(Text6 releases => "" open typing)",
                                             R"(Text6 pastes "4" => "4" open typing)",
                                             R"(Text6 releases => "4" locked typing)",
                                             R"(Text5 pastes "20" => "20" open typing)",
                                             R"(Text5 releases => "20" locked success)"};
        QTest::newRow("10:40 pasted text read by its leading digits")
            << Time{1, 10, 40}
            << QStringList{R"(Text6 pastes "11 in punto" => "11 in punto" open typing)",
                           R"(Text6 releases => "11 in punto" locked typing)"};
        QTest::newRow("3:35 letters type nothing in either box")
            << Time{1, 3, 35}
            << QStringList{R"(Text6 types "vier" => "" open typing)",
                           R"(Text5 types "2x5" => "25" locked typing)"};
        QTest::newRow("3:40 held key in the next hour")
            << Time{1, 3, 40}
            << QStringList{R"(Text6 presses "444" => "4" open typing)",
                           R"(Text6 releases => "4" locked typing)"};
    }

    void scripts() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        const QString mismatch = clock_test::runScriptLinesAt(time, script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(TestDigitsMenoRow)
#include "tst_digits_meno_row.moc"
