// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hover_pointer.h"
#include "mirrored_element.h"
#include "toolkit/controls.h"
#include "toolkit/layout.h"

#include <QClipboard>
#include <QLineEdit>

namespace toolkit {

class WindowView;

// A single-line text box. Each typed character goes through the box's key-press procedure
// before it enters, and every key release (not the repeats of a held key) runs its
// key-release procedure; text that enters without typing (paste, drag and drop) goes into
// the model unfiltered, to be checked at the next key release. Such a text may be long: it
// is converted once when it enters, compared in place afterwards, and given back when the
// box is emptied.
class TextBoxView final : public QLineEdit, public MirroredElement {
  public:
    TextBoxView(const ElementSpec& spec, TextBox& model, WindowView& owner, QWidget* parent);

    void syncFromModel() override;

  protected:
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // `keyEvent` is the key that typed the character, for editing commands; null when the
    // character came from an input method.
    void typeCharacter(char32_t character, QKeyEvent* keyEvent);
    // A key with an editing meaning and no character of its own to filter (Shift+Insert), or
    // a control code the procedure passed (Ctrl+V).
    void editingKey(QKeyEvent* event);
    void showModelText();
    void releaseEmptiedText();
    void takeEditedText(const QString& edited);
    void replaceSelection(const QString& entering);
    void pasteFrom(QClipboard::Mode mode);
    void cutSelection();
    void setTextColour(Colour colour);

    TextBox& model_;
    WindowView& owner_;
    HoverPointer pointer_;
    QColor backColour_;
    Colour textColour_;
};

} // namespace toolkit
