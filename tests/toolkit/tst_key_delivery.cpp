// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/key_delivery.h"

#include <QTest>

#include <string>
#include <vector>

using namespace toolkit;

Q_DECLARE_METATYPE(toolkit::KeyAction)

namespace {
// A box whose procedures record what they saw and can replace the code or empty the box.
struct RecordingBox {
    TextBox box;
    std::vector<std::string> textsAtPress;
    std::vector<std::string> textsAtRelease;
    std::int16_t replaceWith = -1; // -1: leave the code alone
    bool emptyOnPress = false;

    RecordingBox() {
        box.KeyPress = [this](std::int16_t& code) {
            textsAtPress.push_back(box.Text);
            if (emptyOnPress) {
                box.Text.clear();
            }
            if (replaceWith >= 0) {
                code = replaceWith;
            }
        };
        box.KeyUp = [this] { textsAtRelease.push_back(box.Text); };
    }
};
} // namespace

class TestKeyDelivery : public QObject {
    Q_OBJECT
  private slots:
    void actions_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<KeyAction>("action");
        QTest::newRow("zero") << 0 << KeyAction::Nothing;
        QTest::newRow("backspace") << 8 << KeyAction::DeleteBack;
        QTest::newRow("ctrl+A") << 1 << KeyAction::EditingCommand;
        QTest::newRow("enter") << 13 << KeyAction::EditingCommand;
        QTest::newRow("escape") << 27 << KeyAction::EditingCommand;
        QTest::newRow("blank") << 32 << KeyAction::Insert;
        QTest::newRow("digit") << int('7') << KeyAction::Insert;
        QTest::newRow("delete character") << 127 << KeyAction::Nothing;
        QTest::newRow("euro") << 0x80 << KeyAction::Insert;
        QTest::newRow("E grave") << 0xC8 << KeyAction::Insert;
        QTest::newRow("255") << 255 << KeyAction::Insert;
        QTest::newRow("beyond a byte") << 256 << KeyAction::Nothing;
        QTest::newRow("negative") << -1 << KeyAction::Nothing;
        QTest::newRow("most negative") << -32768 << KeyAction::Nothing;
    }
    void actions() {
        QFETCH(int, code);
        QFETCH(KeyAction, action);
        QCOMPARE(actionFor(static_cast<std::int16_t>(code)), action);
    }

    void procedureSeesTextBeforeTheCharacterAndReleaseAfter() {
        RecordingBox r;
        r.box.Text = "1";
        typeKey(r.box, '2');
        QCOMPARE(r.textsAtPress, std::vector<std::string>{"1"});
        QCOMPARE(r.textsAtRelease, std::vector<std::string>{"12"});
    }

    void textEmptiedByTheProcedureTakesTheCharacter() {
        RecordingBox r;
        r.box.Text = "123";
        r.emptyOnPress = true;
        pressKey(r.box, '4');
        QCOMPARE(r.box.Text, std::string("4"));
    }

    void replacedCodeIsTypedInstead() {
        RecordingBox r;
        r.replaceWith = 'A';
        typeKey(r.box, 'a');
        QCOMPARE(r.box.Text, std::string("A"));
        r.replaceWith = 0;
        typeKey(r.box, 'b');
        QCOMPARE(r.box.Text, std::string("A"));
        QCOMPARE(r.textsAtRelease.size(), std::size_t(2));
    }

    void backspaceDeletesTheLastCharacter() {
        RecordingBox r;
        r.box.Text = "26";
        typeKey(r.box, 8);
        QCOMPARE(r.box.Text, std::string("2"));
        typeKey(r.box, 8);
        typeKey(r.box, 8);
        QCOMPARE(r.box.Text, std::string());
    }

    void lockedOrHiddenBoxTakesNoKeys_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        QTest::newRow("locked") << false << true;
        QTest::newRow("hidden") << true << false;
    }
    void lockedOrHiddenBoxTakesNoKeys() {
        QFETCH(bool, enabled);
        QFETCH(bool, visible);
        RecordingBox r;
        r.box.Text = "3";
        r.box.Enabled = enabled;
        r.box.Visible = visible;
        typeKey(r.box, '4');
        pasteText(r.box, "99");
        QCOMPARE(r.box.Text, std::string("3"));
        QVERIFY(r.textsAtPress.empty());
        QVERIFY(r.textsAtRelease.empty());
    }

    void pasteSkipsTheProcedures() {
        RecordingBox r;
        r.replaceWith = 0;
        pasteText(r.box, "abc");
        QCOMPARE(r.box.Text, std::string("abc"));
        QVERIFY(r.textsAtPress.empty());
        QVERIFY(r.textsAtRelease.empty());
    }
};

QTEST_GUILESS_MAIN(TestKeyDelivery)
#include "tst_key_delivery.moc"
