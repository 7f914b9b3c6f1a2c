// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/script_lines.h"

#include <QTest>

using clock_test::Time;

// The hour word box Text3 and the fraction word box Text4, driven key by key on the model.
class TestWordsRow : public QObject {
    Q_OBJECT
  private slots:
    void scripts_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");

        QTest::newRow("3:15 lower case becomes capitals, hour first")
            << Time{1, 3, 15}
            << QStringList{R"(Text3 types "tr" => "TR" open typing)",
                           R"(Text3 types "e" => "TRE" locked typing)",
                           R"(Text4 types "un quart" => "UN QUART" open typing)",
                           R"(Text4 types "o" => "UN QUARTO" locked success)"};
        QTest::newRow("3:15 fraction first")
            << Time{1, 3, 15}
            << QStringList{R"(Text4 types "UN QUARTO" => "UN QUARTO" locked typing)",
                           R"(Text3 types "TRE" => "TRE" locked success)"};
        QTest::newRow("3:30 MEZZO")
            << Time{1, 3, 30}
            << QStringList{R"(Text3 types "TRE" => "TRE" locked typing)",
                           R"(Text4 types "mezzo" => "MEZZO" locked success)"};
        QTest::newRow("3:45 TRE QUARTI")
            << Time{1, 3, 45}
            << QStringList{R"(Text4 types "tre quarti" => "TRE QUARTI" locked typing)",
                           R"(Text3 types "tre" => "TRE" locked success)"};
        QTest::newRow("15:15 second half hour word")
            << Time{2, 3, 15}
            << QStringList{R"(Text3 types "tre" => "TRE" open typing)",
                           R"(Text3 types "\b\b\b" => "" open typing)",
                           R"(Text3 types "quindici" => "QUINDICI" locked typing)",
                           R"(Text4 types "un quarto" => "UN QUARTO" locked success)"};

        QTest::newRow("3:15 MEZZO stays open with the typing state")
            << Time{1, 3, 15}
            << QStringList{R"(Text3 types "TRE" => "TRE" locked typing)", "show success",
                           R"(Text4 types "MEZZO" => "MEZZO" open typing)",
                           R"(Text4 types "\b\b\b\b\bUN QUARTO" => "UN QUARTO" locked success)"};
        QTest::newRow("3:15 a wrong fraction first never completes the row")
            << Time{1, 3, 15}
            << QStringList{R"(Text4 types "TRE QUARTI" => "TRE QUARTI" open typing)",
                           R"(Text3 types "TRE" => "TRE" locked typing)"};
        QTest::newRow("3:30 UN QUARTO stays open")
            << Time{1, 3, 30}
            << QStringList{R"(Text3 types "TRE" => "TRE" locked typing)",
                           R"(Text4 types "UN QUARTO" => "UN QUARTO" open typing)"};
        QTest::newRow("3:45 UN QUARTO stays open with the typing state")
            << Time{1, 3, 45}
            << QStringList{R"(Text3 types "TRE" => "TRE" locked typing)", "show success",
                           R"(Text4 types "UN QUARTO" => "UN QUARTO" open typing)"};
        QTest::newRow("3:15 nine wrong characters leave the faces")
            << Time{1, 3, 15}
            << QStringList{R"(Text4 types "UN QUART" => "UN QUART" open typing)", "show success",
                           R"(Text4 types "A" => "UN QUARTA" open success)",
                           R"(Text4 releases => "UN QUARTA" open success)",
                           R"(Text4 types "\b" => "UN QUART" open typing)"};
        QTest::newRow("3:15 any other length shows the typing state at release")
            << Time{1, 3, 15}
            << QStringList{"show success", R"(Text4 releases => "" open typing)", "show success",
                           R"(Text4 types "UN QUARTAB" => "UN QUARTAB" open typing)"};
        QTest::newRow("3:30 the length test follows the minutes")
            << Time{1, 3, 30}
            << QStringList{R"(Text4 types "MEZZI" => "MEZZI" open typing)", "show success",
                           R"(Text4 releases => "MEZZI" open success)",
                           R"(Text4 types "\b" => "MEZZ" open typing)"};
        QTest::newRow("3:45 the length test follows the minutes")
            << Time{1, 3, 45}
            << QStringList{R"(Text4 types "TRE QUARTO" => "TRE QUARTO" open typing)",
                           "show success", R"(Text4 releases => "TRE QUARTO" open success)",
                           R"(Text4 types " " => "TRE QUARTO " open typing)"};

        QTest::newRow("12:15 first half")
            << Time{1, 12, 15}
            << QStringList{R"(Text3 types "dodici" => "DODICI" locked typing)",
                           R"(Text4 types "un quarto" => "UN QUARTO" locked success)"};
        QTest::newRow("12:15 MEZZO stays open and the faces stay")
            << Time{1, 12, 15}
            << QStringList{"show success", R"(Text4 types "MEZZO" => "MEZZO" open success)"};
        QTest::newRow("12:45 no length test at twelve")
            << Time{1, 12, 45}
            << QStringList{"show success", R"(Text4 types "TRE" => "TRE" open success)",
                           R"(Text4 releases => "TRE" open success)",
                           R"(Text4 types " QUARTI" => "TRE QUARTI" locked success)"};
        QTest::newRow("24:30 second half")
            << Time{2, 12, 30}
            << QStringList{R"(Text4 types "mezzo" => "MEZZO" locked typing)",
                           R"(Text3 types "ventiquattro" => "VENTIQUATTRO" locked success)"};
        QTest::newRow("24:30 DODICI is the first half's word")
            << Time{2, 12, 30} << QStringList{R"(Text3 types "DODICI" => "DODICI" open typing)"};

        QTest::newRow("3:15 TRE locks before a longer word can be typed")
            << Time{1, 3, 15} << QStringList{R"(Text3 types "TREDICI" => "TRE" locked typing)"};
        QTest::newRow("1:15 a wrong word takes one more, then empties first")
            << Time{1, 1, 15}
            << QStringList{R"(Text3 types "UNO" => "UNO" open typing)",
                           R"(Text3 types "X" => "UNOX" open typing)",
                           R"(Text3 types "Y" => "Y" open typing)"};
        QTest::newRow("1:15 Backspace on an over-long word leaves it empty")
            << Time{1, 1, 15}
            << QStringList{R"(Text3 types "UNOX" => "UNOX" open typing)",
                           R"(Text3 types "\b" => "" open typing)",
                           R"(Text3 types "una" => "UNA" locked typing)"};
        QTest::newRow("1:15 a key that types nothing still empties")
            << Time{1, 1, 15}
            << QStringList{R"(Text3 types "UNOX" => "UNOX" open typing)",
                           R"(Text3 presses "\x01" => "" open typing)"};

        QTest::newRow("3:15 Text3 key press shows typing, its release does not")
            << Time{1, 3, 15}
            << QStringList{"show success", R"(Text3 types "X" => "X" open typing)", "show success",
                           R"(Text3 releases => "X" open success)"};
        QTest::newRow("3:15 Text4 key press leaves the faces")
            << Time{1, 3, 15}
            << QStringList{"show success", R"(Text4 presses "u" => "U" open success)",
                           R"(Text4 releases => "U" open typing)"};
        QTest::newRow("3:15 accented letters keep their case, digits pass")
            << Time{1, 3, 15}
            << QStringList{R"(Text3 types "è" => "è" open typing)",
                           R"(Text3 types "\bÈ3" => "È3" open typing)",
                           R"(Text4 types "à 15" => "à 15" open typing)"};
        QTest::newRow("3:15 the fraction box has no length limit")
            << Time{1, 3, 15}
            << QStringList{
                   R"(Text4 types "MEZZO E TRE QUARTI E UN QUARTO" => "MEZZO E TRE QUARTI E UN QUARTO" open typing)"};

        QTest::newRow("3:15 pasted lower case is not turned into capitals")
            << Time{1, 3, 15}
            << QStringList{R"(Text3 pastes "tre" => "tre" open typing)",
                           R"(Text3 releases => "tre" open typing)",
                           R"(Text4 pastes "un quarto" => "un quarto" open typing)",
                           R"(Text4 releases => "un quarto" open typing)"};
        QTest::newRow("3:15 pasted capitals are checked at the next release")
            << Time{1, 3, 15}
            << QStringList{R"(Text3 pastes "TRE" => "TRE" open typing)",
                           R"(Text3 releases => "TRE" locked typing)",
                           R"(Text4 pastes "UN QUARTO" => "UN QUARTO" open typing)",
                           R"(Text4 releases => "UN QUARTO" locked success)"};
    }

    void scripts() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        const QString mismatch = clock_test::runScriptLinesAt(time, script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(TestWordsRow)
#include "tst_words_row.moc"
