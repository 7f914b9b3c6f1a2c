// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock_window/answer_rules.h"

#include <QTest>

#include <cstdint>
#include <string>

using namespace clock_window;

namespace {
toolkit::TextBox boxHolding(const std::string& text, bool enabled = true) {
    toolkit::TextBox box;
    box.Text = text;
    box.Enabled = enabled;
    return box;
}
} // namespace

class TestAnswerRules : public QObject {
    Q_OBJECT
  private slots:
    void digitKeyFilter_data() {
        QTest::addColumn<std::int16_t>("code");
        QTest::addColumn<std::int16_t>("typed");
        const auto row = [](const char* name, int code, int typed) {
            QTest::newRow(name) << std::int16_t(code) << std::int16_t(typed);
        };
        row("digit 0", '0', '0');
        row("digit 5", '5', '5');
        row("digit 9", '9', '9');
        row("Backspace", 8, 8);
        row("slash, just below 0", '/', 0);
        row("colon, just above 9", ':', 0);
        row("capital letter", 'A', 0);
        row("lower-case letter", 'a', 0);
        row("blank", ' ', 0);
        row("minus sign", '-', 0);
        row("Enter", 13, 0);
        row("Escape", 27, 0);
        row("Ctrl+A", 1, 0);
        row("Ctrl+V", 22, 0);
        row("Tab", 9, 0);
        row("Delete", 127, 0);
        row("accented capital E grave", 200, 0);
        row("superscript two", 178, 0);
        row("last Windows-1252 code", 255, 0);
        row("negative code", -1, 0);
        row("negative code that wraps to a digit byte", -200, 0);
        row("largest code", 32767, 0);
        row("smallest code", -32768, 0);
        row("code 0 stays 0", 0, 0);
    }
    void digitKeyFilter() {
        QFETCH(std::int16_t, code);
        QFETCH(std::int16_t, typed);
        rules::digitKeyFilter(code);
        QCOMPARE(code, typed);
    }

    void capitalsKeyFilter_data() {
        QTest::addColumn<std::int16_t>("code");
        QTest::addColumn<std::int16_t>("typed");
        const auto row = [](const char* name, int code, int typed) {
            QTest::newRow(name) << std::int16_t(code) << std::int16_t(typed);
        };
        row("a becomes A", 'a', 'A');
        row("m becomes M", 'm', 'M');
        row("z becomes Z", 'z', 'Z');
        row("backquote, just below a", '`', '`');
        row("brace, just above z", '{', '{');
        row("capital stays", 'Q', 'Q');
        row("digit passes", '7', '7');
        row("blank passes", ' ', ' ');
        row("apostrophe passes", '\'', '\'');
        row("Backspace passes", 8, 8);
        row("Enter passes", 13, 13);
        row("Escape passes", 27, 27);
        row("Ctrl+C passes", 3, 3);
        row("lower-case e grave keeps its case", 232, 232);
        row("lower-case a grave keeps its case", 224, 224);
        row("capital E grave stays", 200, 200);
        row("negative code passes", -97, -97);
        row("largest code passes", 32767, 32767);
        row("smallest code passes", -32768, -32768);
        row("code 0 stays 0", 0, 0);
    }
    void capitalsKeyFilter() {
        QFETCH(std::int16_t, code);
        QFETCH(std::int16_t, typed);
        rules::capitalsKeyFilter(code);
        QCOMPARE(code, typed);
    }

    void lengthGuard_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("limit");
        QTest::addColumn<QString>("left");
        QTest::newRow("empty at limit 0") << "" << 0.0 << "";
        QTest::newRow("one over limit 0") << "7" << 0.0 << "";
        QTest::newRow("at limit 1") << "7" << 1.0 << "7";
        QTest::newRow("one over limit 1") << "17" << 1.0 << "";
        QTest::newRow("at limit 2") << "31" << 2.0 << "31";
        QTest::newRow("one over limit 2 empties whole") << "315" << 2.0 << "";
        QTest::newRow("far over limit 2") << "0123456789" << 2.0 << "";
        QTest::newRow("blanks count, at limit 9") << "UN QUARTO" << 9.0 << "UN QUARTO";
        QTest::newRow("blanks count, one over 9") << "UN QUARTOX" << 9.0 << "";
        QTest::newRow("at limit 12") << "VENTIQUATTRO" << 12.0 << "VENTIQUATTRO";
        QTest::newRow("one over limit 12") << "VENTIQUATTROX" << 12.0 << "";
        QTest::newRow("under the limit") << "TR" << 3.0 << "TR";
    }
    void lengthGuard() {
        QFETCH(QString, text);
        QFETCH(double, limit);
        QFETCH(QString, left);
        toolkit::TextBox box = boxHolding(text.toStdString());
        rules::lengthGuard(box, limit);
        QCOMPARE(QString::fromStdString(box.Text), left);
        QVERIFY(box.Enabled);
    }

    void boxLockKeepsTheText() {
        toolkit::TextBox box = boxHolding("20");
        rules::boxLock(box);
        QVERIFY(!box.Enabled);
        QCOMPARE(box.Text, std::string("20"));
    }

    void holdsValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("right");
        QTest::newRow("same digits") << "20" << 20.0 << true;
        QTest::newRow("leading zero") << "05" << 5.0 << true;
        QTest::newRow("two leading zeros") << "013" << 13.0 << true;
        QTest::newRow("empty is 0") << "" << 0.0 << true;
        QTest::newRow("empty is not 5") << "" << 5.0 << false;
        QTest::newRow("leading digits of a pasted text") << "12abc" << 12.0 << true;
        QTest::newRow("letters first is 0") << "abc" << 0.0 << true;
        QTest::newRow("other value") << "24" << 12.0 << false;
        QTest::newRow("digits reversed") << "52" << 25.0 << false;
        QTest::newRow("one digit short") << "4" << 45.0 << false;
        QTest::newRow("ten thousand nines") << QString(10000, '9') << 13.0 << false;
        QTest::newRow("ten thousand zeros then 11") << QString(10000, '0') + "11" << 11.0 << true;
    }
    void holdsValue() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QFETCH(bool, right);
        QCOMPARE(rules::holdsValue(boxHolding(text.toStdString()), expected), right);
    }

    void holdsValueIgnoresTheLock() {
        QVERIFY(rules::holdsValue(boxHolding("7", false), 7));
        QVERIFY(!rules::holdsValue(boxHolding("8", false), 7));
    }

    void holdsWord_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("right");
        QTest::newRow("same word") << "UN QUARTO"
                                   << "UN QUARTO" << true;
        QTest::newRow("lower case") << "un quarto"
                                    << "UN QUARTO" << false;
        QTest::newRow("one letter lower") << "UN QUARTo"
                                          << "UN QUARTO" << false;
        QTest::newRow("two blanks") << "UN  QUARTO"
                                    << "UN QUARTO" << false;
        QTest::newRow("no blank") << "UNQUARTO"
                                  << "UN QUARTO" << false;
        QTest::newRow("trailing blank") << "UN QUARTO "
                                        << "UN QUARTO" << false;
        QTest::newRow("leading blank") << " MEZZO"
                                       << "MEZZO" << false;
        QTest::newRow("prefix only") << "TRE"
                                     << "TREDICI" << false;
        QTest::newRow("longer word") << "TREDICI"
                                     << "TRE" << false;
        QTest::newRow("accented letter differs") << "VENTITR\u00c8"
                                                 << "VENTITRE" << false;
        QTest::newRow("empty text") << ""
                                    << "UNA" << false;
    }
    void holdsWord() {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(bool, right);
        const std::string expected = word.toStdString();
        QCOMPARE(rules::holdsWord(boxHolding(text.toStdString()), expected), right);
    }

    void bothLocked_data() {
        QTest::addColumn<bool>("firstEnabled");
        QTest::addColumn<bool>("secondEnabled");
        QTest::addColumn<bool>("right");
        QTest::newRow("both open") << true << true << false;
        QTest::newRow("first locked") << false << true << false;
        QTest::newRow("second locked") << true << false << false;
        QTest::newRow("both locked") << false << false << true;
    }
    void bothLocked() {
        QFETCH(bool, firstEnabled);
        QFETCH(bool, secondEnabled);
        QFETCH(bool, right);
        // The texts say nothing to this check: a wrong text in a locked box still counts.
        const toolkit::TextBox first = boxHolding("wrong", firstEnabled);
        const toolkit::TextBox second = boxHolding("", secondEnabled);
        QCOMPARE(rules::bothLocked(first, second), right);
    }

    void faceStates_data() {
        QTest::addColumn<bool>("sad");
        QTest::addColumn<bool>("neutral");
        QTest::addColumn<bool>("happy");
        for (int faces = 0; faces < 8; ++faces) {
            const bool sad = faces & 4;
            const bool neutral = faces & 2;
            const bool happy = faces & 1;
            const QByteArray name =
                QString("from %1%2%3").arg(int(sad)).arg(int(neutral)).arg(int(happy)).toLatin1();
            QTest::newRow(name.constData()) << sad << neutral << happy;
        }
    }
    void faceStates() {
        QFETCH(bool, sad);
        QFETCH(bool, neutral);
        QFETCH(bool, happy);
        toolkit::Picture sadFace{.Visible = sad};
        toolkit::Picture neutralFace{.Visible = neutral};
        toolkit::Picture happyFace{.Visible = happy};
        FeedbackFaces faces{sadFace, neutralFace, happyFace};

        faces.typingState();
        QCOMPARE(sadFace.Visible, false);
        QCOMPARE(neutralFace.Visible, true);
        QCOMPARE(happyFace.Visible, false);

        sadFace.Visible = sad;
        neutralFace.Visible = neutral;
        happyFace.Visible = happy;
        faces.successState();
        QCOMPARE(sadFace.Visible, false);
        QCOMPARE(neutralFace.Visible, false);
        QCOMPARE(happyFace.Visible, true);
    }

    void fractionWordFor_data() {
        QTest::addColumn<int>("m");
        QTest::addColumn<QString>("word");
        QTest::newRow("15") << 15 << "UN QUARTO";
        QTest::newRow("30") << 30 << "MEZZO";
        QTest::newRow("45") << 45 << "TRE QUARTI";
        QTest::newRow("14") << 14 << "";
        QTest::newRow("16") << 16 << "";
        QTest::newRow("35") << 35 << "";
        QTest::newRow("60") << 60 << "";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("-15") << -15 << "";
    }
    void fractionWordFor() {
        QFETCH(int, m);
        QFETCH(QString, word);
        const std::string_view found = rules::fractionWordFor(m);
        QCOMPARE(QString::fromUtf8(found.data(), qsizetype(found.size())), word);
    }

    void holdsFractionFor_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("m");
        QTest::addColumn<bool>("right");
        QTest::newRow("UN QUARTO at 15") << "UN QUARTO" << 15 << true;
        QTest::newRow("MEZZO at 30") << "MEZZO" << 30 << true;
        QTest::newRow("TRE QUARTI at 45") << "TRE QUARTI" << 45 << true;
        QTest::newRow("MEZZO at 15") << "MEZZO" << 15 << false;
        QTest::newRow("TRE QUARTI at 15") << "TRE QUARTI" << 15 << false;
        QTest::newRow("UN QUARTO at 45") << "UN QUARTO" << 45 << false;
        QTest::newRow("UN QUARTO at 30") << "UN QUARTO" << 30 << false;
        QTest::newRow("lower case at 30") << "mezzo" << 30 << false;
        QTest::newRow("empty text at 20") << "" << 20 << false;
        QTest::newRow("empty text at 15") << "" << 15 << false;
    }
    void holdsFractionFor() {
        QFETCH(QString, text);
        QFETCH(int, m);
        QFETCH(bool, right);
        QCOMPARE(rules::holdsFractionFor(boxHolding(text.toStdString()), m), right);
    }
};

QTEST_GUILESS_MAIN(TestAnswerRules)
#include "tst_answer_rules.moc"
