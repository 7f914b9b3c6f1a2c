// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/script_lines.h"

#include <QTest>

using clock_test::Time;

// The next-hour word box Text8 and the "UN QUARTO" box Text7, driven key by key on the model.
class TestWordsMenoRow : public QObject {
    Q_OBJECT
  private slots:
    void scripts_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");

        QTest::newRow("3:45 quarter first, in lower case")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 types "un quart" => "UN QUART" open typing)",
                           R"(Text7 types "o" => "UN QUARTO" locked typing)",
                           R"(Text8 types "quattr" => "QUATTR" open typing)",
                           R"(Text8 types "o" => "QUATTRO" locked success)"};
        QTest::newRow("3:45 next hour first")
            << Time{1, 3, 45}
            << QStringList{R"(Text8 types "QUATTRO" => "QUATTRO" locked typing)",
                           R"(Text7 types "UN QUARTO" => "UN QUARTO" locked success)"};
        QTest::newRow("12:45 first half next hour")
            << Time{1, 12, 45}
            << QStringList{R"(Text8 types "tredici" => "TREDICI" locked typing)",
                           R"(Text7 types "un quarto" => "UN QUARTO" locked success)"};
        QTest::newRow("24:45 the hour after midnight is UNA")
            << Time{2, 12, 45} << QStringList{R"(Text8 types "una" => "UNA" locked typing)"};
        QTest::newRow("24:45 a longer word empties past the length of UNA")
            << Time{2, 12, 45}
            << QStringList{R"(Text8 types "VEN" => "VEN" open typing)",
                           R"(Text8 types "T" => "VENT" open typing)",
                           R"(Text8 types "I" => "I" open typing)"};

        QTest::newRow("3:45 Text7 holds at most 10, then empties first")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 types "UN QUARTA" => "UN QUARTA" open typing)",
                           R"(Text7 types "B" => "UN QUARTAB" open typing)",
                           R"(Text7 types "C" => "C" open typing)"};
        QTest::newRow("3:45 Backspace on 10 characters leaves Text7 empty")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 types "UN QUARTAB" => "UN QUARTAB" open typing)",
                           R"(Text7 types "\b" => "" open typing)"};
        QTest::newRow("3:45 TRE QUARTI stands whole and does not lock")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 types "TRE QUARTI" => "TRE QUARTI" open typing)",
                           R"(Text7 releases => "TRE QUARTI" open typing)",
                           R"(Text7 types "U" => "U" open typing)"};
        QTest::newRow("3:45 two blanks never lock")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 types "UN  QUARTO" => "UN  QUARTO" open typing)"};
        QTest::newRow("3:45 no blank never locks")
            << Time{1, 3, 45} << QStringList{R"(Text7 types "UNQUARTO" => "UNQUARTO" open typing)"};
        QTest::newRow("3:45 a leading blank never locks")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 types " UN QUARTO" => " UN QUARTO" open typing)"};

        QTest::newRow("23:45 VENTIQUATTRO takes up to 13 characters")
            << Time{2, 11, 45}
            << QStringList{R"(Text8 types "VENTIQUATTRA" => "VENTIQUATTRA" open typing)",
                           R"(Text8 types "X" => "VENTIQUATTRAX" open typing)",
                           R"(Text8 types "Y" => "Y" open typing)"};
        QTest::newRow("23:45 VENTIQUATTRO locks")
            << Time{2, 11, 45}
            << QStringList{R"(Text8 types "ventiquattro" => "VENTIQUATTRO" locked typing)"};
        QTest::newRow("19:45 VENTI locks before a longer word")
            << Time{2, 7, 45} << QStringList{R"(Text8 types "VENTIDUE" => "VENTI" locked typing)"};
        QTest::newRow("3:45 Text8 empties past the length of QUATTRO")
            << Time{1, 3, 45}
            << QStringList{R"(Text8 types "QUATTRA" => "QUATTRA" open typing)",
                           R"(Text8 types "X" => "QUATTRAX" open typing)",
                           R"(Text8 types "\b" => "" open typing)"};
        QTest::newRow("3:45 the first half's hour is not the next hour")
            << Time{1, 3, 45} << QStringList{R"(Text8 types "TRE" => "TRE" open typing)"};

        QTest::newRow("3:45 Text7 key presses leave another row's success")
            << Time{1, 3, 45}
            << QStringList{"show success", R"(Text7 types "xyz" => "XYZ" open success)",
                           R"(Text7 types "\b\b\b\b" => "" open success)"};
        QTest::newRow("3:45 Text8 key presses show the typing state")
            << Time{1, 3, 45}
            << QStringList{"show success", R"(Text8 types "X" => "X" open typing)", "show success",
                           R"(Text8 releases => "X" open success)"};
        QTest::newRow("3:45 the words row's success stays while Text7 is typed")
            << Time{1, 3, 45}
            << QStringList{R"(Text3 types "TRE" => "TRE" locked typing)",
                           R"(Text4 types "TRE QUARTI" => "TRE QUARTI" locked success)",
                           R"(Text7 types "UN QUARTO" => "UN QUARTO" locked success)",
                           R"(Text8 types "Q" => "Q" open typing)"};

        QTest::newRow("3:45 pasted lower case is not turned into capitals")
            << Time{1, 3, 45}
            << QStringList{R"(Text8 pastes "quattro" => "quattro" open typing)",
                           R"(Text8 releases => "quattro" open typing)",
                           R"(Text7 pastes "un quarto" => "un quarto" open typing)",
                           R"(Text7 releases => "un quarto" open typing)"};
        QTest::newRow("3:45 pasted capitals are checked at the next release")
            << Time{1, 3, 45}
            << QStringList{R"(Text7 pastes "UN QUARTO" => "UN QUARTO" open typing)",
                           R"(Text7 releases => "UN QUARTO" locked typing)",
                           R"(Text8 pastes "QUATTRO" => "QUATTRO" open typing)",
                           R"(Text8 releases => "QUATTRO" locked success)"};
    }

    void scripts() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        const QString mismatch = clock_test::runScriptLinesAt(time, script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(TestWordsMenoRow)
#include "tst_words_meno_row.moc"
