// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <QString>

namespace toolkit {

// What a key press means to a text box.
struct TypedKey {
    enum class Kind {
        Characters, // types characters, control characters included (Backspace, Enter,
                    // Escape, Ctrl with a letter)
        Editing,    // types none: arrows, Home, End, Delete, modifiers, function keys
        Command,    // Alt or Meta with a character: a command, never typed
    };
    Kind kind;
    QString characters;
};

TypedKey classifyKey(const QKeyEvent& event);

} // namespace toolkit
