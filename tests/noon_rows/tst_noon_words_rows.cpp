// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/clock_window_fixture.h"
#include "support/qtest_std_string.h"
#include "support/traced_script_rows.h"

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

QString q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

class TestNoonWordsRows : public QObject {
    Q_OBJECT
  private slots:
    void keyScripts_data() {
        addTracedScriptColumns();

        // Completing the noon words row.
        QTest::newRow("12:15 in small letters, hour first: happy face at the fraction's lock")
            << noonQuarterPast << typed("Text11", "mezzogiorno") + typed("Text10", "un quarto")
            << q(trace({repeated(11, "t-"), repeated(8, "t-"), "ts"}))
            << BoxStates{locked("Text11", "MEZZOGIORNO"), locked("Text10", "UN QUARTO")};
        QTest::newRow("24:30 in small letters, fraction first: happy face at the hour's lock")
            << midnightHalfPast << typed("Text10", "mezzo") + typed("Text11", "mezzanotte")
            << q(trace({repeated(5, "t-"), repeated(9, "t-"), "ts"}))
            << BoxStates{locked("Text11", "MEZZANOTTE"), locked("Text10", "MEZZO")};
        QTest::newRow("12:45, TRE QUARTI")
            << noonQuarterTo << typed("Text11", "mezzogiorno") + typed("Text10", "tre quarti")
            << q(trace({repeated(11, "t-"), repeated(9, "t-"), "ts"}))
            << BoxStates{locked("Text11", "MEZZOGIORNO"), locked("Text10", "TRE QUARTI")};
        QTest::newRow("24:45, TRE QUARTI")
            << midnightQuarterTo << typed("Text11", "mezzanotte") + typed("Text10", "tre quarti")
            << q(trace({repeated(10, "t-"), repeated(9, "t-"), "ts"}))
            << BoxStates{locked("Text11", "MEZZANOTTE"), locked("Text10", "TRE QUARTI")};

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
            const std::string hour = row.hour;
            const std::string fraction = row.fraction;
            QTest::addRow("wrong fraction stays open, no happy face: %s", row.name)
                << row.time << typed("Text11", hour) + typed("Text10", fraction)
                << q(trace(
                       {repeated(int(hour.size()), "t-"), repeated(int(fraction.size()), "t-")}))
                << BoxStates{locked("Text11", QByteArray(row.hour).toUpper().toStdString()),
                             open("Text10", QByteArray(row.fraction).toUpper().toStdString())};
        }

        QTest::newRow("MEZZOGIORNO typed into the fraction box at 12:30 locks at MEZZO")
            << noonHalfPast << typed("Text10", "mezzogiorno")
            << q(trace({repeated(5, "t-"), repeated(6, "--")}))
            << BoxStates{locked("Text10", "MEZZO")};
        QTest::newRow("MEZZOGIORNO typed into the fraction box at 12:15 never locks")
            << noonQuarterPast << typed("Text10", "mezzogiorno") << q(repeated(11, "t-"))
            << BoxStates{open("Text10", "MEZZOGIORNO")};
        QTest::newRow("a blank before the fraction keeps it from locking")
            << noonHalfPast << typed("Text10", " mezzo") << q(repeated(6, "t-"))
            << BoxStates{open("Text10", " MEZZO")};
        QTest::newRow("the fraction box has no limit")
            << noonHalfPast << typed("Text10", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx")
            << q(repeated(30, "t-")) << BoxStates{open("Text10", std::string(30, 'X'))};
        QTest::newRow("a key that types nothing checks a pasted fraction and the row")
            << noonHalfPast
            << typed("Text11", "mezzogiorno") + pasted("Text10", "MEZZO") + typesNothing("Text10")
            << q(trace({repeated(11, "t-"), "p", ".s"}))
            << BoxStates{locked("Text11", "MEZZOGIORNO"), locked("Text10", "MEZZO")};

        // The wrong half-day mode's word.
        QTest::newRow("MEZZANOTTE never locks the hour box at 12:15")
            << noonQuarterPast << typed("Text11", "mezzanotte") << q(repeated(10, "t-"))
            << BoxStates{open("Text11", "MEZZANOTTE")};
        QTest::newRow("MEZZOGIORNO never locks the hour box at 24:15")
            << midnightQuarterPast << typed("Text11", "mezzogiorno") << q(repeated(11, "t-"))
            << BoxStates{open("Text11", "MEZZOGIORNO")};
        QTest::newRow("MEZZANOTTE never locks the meno row's hour box at 11:45")
            << quarterToNoon << typed("Text12", "mezzanotte") << q(repeated(10, "t-"))
            << BoxStates{open("Text12", "MEZZANOTTE")};
        QTest::newRow("MEZZOGIORNO never locks the meno row's hour box at 23:45")
            << quarterToMidnight << typed("Text12", "mezzogiorno") << q(repeated(11, "t-"))
            << BoxStates{open("Text12", "MEZZOGIORNO")};

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
        for (const auto& row : limits) {
            const std::string keys(row.longest, 'x');
            QTest::addRow("%s holds %d characters", row.name, row.longest)
                << row.time << typed(row.box, keys) << q(repeated(row.longest, "t-"))
                << BoxStates{open(row.box, std::string(row.longest, 'X'))};
            QTest::addRow("%s: the key after %d characters is the whole content", row.name,
                          row.longest)
                << row.time << typed(row.box, keys + "y") << q(repeated(row.longest + 1, "t-"))
                << BoxStates{open(row.box, "Y")};
        }

        // The noon words meno row, completed in both orders.
        QTest::newRow("11:45, hour then UN QUARTO: happy face at the second lock")
            << quarterToNoon << typed("Text12", "mezzogiorno") + typed("Text13", "un quarto")
            << q(trace({repeated(11, "t-"), repeated(8, "t-"), "ts"}))
            << BoxStates{locked("Text12", "MEZZOGIORNO"), locked("Text13", "UN QUARTO")};
        QTest::newRow("11:45, UN QUARTO then hour: happy face at the second lock")
            << quarterToNoon << typed("Text13", "un quarto") + typed("Text12", "mezzogiorno")
            << q(trace({repeated(9, "t-"), repeated(10, "t-"), "ts"}))
            << BoxStates{locked("Text12", "MEZZOGIORNO"), locked("Text13", "UN QUARTO")};
        QTest::newRow("23:45, UN QUARTO then hour")
            << quarterToMidnight << typed("Text13", "un quarto") + typed("Text12", "mezzanotte")
            << q(trace({repeated(9, "t-"), repeated(9, "t-"), "ts"}))
            << BoxStates{locked("Text12", "MEZZANOTTE"), locked("Text13", "UN QUARTO")};
        QTest::newRow("Backspace shows the typing state and mends a typo")
            << quarterToMidnight
            << typed("Text13", "un quartx") + backspace("Text13") + typed("Text13", "o")
            << q(trace({repeated(9, "t-"), "t-", "t-"}))
            << BoxStates{locked("Text13", "UN QUARTO")};
        QTest::newRow("a key that types nothing checks a pasted hour and the row")
            << quarterToNoon
            << typed("Text13", "un quarto") + pasted("Text12", "MEZZOGIORNO") +
                   typesNothing("Text12")
            << q(trace({repeated(9, "t-"), "p", ".s"}))
            << BoxStates{locked("Text12", "MEZZOGIORNO"), locked("Text13", "UN QUARTO")};
        QTest::newRow("a key that types nothing leaves a wrong text as it is")
            << quarterToNoon << typed("Text13", "un quart") + typesNothing("Text13")
            << q(trace({repeated(8, "t-"), ".-"})) << BoxStates{open("Text13", "UN QUART")};
        QTest::newRow("keys in a locked box do nothing")
            << quarterToNoon << typed("Text13", "un quarto") + typed("Text13", "xy")
            << q(trace({repeated(9, "t-"), "--", "--"}))
            << BoxStates{locked("Text13", "UN QUARTO")};
    }

    void keyScripts() { checkTracedScriptRow(); }

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
