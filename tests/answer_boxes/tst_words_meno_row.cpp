#include "drawn_clock.h"

#include <QTest>

// The next-hour word box Text8 and the "UN QUARTO" box Text7, driven key by key on the model.
class TestWordsMenoRow : public QObject {
    Q_OBJECT
  private slots:
    void scripts_data() {
        QTest::addColumn<int>("sclt");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<QStringList>("script");

        QTest::newRow("3:45 quarter first, in lower case")
            << 1 << 3 << 45
            << QStringList{R"(Text7 types "un quart" => "UN QUART" open typing)",
                           R"(Text7 types "o" => "UN QUARTO" locked typing)",
                           R"(Text8 types "quattr" => "QUATTR" open typing)",
                           R"(Text8 types "o" => "QUATTRO" locked success)"};
        QTest::newRow("3:45 next hour first")
            << 1 << 3 << 45
            << QStringList{R"(Text8 types "QUATTRO" => "QUATTRO" locked typing)",
                           R"(Text7 types "UN QUARTO" => "UN QUARTO" locked success)"};
        QTest::newRow("12:45 first half next hour")
            << 1 << 12 << 45
            << QStringList{R"(Text8 types "tredici" => "TREDICI" locked typing)",
                           R"(Text7 types "un quarto" => "UN QUARTO" locked success)"};
        QTest::newRow("24:45 the hour after midnight is UNA")
            << 2 << 12 << 45 << QStringList{R"(Text8 types "una" => "UNA" locked typing)"};
        QTest::newRow("24:45 a longer word empties past the length of UNA")
            << 2 << 12 << 45
            << QStringList{R"(Text8 types "VEN" => "VEN" open typing)",
                           R"(Text8 types "T" => "VENT" open typing)",
                           R"(Text8 types "I" => "I" open typing)"};

        QTest::newRow("3:45 Text7 holds at most 10, then empties first")
            << 1 << 3 << 45
            << QStringList{R"(Text7 types "UN QUARTA" => "UN QUARTA" open typing)",
                           R"(Text7 types "B" => "UN QUARTAB" open typing)",
                           R"(Text7 types "C" => "C" open typing)"};
        QTest::newRow("3:45 Backspace on 10 characters leaves Text7 empty")
            << 1 << 3 << 45
            << QStringList{R"(Text7 types "UN QUARTAB" => "UN QUARTAB" open typing)",
                           R"(Text7 types "\b" => "" open typing)"};
        QTest::newRow("3:45 TRE QUARTI stands whole and does not lock")
            << 1 << 3 << 45
            << QStringList{R"(Text7 types "TRE QUARTI" => "TRE QUARTI" open typing)",
                           R"(Text7 releases => "TRE QUARTI" open typing)",
                           R"(Text7 types "U" => "U" open typing)"};
        QTest::newRow("3:45 two blanks never lock")
            << 1 << 3 << 45
            << QStringList{R"(Text7 types "UN  QUARTO" => "UN  QUARTO" open typing)"};
        QTest::newRow("3:45 no blank never locks")
            << 1 << 3 << 45 << QStringList{R"(Text7 types "UNQUARTO" => "UNQUARTO" open typing)"};
        QTest::newRow("3:45 a leading blank never locks")
            << 1 << 3 << 45
            << QStringList{R"(Text7 types " UN QUARTO" => " UN QUARTO" open typing)"};

        QTest::newRow("23:45 VENTIQUATTRO takes up to 13 characters")
            << 2 << 11 << 45
            << QStringList{R"(Text8 types "VENTIQUATTRA" => "VENTIQUATTRA" open typing)",
                           R"(Text8 types "X" => "VENTIQUATTRAX" open typing)",
                           R"(Text8 types "Y" => "Y" open typing)"};
        QTest::newRow("23:45 VENTIQUATTRO locks")
            << 2 << 11 << 45
            << QStringList{R"(Text8 types "ventiquattro" => "VENTIQUATTRO" locked typing)"};
        QTest::newRow("19:45 VENTI locks before a longer word")
            << 2 << 7 << 45 << QStringList{R"(Text8 types "VENTIDUE" => "VENTI" locked typing)"};
        QTest::newRow("3:45 Text8 empties past the length of QUATTRO")
            << 1 << 3 << 45
            << QStringList{R"(Text8 types "QUATTRA" => "QUATTRA" open typing)",
                           R"(Text8 types "X" => "QUATTRAX" open typing)",
                           R"(Text8 types "\b" => "" open typing)"};
        QTest::newRow("3:45 the first half's hour is not the next hour")
            << 1 << 3 << 45 << QStringList{R"(Text8 types "TRE" => "TRE" open typing)"};

        QTest::newRow("3:45 Text7 key presses leave another row's success")
            << 1 << 3 << 45
            << QStringList{"show success", R"(Text7 types "xyz" => "XYZ" open success)",
                           R"(Text7 types "\b\b\b\b" => "" open success)"};
        QTest::newRow("3:45 Text8 key presses show the typing state")
            << 1 << 3 << 45
            << QStringList{"show success", R"(Text8 types "X" => "X" open typing)", "show success",
                           R"(Text8 releases => "X" open success)"};
        QTest::newRow("3:45 the words row's success stays while Text7 is typed")
            << 1 << 3 << 45
            << QStringList{R"(Text3 types "TRE" => "TRE" locked typing)",
                           R"(Text4 types "TRE QUARTI" => "TRE QUARTI" locked success)",
                           R"(Text7 types "UN QUARTO" => "UN QUARTO" locked success)",
                           R"(Text8 types "Q" => "Q" open typing)"};

        QTest::newRow("3:45 pasted lower case is not turned into capitals")
            << 1 << 3 << 45
            << QStringList{R"(Text8 pastes "quattro" => "quattro" open typing)",
                           R"(Text8 releases => "quattro" open typing)",
                           R"(Text7 pastes "un quarto" => "un quarto" open typing)",
                           R"(Text7 releases => "un quarto" open typing)"};
        QTest::newRow("3:45 pasted capitals are checked at the next release")
            << 1 << 3 << 45
            << QStringList{R"(Text7 pastes "UN QUARTO" => "UN QUARTO" open typing)",
                           R"(Text7 releases => "UN QUARTO" locked typing)",
                           R"(Text8 pastes "QUATTRO" => "QUATTRO" open typing)",
                           R"(Text8 releases => "QUATTRO" locked success)"};
    }

    void scripts() {
        QFETCH(int, sclt);
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(QStringList, script);
        DrawnClock clock(sclt, h, m);
        QCOMPARE(clock.drawnTime(), clock.askedTime());
        const QString mismatch = clock.runScript(script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(TestWordsMenoRow)
#include "tst_words_meno_row.moc"
