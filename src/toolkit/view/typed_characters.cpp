// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_characters.h"

namespace toolkit {
namespace {

// Ctrl with a letter types the control code of that letter: Ctrl+A is 1, Ctrl+Z is 26.
constexpr int firstLetterControlCode = 1;

bool isControlCharacter(const QString& text) {
    return text.size() == 1 && text.front().category() == QChar::Other_Control;
}

} // namespace

TypedKey classifyKey(const QKeyEvent& event) {
    using Kind = TypedKey::Kind;
    const QString text = event.text();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (text.isEmpty() || event.key() == Qt::Key_Delete) {
        return {Kind::Editing, {}};
    }
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) {
        return {Kind::Command, {}};
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        const int key = event.key();
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            return {Kind::Characters,
                    QString(QChar(char16_t(firstLetterControlCode + key - Qt::Key_A)))};
        }
        // Other Ctrl combinations type a character only where the keyboard gives a control
        // character; the rest (Ctrl with a digit) type none.
        return isControlCharacter(text) ? TypedKey{Kind::Characters, text}
                                        : TypedKey{Kind::Editing, {}};
    }
    return {Kind::Characters, text};
}

} // namespace toolkit
