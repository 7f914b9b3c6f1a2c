// SPDX-License-Identifier: GPL-3.0-or-later
// The key adapter of the on-screen text box, driven by real Qt key events.
#include "toolkit/view/text_box_view.h"
#include "toolkit/view/text_conversion.h"
#include "view_rig.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace toolkit;

namespace {

constexpr Colour green = colours::green;

constexpr std::array<ElementSpec, 4> elements = {{
    {.name = "Label1",
     .kind = ElementKind::Label,
     .place = {0, 0, 3000, 300},
     .caption = "x",
     .font = {"Tahoma", 8.25, true}},
    // Tab positions differ from the layout order on purpose.
    {.name = "Text1",
     .kind = ElementKind::TextBox,
     .place = {150, 450, 1500, 375},
     .foreColor = green,
     .backColor = colours::blue,
     .font = {"Times New Roman", 12, true},
     .pointer = "writing-hand",
     .tabIndex = 1},
    {.name = "Text2",
     .kind = ElementKind::TextBox,
     .place = {150, 1050, 1500, 375},
     .foreColor = colours::yellow,
     .backColor = colours::blue,
     .font = {"Times New Roman", 12, true},
     .pointer = "writing-hand",
     .tabIndex = 3},
    {.name = "Text3",
     .kind = ElementKind::TextBox,
     .place = {150, 1650, 1500, 375},
     .foreColor = green,
     .backColor = colours::blue,
     .font = {"Times New Roman", 12, true},
     .pointer = "writing-hand",
     .tabIndex = 2},
}};

constexpr WindowSpec layout{.name = "FormKeys",
                            .caption = "Prova",
                            .clientWidth = 4500,
                            .clientHeight = 3000,
                            .elements = elements};

// Key-press procedures the tests give a box.
enum class Procedure {
    PassAll,
    DigitsOnly,
    Capitals,
    ReplaceWithX,
    ZeroAll,
    EmptyTextFirst,
    CtrlAToCtrlV,
    CtrlVToLetterA,
};

constexpr std::int16_t ctrlA = 1;
constexpr std::int16_t ctrlV = 22;
constexpr std::int16_t ctrlX = 24;

void apply(Procedure procedure, TextBox& box, std::int16_t& code) {
    switch (procedure) {
    case Procedure::PassAll:
        break;
    case Procedure::DigitsOnly:
        if (code != 8 && (code < '0' || code > '9')) {
            code = 0;
        }
        break;
    case Procedure::Capitals:
        if (code >= 'a' && code <= 'z') {
            code = static_cast<std::int16_t>(code - 32);
        }
        break;
    case Procedure::ReplaceWithX:
        code = 'X';
        break;
    case Procedure::ZeroAll:
        code = 0;
        break;
    case Procedure::EmptyTextFirst:
        box.Text.clear();
        break;
    case Procedure::CtrlAToCtrlV:
        if (code == ctrlA) {
            code = ctrlV;
        }
        break;
    case Procedure::CtrlVToLetterA:
        if (code == ctrlV) {
            code = 'A';
        }
        break;
    }
}

// What the procedures of one box saw.
struct Calls {
    QList<int> pressedCodes;
    QStringList textsAtKeyUp; // the model's text when each key release ran
};

class KeyRig : public ViewRig {
  public:
    explicit KeyRig(Procedure procedure) : ViewRig(layout) {
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            TextBox& box = window.textBox(name);
            Calls& record = calls[name];
            box.KeyPress = [&box, &record, procedure](std::int16_t& code) {
                record.pressedCodes.append(code);
                apply(procedure, box, code);
            };
            box.KeyUp = [&box, &record] { record.textsAtKeyUp.append(toQString(box.Text)); };
        }
        show();
    }

    TextBoxView* box(const char* name) const { return widget<TextBoxView>(name); }

    // Gives the box the focus in the active window.
    bool focus(const char* name) {
        if (!activate()) {
            return false;
        }
        box(name)->setFocus();
        return box(name)->hasFocus();
    }

    void setModelText(const char* name, const QString& text) {
        window.textBox(name).Text = toWindows1252(text);
        host->syncAllFromModels();
    }

    std::map<std::string, Calls> calls;
};

} // namespace

Q_DECLARE_METATYPE(Procedure)

// How a text enters a box without being typed.
enum class Entry { ContextMenu, ShiftInsert, Drop };
Q_DECLARE_METATYPE(Entry)

class TextBoxKeys : public QObject {
    Q_OBJECT

  private slots:
    void typedCharacters_data();
    void typedCharacters();
    void selectionAndCaret_data();
    void selectionAndCaret();
    void keysThatTypeNoCharacter_data();
    void keysThatTypeNoCharacter();
    void heldKey_data();
    void heldKey();
    void editingCommands_data();
    void editingCommands();
    void cutAndDeleteRemoveTheSelection_data();
    void cutAndDeleteRemoveTheSelection();
    void textEnteringWithoutKeys_data();
    void textEnteringWithoutKeys();
    void inputMethodCommitIsTyped();
    void aLongPasteIsGivenBackWhenTheBoxIsEmptied();
    void lockedOrHiddenBoxRunsNoProcedure_data();
    void lockedOrHiddenBoxRunsNoProcedure();
    void lockedBoxKeepsItsLook();
    void tabOrderFollowsTabPositions();
    void lockingTheFocusedBoxMovesTheFocusOn();
};

void TextBoxKeys::typedCharacters_data() {
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<int>>("expectedCodes");
    QTest::addColumn<QStringList>("expectedAtKeyUp");

    QTest::newRow("digit filter types digits only")
        << Procedure::DigitsOnly << "1a 2"
        << "12" << QList<int>{49, 97, 32, 50} << QStringList{"1", "1", "1", "12"};
    QTest::newRow("capitals filter, accented letters keep their case")
        << Procedure::Capitals << "ci è"
        << "CI è" << QList<int>{99, 105, 32, 232} << QStringList{"C", "CI", "CI ", "CI è"};
    QTest::newRow("a replaced code is typed in place of the key")
        << Procedure::ReplaceWithX << "ab"
        << "XX" << QList<int>{97, 98} << QStringList{"X", "XX"};
    QTest::newRow("code 0 types nothing") << Procedure::ZeroAll << "12"
                                          << "" << QList<int>{49, 50} << QStringList{"", ""};
    QTest::newRow("a text the procedure sets is in before the character")
        << Procedure::EmptyTextFirst << "123"
        << "3" << QList<int>{49, 50, 51} << QStringList{"1", "2", "3"};
    QTest::newRow("the euro sign has its own code") << Procedure::PassAll << "€"
                                                    << "€" << QList<int>{128} << QStringList{"€"};
    QTest::newRow("a character outside the code page types nothing but is released")
        << Procedure::PassAll << "жa"
        << "a" << QList<int>{97} << QStringList{"", "a"};
    QTest::newRow("backspace through the digit filter")
        << Procedure::DigitsOnly << "12\b"
        << "1" << QList<int>{49, 50, 8} << QStringList{"1", "12", "1"};
    QTest::newRow("enter and escape type nothing")
        << Procedure::PassAll << "1\r\x1b"
        << "1" << QList<int>{49, 13, 27} << QStringList{"1", "1", "1"};
}

void TextBoxKeys::typedCharacters() {
    QFETCH(Procedure, procedure);
    QFETCH(QString, keys);
    QFETCH(QString, expectedText);
    QFETCH(QList<int>, expectedCodes);
    QFETCH(QStringList, expectedAtKeyUp);

    KeyRig rig(procedure);
    QVERIFY(rig.focus("Text1"));
    typeCharacters(rig.windowHandle(), keys);

    QCOMPARE(rig.box("Text1")->text(), expectedText);
    QCOMPARE(toQString(rig.window.textBox("Text1").Text), expectedText);
    QCOMPARE(rig.calls["Text1"].pressedCodes, expectedCodes);
    QCOMPARE(rig.calls["Text1"].textsAtKeyUp, expectedAtKeyUp);
    QVERIFY(rig.view()->isVisible()); // Enter and Escape close nothing
    QVERIFY(rig.calls["Text2"].pressedCodes.isEmpty());
}

void TextBoxKeys::selectionAndCaret_data() {
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCaret");

    QTest::newRow("backspace deletes the selection") << Procedure::PassAll << 1 << 2 << "\b"
                                                     << "145" << 1;
    QTest::newRow("backspace deletes before the caret") << Procedure::PassAll << 3 << 0 << "\b"
                                                        << "1245" << 2;
    QTest::newRow("a swallowed backspace deletes nothing") << Procedure::ZeroAll << 1 << 2 << "\b"
                                                           << "12345" << 3;
    QTest::newRow("a character replaces the selection") << Procedure::PassAll << 1 << 2 << "9"
                                                        << "1945" << 2;
    QTest::newRow("a character goes in at the caret") << Procedure::PassAll << 2 << 0 << "9"
                                                      << "129345" << 3;
}

void TextBoxKeys::selectionAndCaret() {
    QFETCH(Procedure, procedure);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, key);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCaret);

    KeyRig rig(procedure);
    QVERIFY(rig.focus("Text1"));
    rig.setModelText("Text1", "12345");
    if (selectionLength > 0) {
        rig.box("Text1")->setSelection(selectionStart, selectionLength);
    } else {
        rig.box("Text1")->setCursorPosition(selectionStart);
    }
    typeCharacters(rig.windowHandle(), key);

    QCOMPARE(rig.box("Text1")->text(), expectedText);
    QCOMPARE(rig.box("Text1")->cursorPosition(), expectedCaret);
    QCOMPARE(toQString(rig.window.textBox("Text1").Text), expectedText);
    QCOMPARE(rig.calls["Text1"].textsAtKeyUp, QStringList{expectedText});
}

void TextBoxKeys::keysThatTypeNoCharacter_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("caretBefore");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<int>("expectedCaret");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("left") << Qt::Key_Left << "" << none << 3 << "123" << 2;
    QTest::newRow("home") << Qt::Key_Home << "" << none << 3 << "123" << 0;
    QTest::newRow("end") << Qt::Key_End << "" << none << 1 << "123" << 3;
    // The digit filter would turn a typed character into 0: Delete must not go through it.
    QTest::newRow("delete edits as usual") << Qt::Key_Delete << "\x7f" << none << 0 << "23" << 0;
    QTest::newRow("shift") << Qt::Key_Shift << "" << none << 1 << "123" << 1;
    QTest::newRow("alt with a letter is a command")
        << Qt::Key_A << "a" << Qt::KeyboardModifiers(Qt::AltModifier) << 1 << "123" << 1;
    QTest::newRow("meta with a letter is a command")
        << Qt::Key_A << "a" << Qt::KeyboardModifiers(Qt::MetaModifier) << 1 << "123" << 1;
    QTest::newRow("ctrl with a digit types nothing")
        << Qt::Key_1 << "1" << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << "123" << 1;
}

void TextBoxKeys::keysThatTypeNoCharacter() {
    QFETCH(Qt::Key, key);
    QFETCH(QString, keyText);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, caretBefore);
    QFETCH(QString, expectedText);
    QFETCH(int, expectedCaret);

    KeyRig rig(Procedure::DigitsOnly);
    QVERIFY(rig.focus("Text1"));
    rig.setModelText("Text1", "123");
    rig.box("Text1")->setCursorPosition(caretBefore);
    clickKey(rig.windowHandle(), key, keyText, modifiers);

    QCOMPARE(rig.box("Text1")->text(), expectedText);
    QCOMPARE(toQString(rig.window.textBox("Text1").Text), expectedText);
    QCOMPARE(rig.box("Text1")->cursorPosition(), expectedCaret);
    QVERIFY(rig.calls["Text1"].pressedCodes.isEmpty());
    QCOMPARE(rig.calls["Text1"].textsAtKeyUp, QStringList{expectedText});
}

void TextBoxKeys::heldKey_data() {
    QTest::addColumn<int>("repeats");
    QTest::newRow("no repeat") << 0;
    QTest::newRow("one repeat") << 1;
    QTest::newRow("five repeats") << 5;
}

// A held key, as X11 delivers it: press, then pairs of auto-repeated release and press,
// then the real release.
void TextBoxKeys::heldKey() {
    QFETCH(int, repeats);

    KeyRig rig(Procedure::PassAll);
    QVERIFY(rig.focus("Text1"));
    QWindow* window = rig.windowHandle();
    sendKey(window, QEvent::KeyPress, Qt::Key_1, "1");
    for (int i = 0; i < repeats; ++i) {
        sendKey(window, QEvent::KeyRelease, Qt::Key_1, "1", Qt::NoModifier, true);
        sendKey(window, QEvent::KeyPress, Qt::Key_1, "1", Qt::NoModifier, true);
    }
    QVERIFY(rig.calls["Text1"].textsAtKeyUp.isEmpty());
    sendKey(window, QEvent::KeyRelease, Qt::Key_1, "1");

    const QString typed(repeats + 1, u'1');
    QCOMPARE(rig.box("Text1")->text(), typed);
    QCOMPARE(rig.calls["Text1"].pressedCodes, QList<int>(repeats + 1, '1'));
    QCOMPARE(rig.calls["Text1"].textsAtKeyUp, QStringList{typed});
}

void TextBoxKeys::editingCommands_data() {
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedSelection");
    QTest::addColumn<int>("expectedCode");

    QTest::newRow("ctrl+a passed selects all") << Procedure::PassAll << Qt::Key_A << ""
                                               << "12"
                                               << "12" << int(ctrlA);
    QTest::newRow("ctrl+a swallowed selects nothing") << Procedure::ZeroAll << Qt::Key_A << ""
                                                      << "12"
                                                      << "" << int(ctrlA);
    QTest::newRow("ctrl+v passed pastes the clipboard unfiltered")
        << Procedure::Capitals << Qt::Key_V << "ab"
        << "12ab"
        << "" << int(ctrlV);
    QTest::newRow("ctrl+v swallowed by the digit filter")
        << Procedure::DigitsOnly << Qt::Key_V << "34"
        << "12"
        << "" << int(ctrlV);
    QTest::newRow("ctrl+v replaced by a letter types the letter")
        << Procedure::CtrlVToLetterA << Qt::Key_V << "zz"
        << "12A"
        << "" << int(ctrlV);
    QTest::newRow("ctrl+a replaced by another control code does nothing")
        << Procedure::CtrlAToCtrlV << Qt::Key_A << "zz"
        << "12"
        << "" << int(ctrlA);
}

void TextBoxKeys::editingCommands() {
    QFETCH(Procedure, procedure);
    QFETCH(Qt::Key, key);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedSelection);
    QFETCH(int, expectedCode);

    KeyRig rig(procedure);
    QVERIFY(rig.focus("Text1"));
    rig.setModelText("Text1", "12");
    QGuiApplication::clipboard()->setText(clipboardBefore);
    const QChar controlCode(char16_t(key - Qt::Key_A + 1));
    clickKey(rig.windowHandle(), key, QString(controlCode), Qt::ControlModifier);

    QCOMPARE(rig.box("Text1")->text(), expectedText);
    QCOMPARE(toQString(rig.window.textBox("Text1").Text), expectedText);
    QCOMPARE(rig.box("Text1")->selectedText(), expectedSelection);
    QCOMPARE(rig.calls["Text1"].pressedCodes, QList<int>{expectedCode});
    QCOMPARE(rig.calls["Text1"].textsAtKeyUp, QStringList{expectedText});
}

void TextBoxKeys::cutAndDeleteRemoveTheSelection_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<QString>("expectedClipboard");
    QTest::newRow("ctrl+x") << Qt::Key_X << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QString(QChar(char16_t(ctrlX))) << "23";
    QTest::newRow("delete") << Qt::Key_Delete << Qt::KeyboardModifiers() << QString("\x7f")
                            << "kept";
}

void TextBoxKeys::cutAndDeleteRemoveTheSelection() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, keyText);
    QFETCH(QString, expectedClipboard);

    KeyRig rig(Procedure::PassAll);
    QVERIFY(rig.focus("Text1"));
    rig.setModelText("Text1", "12345");
    rig.box("Text1")->setSelection(1, 2);
    QGuiApplication::clipboard()->setText("kept");
    clickKey(rig.windowHandle(), key, keyText, modifiers);

    QCOMPARE(rig.box("Text1")->text(), QString("145"));
    QCOMPARE(rig.box("Text1")->cursorPosition(), 1);
    QCOMPARE(rig.window.textBox("Text1").Text, std::string("145"));
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedClipboard);
}

void TextBoxKeys::textEnteringWithoutKeys_data() {
    QTest::addColumn<Entry>("entry");
    QTest::newRow("paste from the context menu") << Entry::ContextMenu;
    QTest::newRow("paste with shift+insert") << Entry::ShiftInsert;
    QTest::newRow("drag and drop") << Entry::Drop;
}

// Such text passes no filter; what the code page cannot hold is dropped, and the next key
// release checks the rest.
void TextBoxKeys::textEnteringWithoutKeys() {
    QFETCH(Entry, entry);

    KeyRig rig(Procedure::DigitsOnly);
    QVERIFY(rig.focus("Text1"));
    TextBoxView* box = rig.box("Text1");
    const QString entering = QStringLiteral("a€ж7");
    if (entry == Entry::Drop) {
        QMimeData data;
        data.setText(entering);
        const QPointF at = box->rect().center();
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
    } else if (entry == Entry::ShiftInsert) {
        QGuiApplication::clipboard()->setText(entering);
        clickKey(rig.windowHandle(), Qt::Key_Insert, "", Qt::ShiftModifier);
        rig.calls["Text1"].textsAtKeyUp.clear(); // the key release of Shift+Insert itself
    } else {
        QGuiApplication::clipboard()->setText(entering);
        QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, box->rect().center(),
                                    box->mapToGlobal(box->rect().center()));
        QApplication::sendEvent(box, &menuAsked);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->text().startsWith(QStringLiteral("&Paste"));
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
    }

    QCOMPARE(box->text(), QStringLiteral("a€7"));
    QCOMPARE(rig.window.textBox("Text1").Text, std::string("a\x80"
                                                           "7"));
    QVERIFY(rig.calls["Text1"].pressedCodes.isEmpty());
    QVERIFY(rig.calls["Text1"].textsAtKeyUp.isEmpty());

    clickKey(rig.windowHandle(), Qt::Key_Shift, "");
    QCOMPARE(rig.calls["Text1"].textsAtKeyUp, QStringList{"a€7"});
}

static long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Pasted into a box and emptied again by the model, a long text leaves no trace in memory:
// no undo record per character, no buffer of the model's, no pages the allocator sits on.
void TextBoxKeys::aLongPasteIsGivenBackWhenTheBoxIsEmptied() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer holds freed memory in quarantine");
#endif
    constexpr qsizetype length = 4 * 1024 * 1024;
    constexpr long allowedGrowthKilobytes = 20 * 1024;
    KeyRig rig(Procedure::PassAll);
    QVERIFY(rig.focus("Text1"));
    QString digits(length, u'7');
    QGuiApplication::clipboard()->setText(digits);
    digits.clear();
    const long before = residentKilobytes();
    QVERIFY(before > 0);

    clickKey(rig.windowHandle(), Qt::Key_V, QString(QChar(char16_t(ctrlV))), Qt::ControlModifier);
    QCOMPARE(rig.window.textBox("Text1").Text.size(), std::size_t(length));
    rig.window.textBox("Text1").Text.clear();
    rig.host->syncAllFromModels();

    QVERIFY(rig.box("Text1")->text().isEmpty());
    const long grown = residentKilobytes() - before;
    QVERIFY2(grown <= allowedGrowthKilobytes, qPrintable(QString("%1 KiB more").arg(grown)));
}

void TextBoxKeys::inputMethodCommitIsTyped() {
    KeyRig rig(Procedure::Capitals);
    QVERIFY(rig.focus("Text1"));
    QInputMethodEvent composing(QStringLiteral("e"), {});
    QApplication::sendEvent(rig.box("Text1"), &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("eè"));
    QApplication::sendEvent(rig.box("Text1"), &committed);

    QCOMPARE(rig.box("Text1")->text(), QStringLiteral("Eè"));
    QCOMPARE(rig.calls["Text1"].pressedCodes, (QList<int>{'e', 232}));
}

void TextBoxKeys::lockedOrHiddenBoxRunsNoProcedure_data() {
    QTest::addColumn<bool>("locked");
    QTest::newRow("locked") << true;
    QTest::newRow("hidden") << false;
}

// Even a key event sent straight to the widget runs nothing.
void TextBoxKeys::lockedOrHiddenBoxRunsNoProcedure() {
    QFETCH(bool, locked);

    KeyRig rig(Procedure::PassAll);
    rig.setModelText("Text1", "12");
    TextBox& model = rig.window.textBox("Text1");
    (locked ? model.Enabled : model.Visible) = false;
    rig.host->syncAllFromModels();
    QCOMPARE(rig.box("Text1")->isEnabled(), model.Enabled);
    QCOMPARE(rig.box("Text1")->isVisible(), model.Visible);

    QTest::keyClick(rig.box("Text1"), Qt::Key_3, Qt::NoModifier);
    QCOMPARE(rig.box("Text1")->text(), QStringLiteral("12"));
    QCOMPARE(model.Text, std::string("12"));
    QVERIFY(rig.calls["Text1"].pressedCodes.isEmpty());
    QVERIFY(rig.calls["Text1"].textsAtKeyUp.isEmpty());
}

void TextBoxKeys::lockedBoxKeepsItsLook() {
    KeyRig rig(Procedure::PassAll);
    rig.setModelText("Text1", "88");
    TextBoxView* box = rig.box("Text1");
    const QImage open = box->grab().toImage();

    rig.window.textBox("Text1").Enabled = false;
    rig.host->syncAllFromModels();
    QVERIFY(!box->isEnabled());
    const QImage locked = box->grab().toImage();

    QCOMPARE(locked, open);
    // And the look is the box's own: its text colour on its blue.
    bool hasText = false;
    for (int y = 0; y < locked.height(); ++y) {
        for (int x = 0; x < locked.width(); ++x) {
            hasText = hasText || locked.pixelColor(x, y) == QColor(Qt::green);
        }
    }
    QVERIFY(hasText);
    QCOMPARE(locked.pixelColor(locked.rect().center() + QPoint(0, locked.height() / 3)),
             QColor(Qt::blue));
}

void TextBoxKeys::tabOrderFollowsTabPositions() {
    KeyRig rig(Procedure::PassAll);
    QVERIFY(rig.focus("Text1"));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 3; ++step) {
        clickKey(rig.windowHandle(), Qt::Key_Tab, "\t");
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Text1", "Text3", "Text2", "Text1"}));
}

// Text1 comes before Text2 in the layout but Text3 follows it in the tab order.
void TextBoxKeys::lockingTheFocusedBoxMovesTheFocusOn() {
    KeyRig rig(Procedure::PassAll);
    TextBox& model = rig.window.textBox("Text1");
    model.KeyUp = [&model] { model.Enabled = model.Text != "5"; };
    QVERIFY(rig.focus("Text1"));
    typeCharacters(rig.windowHandle(), "5");

    QVERIFY(!rig.box("Text1")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), rig.box("Text3"));
    typeCharacters(rig.windowHandle(), "7");
    QCOMPARE(rig.box("Text3")->text(), QStringLiteral("7"));
    QCOMPARE(rig.box("Text1")->text(), QStringLiteral("5"));
}

QTEST_MAIN(TextBoxKeys)
#include "tst_text_box_keys.moc"
