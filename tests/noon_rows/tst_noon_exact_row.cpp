// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/clock_window_fixture.h"
#include "support/panel_state.h"
#include "support/qtest_std_string.h"
#include "support/script_lines.h"

#include "toolkit/colour.h"
#include "toolkit/key_delivery.h"

#include <QTest>

using namespace clock_test;

namespace {
constexpr Time noon{1, 12, 60};
constexpr Time midnight{2, 12, 60};
constexpr Time twentyPastThree{1, 3, 20};

constexpr std::int16_t keyM = 'm';
constexpr std::int16_t keyBlank = ' ';
constexpr std::int16_t keyBackspace = 8;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

class TestNoonExactRow : public QObject {
    Q_OBJECT
  private slots:
    void keyScripts_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QStringList>("script");

        QTest::newRow("noon typed in small letters: happy face, sun, lock at the 11th release")
            << noon
            << QStringList{
                   R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text9 types "o" => "MEZZOGIORNO" locked success sun; per key: typing, success)"};
        QTest::newRow("midnight typed in small letters: happy face, moon, lock")
            << midnight
            << QStringList{
                   R"(Text9 types "mezzanott" => "MEZZANOTT" open typing; per key: typing, unchanged)",
                   R"(Text9 types "e" => "MEZZANOTTE" locked success moon; per key: typing, success)"};
        QTest::newRow("a locked box takes no more keys and the sun stays")
            << noon
            << QStringList{
                   R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text9 types "o" => "MEZZOGIORNO" locked success sun; per key: typing, success)",
                   R"(Text9 types "x" => "MEZZOGIORNO" locked success sun; per key: unchanged, unchanged)"};
        QTest::newRow("midnight's word at noon never locks")
            << noon
            << QStringList{
                   R"(Text9 types "mezzanotte" => "MEZZANOTTE" open typing; per key: typing, unchanged)"};
        QTest::newRow("noon's word at midnight never locks, no typing state at ten letters")
            << midnight
            << QStringList{
                   R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text9 types "o" => "MEZZOGIORNO" open typing; per key: unchanged, unchanged)"};
        QTest::newRow("blank before noon: emptied at the release of the 12th character")
            << noon
            << QStringList{
                   R"(Text9 types " mezzogiorn" => " MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text9 types "o" => "" open typing; per key: unchanged, unchanged)"};
        QTest::newRow("blank before midnight: stays in the open box")
            << midnight
            << QStringList{
                   R"(Text9 types " mezzanott" => " MEZZANOTT" open typing; per key: typing, unchanged)",
                   R"(Text9 types "e" => " MEZZANOTTE" open typing; per key: unchanged, unchanged)"};
        QTest::newRow("11 characters not noon: next key shows no typing state, box emptied, "
                      "the word then locks")
            << noon
            << QStringList{
                   R"(Text9 types "mezzogiorna" => "MEZZOGIORNA" open typing; per key: typing, unchanged)",
                   R"(Text9 types "O" => "" open typing; per key: unchanged, unchanged)",
                   R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text9 types "o" => "MEZZOGIORNO" locked success sun; per key: typing, success)"};
        QTest::newRow("10 characters not midnight: next key shows no typing state and enters")
            << midnight
            << QStringList{
                   R"(Text9 types "mezzanotta" => "MEZZANOTTA" open typing; per key: typing, unchanged)",
                   R"(Text9 types "e" => "MEZZANOTTAE" open typing; per key: unchanged, unchanged)"};
        QTest::newRow("midnight box has no limit; typing state at every length but ten")
            << midnight
            << QStringList{
                   R"(Text9 types "xxxxxxxxxx" => "XXXXXXXXXX" open typing; per key: typing, unchanged)",
                   R"(Text9 types "x" => "XXXXXXXXXXX" open typing; per key: unchanged, unchanged)",
                   R"(Text9 types "xxxxxxxxx" => "XXXXXXXXXXXXXXXXXXXX" open typing; per key: typing, unchanged)"};
        QTest::newRow("noon: Backspace at 11 characters shows no typing state, word then locks")
            << noon
            << QStringList{
                   R"(Text9 types "mezzogiornx" => "MEZZOGIORNX" open typing; per key: typing, unchanged)",
                   R"(Text9 types "\b" => "MEZZOGIORN" open typing; per key: unchanged, unchanged)",
                   R"(Text9 types "o" => "MEZZOGIORNO" locked success sun; per key: typing, success)"};
        QTest::newRow("midnight: Backspace at 10 characters shows no typing state")
            << midnight
            << QStringList{
                   R"(Text9 types "mezzanotta" => "MEZZANOTTA" open typing; per key: typing, unchanged)",
                   R"(Text9 types "\b" => "MEZZANOTT" open typing; per key: unchanged, unchanged)",
                   R"(Text9 types "e" => "MEZZANOTTE" locked success moon; per key: typing, success)"};
        QTest::newRow("midnight: Backspace at another length shows the typing state")
            << midnight
            << QStringList{
                   R"(Text9 types "mezzanox" => "MEZZANOX" open typing; per key: typing, unchanged)",
                   R"(Text9 types "\b" => "MEZZANO" open typing; per key: typing, unchanged)",
                   R"(Text9 types "tt" => "MEZZANOTT" open typing; per key: typing, unchanged)",
                   R"(Text9 types "e" => "MEZZANOTTE" locked success moon; per key: typing, success)"};
        QTest::newRow("a key that types nothing checks pasted noon: happy face, sun, lock")
            << noon
            << QStringList{
                   R"(Text9 pastes "MEZZOGIORNO" => "MEZZOGIORNO" open typing)",
                   R"(Text9 releases => "MEZZOGIORNO" locked success sun; per key: success)"};
        QTest::newRow("a key that types nothing empties a pasted text over 11 at noon")
            << noon
            << QStringList{R"(Text9 pastes "MEZZOGIORNOX" => "MEZZOGIORNOX" open typing)",
                           R"(Text9 releases => "" open typing; per key: unchanged)"};
        QTest::newRow("a key that types nothing leaves a long pasted text at midnight")
            << midnight
            << QStringList{R"(Text9 pastes "MEZZANOTTEX" => "MEZZANOTTEX" open typing)",
                           R"(Text9 releases => "MEZZANOTTEX" open typing; per key: unchanged)"};
        QTest::newRow("noon: a held key is not cut at key press, the release empties 12")
            << noon
            << QStringList{
                   R"(Text9 types "mezzogiorn" => "MEZZOGIORN" open typing; per key: typing, unchanged)",
                   R"(Text9 presses "o" => "MEZZOGIORNO" open typing; per key: typing)",
                   R"(Text9 presses "o" => "MEZZOGIORNOO" open typing; per key: unchanged)",
                   R"(Text9 releases => "" open typing; per key: unchanged)"};
    }

    void keyScripts() {
        QFETCH(Time, time);
        QFETCH(QStringList, script);
        const QString mismatch = runScriptLinesAt(time, script);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // The colour changes inside the key press, before its character reaches the box, and
    // also for keys that show no typing state.
    void firstKeyPressColoursTheText_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QString>("pastedBefore");
        QTest::addColumn<int>("key");
        QTest::addColumn<toolkit::Colour>("colour");

        QTest::newRow("noon, a letter") << noon << "" << int(keyM) << toolkit::colours::yellow;
        QTest::newRow("midnight, a letter")
            << midnight << "" << int(keyM) << toolkit::colours::black;
        QTest::newRow("noon, Backspace at the word's length")
            << noon << "MEZZOGIORNX" << int(keyBackspace) << toolkit::colours::yellow;
        QTest::newRow("midnight, the blank at the word's length")
            << midnight << "MEZZANOTTX" << int(keyBlank) << toolkit::colours::black;
    }

    void firstKeyPressColoursTheText() {
        QFETCH(Time, time);
        QFETCH(QString, pastedBefore);
        QFETCH(int, key);
        QFETCH(toolkit::Colour, colour);

        ClockWindow clock(time);
        QCOMPARE(clock.drawnTime(), timeText(time));
        toolkit::TextBox& box = clock.box("Text9");
        toolkit::pasteText(box, pastedBefore.toStdString());
        QCOMPARE(box.ForeColor, toolkit::colours::white);

        const std::int16_t typedCode = toolkit::runKeyPress(box, static_cast<std::int16_t>(key));
        QCOMPARE(box.ForeColor, colour);
        QCOMPARE(q(box.Text), pastedBefore);
        QCOMPARE(typedCode, static_cast<std::int16_t>(key == keyM ? 'M' : key));
    }

    void colourOutlastsDraws_data() {
        QTest::addColumn<Time>("first");
        QTest::addColumn<Time>("second");
        QTest::addColumn<toolkit::Colour>("firstColour");
        QTest::addColumn<toolkit::Colour>("secondColour");

        QTest::newRow("noon, then midnight")
            << noon << midnight << toolkit::colours::yellow << toolkit::colours::black;
        QTest::newRow("midnight, then noon")
            << midnight << noon << toolkit::colours::black << toolkit::colours::yellow;
    }

    void colourOutlastsDraws() {
        QFETCH(Time, first);
        QFETCH(Time, second);
        QFETCH(toolkit::Colour, firstColour);
        QFETCH(toolkit::Colour, secondColour);

        ClockWindow clock;
        toolkit::TextBox& box = clock.box("Text9");
        clock.draw(first);
        QCOMPARE(clock.drawnTime(), timeText(first));
        toolkit::typeKey(box, keyM);
        QCOMPARE(box.ForeColor, firstColour);

        clock.draw(twentyPastThree);
        QCOMPARE(clock.drawnTime(), timeText(twentyPastThree));
        QCOMPARE(box.ForeColor, firstColour);
        clock.draw(second);
        QCOMPARE(clock.drawnTime(), timeText(second));
        QCOMPARE(box.ForeColor, firstColour);
        QCOMPARE(q(box.Text), QString());

        toolkit::typeKey(box, keyM);
        QCOMPARE(box.ForeColor, secondColour);
    }

    // After the row's success the hours box still asks for typing: its key press brings the
    // neutral face back, its locking release the happy face; the picture stays throughout.
    void hoursBoxAfterSuccess_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("picture");

        QTest::newRow("noon, sun") << noon << "mezzogiorno"
                                   << "12"
                                   << "Image125";
        QTest::newRow("midnight, moon") << midnight << "mezzanotte"
                                        << "24"
                                        << "Image126";
    }

    void hoursBoxAfterSuccess() {
        QFETCH(Time, time);
        QFETCH(QString, word);
        QFETCH(QString, hours);
        QFETCH(QString, picture);

        ClockWindow clock(time);
        QCOMPARE(clock.drawnTime(), timeText(time));
        toolkit::Picture& shown = clock.form.picture(picture.toStdString());
        toolkit::typeText(clock.box("Text9"), word.toStdString());
        QCOMPARE(facesOf(clock.form), std::string("success"));
        QVERIFY(shown.Visible);

        toolkit::TextBox& hoursBox = clock.box("Text1");
        toolkit::typeKey(hoursBox, hours.at(0).toLatin1());
        QCOMPARE(facesOf(clock.form), std::string("typing"));
        QVERIFY(shown.Visible);
        QVERIFY(hoursBox.Enabled);

        toolkit::typeKey(hoursBox, hours.at(1).toLatin1());
        QVERIFY(!hoursBox.Enabled);
        QCOMPARE(facesOf(clock.form), std::string("success"));
        QCOMPARE(clock.form.Image125.Visible, picture == "Image125");
        QCOMPARE(clock.form.Image126.Visible, picture == "Image126");
    }

    // Nothing but a draw hides the sun or the moon, whatever time the draw brings.
    void pictureHiddenOnlyByADraw_data() {
        QTest::addColumn<Time>("time");
        QTest::addColumn<QString>("word");
        QTest::addColumn<Time>("next");

        QTest::newRow("sun, then noon again") << noon << "mezzogiorno" << noon;
        QTest::newRow("sun, then midnight") << noon << "mezzogiorno" << midnight;
        QTest::newRow("moon, then 3:20") << midnight << "mezzanotte" << twentyPastThree;
    }

    void pictureHiddenOnlyByADraw() {
        QFETCH(Time, time);
        QFETCH(QString, word);
        QFETCH(Time, next);

        ClockWindow clock;
        clock_window::Form1& form = clock.form;
        clock.draw(time);
        QCOMPARE(clock.drawnTime(), timeText(time));
        QVERIFY(!form.Image125.Visible);
        QVERIFY(!form.Image126.Visible);
        toolkit::typeText(clock.box("Text9"), word.toStdString());
        const bool sun = form.Image125.Visible;
        const bool moon = form.Image126.Visible;
        QVERIFY(sun != moon);

        toolkit::typeText(clock.box("Text1"), "7x");
        toolkit::typeKey(clock.box("Text1"), keyBackspace);
        QCOMPARE(form.Image125.Visible, sun);
        QCOMPARE(form.Image126.Visible, moon);

        clock.draw(next);
        QCOMPARE(clock.drawnTime(), timeText(next));
        QVERIFY(!form.Image125.Visible);
        QVERIFY(!form.Image126.Visible);
        QVERIFY(clock.box("Text9").Enabled);
        QCOMPARE(q(clock.box("Text9").Text), QString());
    }
};

QTEST_GUILESS_MAIN(TestNoonExactRow)
#include "tst_noon_exact_row.moc"
