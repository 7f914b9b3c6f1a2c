// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_rig.h"

#include "toolkit/key_delivery.h"
#include "toolkit/windows1252.h"

#include <QByteArray>
#include <QTest>

Q_DECLARE_METATYPE(game_invariants::DrawnTime)

// Text from outside the program (UTF-8) enters a box as Windows-1252: characters that
// Windows-1252 lacks and malformed bytes are dropped, the rest is kept in order, and the box
// then checks what it holds like any other text.
class TestOutsideWindows1252 : public QObject {
    Q_OBJECT
  private slots:
    void pasteOfForeignText_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("entered"); // Windows-1252
        QTest::addColumn<QString>("box");
        QTest::addColumn<game_invariants::DrawnTime>("time");
        QTest::addColumn<bool>("locks");
        const game_invariants::DrawnTime threeFifteen{1, 3, 15};
        const game_invariants::DrawnTime midnight{2, 12, 60};
        QTest::newRow("overlong encoding of a digit is malformed")
            << QByteArray("\xC0\xB3") << QByteArray() << "Text1" << threeFifteen << false;
        QTest::newRow("overlong encoding of a letter is malformed")
            << QByteArray("TR\xE0\x81\x85") << QByteArray("TR") << "Text3" << threeFifteen << false;
        QTest::newRow("ideographs only")
            << QByteArray("時計") << QByteArray() << "Text3" << threeFifteen << false;
        QTest::newRow("emoji inside the word")
            << QByteArray("MEZZ😀ANOTTE") << QByteArray("MEZZANOTTE") << "Text9" << midnight << true;
        QTest::newRow("euro sign and accented capitals kept")
            << QByteArray("€ÈÒ") << QByteArray("\x80\xC8\xD2") << "Text3" << threeFifteen << false;
        QTest::newRow("combining accent dropped")
            << QByteArray("UN QUARTO\xCC\x81") << QByteArray("UN QUARTO") << "Text4" << threeFifteen
            << true;
        QTest::newRow("Arabic-Indic digit dropped")
            << QByteArray("3\xD9\xA3") << QByteArray("3") << "Text1" << threeFifteen << true;
        QTest::newRow("full-width digits dropped")
            << QByteArray("\xEF\xBC\x93") << QByteArray() << "Text1" << threeFifteen << false;
        QTest::newRow("stray bytes dropped") << QByteArray("\xFF\xFE\x80TRE") << QByteArray("TRE")
                                             << "Text3" << threeFifteen << true;
        QTest::newRow("sequence cut at the end")
            << QByteArray("TRE\xE2\x82") << QByteArray("TRE") << "Text3" << threeFifteen << true;
        QTest::newRow("encoded surrogate")
            << QByteArray("\xED\xA0\x80") << QByteArray() << "Text3" << threeFifteen << false;
        QTest::newRow("beyond the last code point")
            << QByteArray("\xF4\x90\x80\x80") << QByteArray() << "Text3" << threeFifteen << false;
    }
    void pasteOfForeignText() {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, entered);
        QFETCH(QString, box);
        QFETCH(game_invariants::DrawnTime, time);
        QFETCH(bool, locks);
        const std::string name = box.toStdString();
        GameRig rig;
        std::string verdict = rig.draw(time);
        QVERIFY2(verdict.empty(), verdict.c_str());
        toolkit::TextBox& answer = rig.box(name);

        const std::string converted = toolkit::windows1252::fromUtf8(utf8.toStdString());
        QCOMPARE(QByteArray::fromStdString(converted).toHex(' '), entered.toHex(' '));
        toolkit::pasteText(answer, converted);
        toolkit::runKeyUp(answer);
        verdict = rig.checkBox(name);
        QVERIFY2(verdict.empty(), verdict.c_str());
        QCOMPARE(answer.Enabled, !locks);
        QCOMPARE(QByteArray::fromStdString(answer.Text).toHex(' '), entered.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestOutsideWindows1252)
#include "tst_outside_windows1252.moc"
