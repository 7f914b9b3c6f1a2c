// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/clock_window_fixture.h"
#include "support/qtest_std_string.h"
#include "support/script_lines.h"

#include <QTest>

using namespace clock_test;

namespace {
constexpr Time noonQuarterPast{1, 12, 15};
constexpr Time noonHalfPast{1, 12, 30};
constexpr Time noonQuarterTo{1, 12, 45};
constexpr Time midnightQuarterPast{2, 12, 15};
constexpr Time midnightHalfPast{2, 12, 30};
constexpr Time midnightQuarterTo{2, 12, 45};
constexpr Time quarterToNoon{1, 11, 45};
constexpr Time quarterToMidnight{2, 11, 45};
} // namespace

class TestNoonWordsRows : public QObject {
    Q_OBJECT
  private slots:
    void keyScripts_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");

        // Completing the noon words row.
        QTest::newRow("12:15 in small letters, hour first: happy face at the fraction's lock")
            << noonQuarterPast
            << QStringList{
                   R"(Text11 types "mezzogiorno" => "MEZZOGIORNO" locked typing; per key: typing, unchanged)",
                   R"(Text10 types "un quart" => "UN QUART" open typing; per key: typing, unchanged)",
                   R"(Text10 types "o" => "UN QUARTO" locked success; per key: typing, success)",
                   R"(Text11 => "MEZZOGIORNO" locked success)"};
        QTest::newRow("24:30 in small letters, fraction first: happy face at the hour's lock")
            << midnightHalfPast
            << QStringList{
                   R"(Text10 types "mezzo" => "MEZZO" locked typing; per key: typing, unchanged)",
                   R"(Text11 types "mezzanott" => "MEZZANOTT" open typing; per key: typing, unchanged)",
                   R"(Text11 types "e" => "MEZZANOTTE" locked success; per key: typing, success)",
                   R"(Text10 => "MEZZO" locked success)"};
        QTest::newRow("12:45, TRE QUARTI")
            << noonQuarterTo
            << QStringList{
                   R"(Text11 types "mezzogiorno" => "MEZZOGIORNO" locked typing; per key: typing, unchanged)",
                   R"(Text10 types "tre quart" => "TRE QUART" open typing; per key: typing, unchanged)",
                   R"(Text10 types "i" => "TRE QUARTI" locked success; per key: typing, success)",
                   R"(Text11 => "MEZZOGIORNO" locked success)"};
        QTest::newRow("24:45, TRE QUARTI")
            << midnightQuarterTo
            << QStringList{
                   R"(Text11 types "mezzanotte" => "MEZZANOTTE" locked typing; per key: typing, unchanged)",
                   R"(Text10 types "tre quart" => "TRE QUART" open typing; per key: typing, unchanged)",
                   R"(Text10 types "i" => "TRE QUARTI" locked success; per key: typing, success)",
                   R"(Text11 => "MEZZANOTTE" locked success)"};

        // Only the fraction that reads the minutes is right.
        const struct {
            const char* name;
            Time time;
            const char* hour;
            const char* fraction;
        } wrongFractions[] = {
            {"12:15, MEZZO", noonQuarterPast, "mezzogiorno", "mezzo"},
            {"12:15, TRE QUARTI", noonQuarterPast, "mezzogiorno", "tre quarti"},
            {"12:30, UN QUARTO", noonHalfPast, "mezzogiorno", "un quarto"},
            {"12:30, TRE QUARTI", noonHalfPast, "mezzogiorno", "tre quarti"},
            {"12:45, UN QUARTO", noonQuarterTo, "mezzogiorno", "un quarto"},
            {"12:45, MEZZO", noonQuarterTo, "mezzogiorno", "mezzo"},
            {"24:15, MEZZO", midnightQuarterPast, "mezzanotte", "mezzo"},
        };
        for (const auto& row : wrongFractions) {
            const QString hour = row.hour;
            const QString fraction = row.fraction;
            QTest::addRow("wrong fraction stays open, no happy face: %s", row.name)
                << row.time
                << QStringList{
                       QString(
                           R"(Text11 types "%1" => "%2" locked typing; per key: typing, unchanged)")
                           .arg(hour, hour.toUpper()),
                       QString(
                           R"(Text10 types "%1" => "%2" open typing; per key: typing, unchanged)")
                           .arg(fraction, fraction.toUpper()),
                       QString(R"(Text11 => "%1" locked typing)").arg(hour.toUpper())};
        }

        QTest::newRow("MEZZOGIORNO typed into the fraction box at 12:30 locks at MEZZO")
            << noonHalfPast
            << QStringList{
                   R"(Text10 types "mezzo" => "MEZZO" locked typing; per key: typing, unchanged)",
                   R"(Text10 types "giorno" => "MEZZO" locked typing; per key: unchanged, unchanged)"};
        QTest::newRow("MEZZOGIORNO typed into the fraction box at 12:15 never locks")
            << noonQuarterPast
            << QStringList{
                   R"(Text10 types "mezzogiorno" => "MEZZOGIORNO" open typing; per key: typing, unchanged)"};
        QTest::newRow("a blank before the fraction keeps it from locking")
            << noonHalfPast
            << QStringList{
                   R"(Text10 types " mezzo" => " MEZZO" open typing; per key: typing, unchanged)"};
        QTest::newRow("the fraction box has no limit")
            << noonHalfPast
            << QStringList{
                   QString(R"(Text10 types "%1" => "%2" open typing; per key: typing, unchanged)")
                       .arg(QString(30, 'x'), QString(30, 'X'))};
        QTest::newRow("a key that types nothing checks a pasted fraction and the row")
            << noonHalfPast
            << QStringList{
                   R"(Text11 types "mezzogiorno" => "MEZZOGIORNO" locked typing; per key: typing, unchanged)",
                   R"(Text10 pastes "MEZZO" => "MEZZO" open typing)",
                   R"(Text10 releases => "MEZZO" locked success; per key: success)",
                   R"(Text11 => "MEZZOGIORNO" locked success)"};

        // The wrong half-day mode's word.
        const struct {
            const char* name;
            Time time;
            const char* box;
            const char* word;
        } wrongModes[] = {
            {"MEZZANOTTE never locks the hour box at 12:15", noonQuarterPast, "Text11",
             "mezzanotte"},
            {"MEZZOGIORNO never locks the hour box at 24:15", midnightQuarterPast, "Text11",
             "mezzogiorno"},
            {"MEZZANOTTE never locks the meno row's hour box at 11:45", quarterToNoon, "Text12",
             "mezzanotte"},
            {"MEZZOGIORNO never locks the meno row's hour box at 23:45", quarterToMidnight,
             "Text12", "mezzogiorno"},
        };
        for (const auto& row : wrongModes) {
            const QString word = row.word;
            QTest::newRow(row.name)
                << row.time
                << QStringList{
                       QString(R"(%1 types "%2" => "%3" open typing; per key: typing, unchanged)")
                           .arg(row.box, word, word.toUpper())};
        }

        // Limits: the longest text each box holds, and the key after it.
        const struct {
            const char* name;
            Time time;
            const char* box;
            int longest;
        } limits[] = {
            {"Text11 at noon", noonQuarterPast, "Text11", 11},
            {"Text11 at midnight", midnightQuarterPast, "Text11", 12},
            {"Text12 at noon", quarterToNoon, "Text12", 12},
            {"Text12 at midnight", quarterToMidnight, "Text12", 11},
            {"Text13 at noon", quarterToNoon, "Text13", 10},
            {"Text13 at midnight", quarterToMidnight, "Text13", 10},
        };
        const QString everyKeyTyping =
            R"(%1 types "%2" => "%3" open typing; per key: typing, unchanged)";
        for (const auto& row : limits) {
            const QString keys(row.longest, 'x');
            QTest::addRow("%s holds %d characters", row.name, row.longest)
                << row.time
                << QStringList{everyKeyTyping.arg(row.box, keys, QString(row.longest, 'X'))};
            QTest::addRow("%s: the key after %d characters is the whole content", row.name,
                          row.longest)
                << row.time << QStringList{everyKeyTyping.arg(row.box, keys + "y", "Y")};
        }

        // The noon words meno row, completed in both orders.
        QTest::newRow("11:45, hour then UN QUARTO: happy face at the second lock")
            << quarterToNoon
            << QStringList{
                   R"(Text12 types "mezzogiorno" => "MEZZOGIORNO" locked typing; per key: typing, unchanged)",
                   R"(Text13 types "un quart" => "UN QUART" open typing; per key: typing, unchanged)",
                   R"(Text13 types "o" => "UN QUARTO" locked success; per key: typing, success)",
                   R"(Text12 => "MEZZOGIORNO" locked success)"};
        QTest::newRow("11:45, UN QUARTO then hour: happy face at the second lock")
            << quarterToNoon
            << QStringList{
                   R"(Text13 types "un quarto" => "UN QUARTO" locked typing; per key: typing, unchanged)",
                   R"(Text12 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text12 types "o" => "MEZZOGIORNO" locked success; per key: typing, success)",
                   R"(Text13 => "UN QUARTO" locked success)"};
        QTest::newRow("23:45, UN QUARTO then hour")
            << quarterToMidnight
            << QStringList{
                   R"(Text13 types "un quarto" => "UN QUARTO" locked typing; per key: typing, unchanged)",
                   R"(Text12 types "mezzanott" => "MEZZANOTT" open typing; per key: typing, unchanged)",
                   R"(Text12 types "e" => "MEZZANOTTE" locked success; per key: typing, success)",
                   R"(Text13 => "UN QUARTO" locked success)"};
        QTest::newRow("Backspace shows the typing state and mends a typo")
            << quarterToMidnight
            << QStringList{
                   R"(Text13 types "un quartx" => "UN QUARTX" open typing; per key: typing, unchanged)",
                   R"(Text13 types "\b" => "UN QUART" open typing; per key: typing, unchanged)",
                   R"(Text13 types "o" => "UN QUARTO" locked typing; per key: typing, unchanged)"};
        QTest::newRow("a key that types nothing checks a pasted hour and the row")
            << quarterToNoon
            << QStringList{
                   R"(Text13 types "un quarto" => "UN QUARTO" locked typing; per key: typing, unchanged)",
                   R"(Text12 pastes "MEZZOGIORNO" => "MEZZOGIORNO" open typing)",
                   R"(Text12 releases => "MEZZOGIORNO" locked success; per key: success)",
                   R"(Text13 => "UN QUARTO" locked success)"};
        QTest::newRow("a key that types nothing leaves a wrong text as it is")
            << quarterToNoon
            << QStringList{
                   R"(Text13 types "un quart" => "UN QUART" open typing; per key: typing, unchanged)",
                   R"(Text13 releases => "UN QUART" open typing; per key: unchanged)"};
        QTest::newRow("keys in a locked box do nothing")
            << quarterToNoon
            << QStringList{
                   R"(Text13 types "un quarto" => "UN QUARTO" locked typing; per key: typing, unchanged)",
                   R"(Text13 types "xy" => "UN QUARTO" locked typing; per key: unchanged, unchanged)"};
    }

    void keyScripts() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        const QString mismatch = runScriptLinesAt(time, script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // The hour box of the noon words row checks only at twelve; the meno row's hour box
    // checks whatever the hour. Called directly: at the other hour the box is not shown.
    void hourBoxesAndTheHour_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("locks");

        QTest::newRow("Text11 at 12:15") << noonQuarterPast << "Text11"
                                         << "MEZZOGIORNO" << true;
        QTest::newRow("Text11 at 11:45") << quarterToNoon << "Text11"
                                         << "MEZZOGIORNO" << false;
        QTest::newRow("Text11 at 23:45") << quarterToMidnight << "Text11"
                                         << "MEZZANOTTE" << false;
        QTest::newRow("Text12 at 11:45") << quarterToNoon << "Text12"
                                         << "MEZZOGIORNO" << true;
        QTest::newRow("Text12 at 12:15") << noonQuarterPast << "Text12"
                                         << "MEZZOGIORNO" << true;
        QTest::newRow("Text12 at 24:15") << midnightQuarterPast << "Text12"
                                         << "MEZZANOTTE" << true;
    }

    void hourBoxesAndTheHour() {
        QFETCH(Time, time);
        QFETCH(QString, box);
        QFETCH(QString, word);
        QFETCH(bool, locks);

        ClockWindow clock(time);
        QCOMPARE(clock.drawnTime(), timeText(time));
        clock_window::Form1& form = clock.form;
        clock.box(box.toStdString()).Text = word.toStdString();
        if (box == "Text11") {
            form.Text11_KeyUp();
        } else {
            form.Text12_KeyUp();
        }
        QCOMPARE(!clock.box(box.toStdString()).Enabled, locks);
    }
};

QTEST_GUILESS_MAIN(TestNoonWordsRows)
#include "tst_noon_words_rows.moc"
