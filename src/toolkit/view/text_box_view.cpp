// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box_view.h"

#include "layout_fonts.h"
#include "picture_source.h"
#include "pixel_geometry.h"
#include "qt_colour.h"
#include "release_free_memory.h"
#include "text_conversion.h"
#include "toolkit/key_delivery.h"
#include "typed_characters.h"
#include "window_view.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <array>
#include <functional>
#include <limits>
#include <utility>

namespace toolkit {
namespace {

constexpr std::int16_t enter = 13;
// From this length on, a text emptied from a box is worth giving back to the system.
constexpr std::size_t longTextBytes = 64 * 1024;
constexpr std::int16_t escape = 27;

// A sunken edge two pixels wide, lit from the top left, so the blue box stands out from a
// blue background.
constexpr int edgeWidth = 2;
constexpr int edgeLineWidth = 1;
struct EdgeLine {
    int inset;
    QRgb topLeft;
    QRgb bottomRight;
};
constexpr std::array<EdgeLine, edgeWidth> sunkenEdge = {{
    {0, qRgb(128, 128, 128), qRgb(255, 255, 255)},
    {1, qRgb(0, 0, 0), qRgb(192, 192, 192)},
}};

constexpr std::array<QPalette::ColorGroup, 3> allColourGroups = {
    QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// Enter and Escape have no editing meaning in a box; other control codes keep theirs
// (select all, copy, cut, paste, undo), if they have one.
bool keepsEditingMeaning(std::int16_t code) {
    return code != enter && code != escape;
}

} // namespace

TextBoxView::TextBoxView(const ElementSpec& spec, TextBox& model, WindowView& owner,
                         QWidget* parent)
    : QLineEdit(parent), model_(model), owner_(owner), pointer_(spec.pointer),
      backColour_(toQColor(spec.backColor.value_or(colours::white))), textColour_(model.ForeColor) {
    setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    setGeometry(pixelRectOf(spec.place));
    setAccessibleName(
        QString::fromUtf8(spec.accessibleName.data(), qsizetype(spec.accessibleName.size())));
    setFrame(false);
    setTextMargins(edgeWidth, edgeWidth, edgeWidth, edgeWidth);
    setAlignment(Qt::AlignCenter);
    setMaxLength(std::numeric_limits<int>::max());
    setFont(fontFor(spec.font));
    setTextColour(model.ForeColor);
    setAttribute(Qt::WA_NoMousePropagation);
    connect(this, &QLineEdit::textEdited, this, &TextBoxView::takeEditedText);
    syncFromModel();
}

void TextBoxView::setTextColour(Colour colour) {
    textColour_ = colour;
    // A locked box keeps its look: the disabled colours are the enabled ones.
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : allColourGroups) {
        colours.setColor(group, QPalette::Base, backColour_);
        colours.setColor(group, QPalette::Text, toQColor(colour));
    }
    setPalette(colours);
}

void TextBoxView::syncFromModel() {
    showModelText();
    if (model_.ForeColor != textColour_) {
        setTextColour(model_.ForeColor);
    }
    // Qt moves the focus on when the box that holds it is locked or hidden.
    setEnabled(model_.Enabled);
    setVisible(model_.Visible);
}

// Only a changed text is set, so the caret and the selection stay where the user left them.
// The comparison reads both texts in place: a long pasted text is not converted again at
// every event.
void TextBoxView::showModelText() {
    if (sameText(model_.Text, text())) {
        return;
    }
    setText(toQString(model_.Text));
    if (model_.Text.empty()) {
        releaseEmptiedText();
    }
}

// An emptied box gives back what a long text took: the model's buffer, and the pages the
// allocator keeps for reuse once the widget's copies of the text are freed.
void TextBoxView::releaseEmptiedText() {
    const std::size_t held = model_.Text.capacity();
    model_.Text.shrink_to_fit();
    if (held >= longTextBytes) {
        releaseFreeMemory();
    }
}

void TextBoxView::takeEditedText(const QString& edited) {
    if (!owner_.isAttached()) {
        return;
    }
    model_.Text = toWindows1252(edited);
    if (static_cast<qsizetype>(model_.Text.size()) != edited.size()) {
        // Characters Windows-1252 cannot hold were dropped: show what the model holds.
        const qsizetype caret = toWindows1252(QStringView(edited).left(cursorPosition())).size();
        setText(toQString(model_.Text));
        setCursorPosition(int(caret));
    }
}

// Replaces the selection, or inserts at the caret, in one step. The line edit's own insertion
// and removal keep an undo record per character, which it never gives back, and go through
// the accessibility bridge once more when characters have to be dropped; this converts the
// text once and sets it once.
void TextBoxView::replaceSelection(const QString& entering) {
    if (!owner_.isAttached() || isReadOnly() || (entering.isEmpty() && !hasSelectedText())) {
        return;
    }
    showModelText();
    const std::string bytes = toWindows1252(entering);
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int removed = hasSelectedText() ? selectionLength() : 0;
    model_.Text.replace(std::size_t(start), std::size_t(removed), bytes);
    setText(toQString(model_.Text));
    setCursorPosition(start + int(bytes.size()));
}

void TextBoxView::pasteFrom(QClipboard::Mode mode) {
    replaceSelection(QGuiApplication::clipboard()->text(mode));
}

void TextBoxView::typeCharacter(char32_t character, QKeyEvent* keyEvent) {
    const std::optional<std::int16_t> code = characterCode(character);
    if (!code) {
        return;
    }
    const std::int16_t typed = runKeyPress(model_, *code);
    // A text the procedure set is in the box before the character goes in.
    showModelText();
    switch (actionFor(typed)) {
    case KeyAction::Nothing:
        break;
    case KeyAction::DeleteBack:
        if (hasSelectedText()) {
            replaceSelection({});
        } else {
            backspace();
        }
        break;
    case KeyAction::Insert:
        if (hasSelectedText()) {
            replaceSelection(QString(characterOf(typed)));
        } else {
            insert(QString(characterOf(typed)));
        }
        break;
    case KeyAction::EditingCommand:
        if (keyEvent && typed == *code && keepsEditingMeaning(typed)) {
            editingKey(keyEvent);
        }
        break;
    }
}

void TextBoxView::editingKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
    } else if (hasSelectedText() && event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (hasSelectedText() && event->matches(QKeySequence::Delete)) {
        replaceSelection({});
    } else {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TextBoxView::cutSelection() {
    copy();
    replaceSelection({});
}

void TextBoxView::keyPressEvent(QKeyEvent* event) {
    if (!owner_.isAttached()) {
        event->ignore();
        return;
    }
    const TypedKey key = classifyKey(*event);
    switch (key.kind) {
    case TypedKey::Kind::Editing:
        editingKey(event);
        return;
    case TypedKey::Kind::Command:
        // Not handed to the base class, which would type the character unfiltered.
        event->ignore();
        return;
    case TypedKey::Kind::Characters:
        break;
    }
    const QList<uint> characters = key.characters.toUcs4();
    for (const uint character : characters) {
        typeCharacter(char32_t(character), characters.size() == 1 ? event : nullptr);
    }
    event->accept();
    owner_.afterEvent();
}

void TextBoxView::keyReleaseEvent(QKeyEvent* event) {
    // The releases between the repeats of a held key are not key releases.
    if (event->isAutoRepeat() || !owner_.isAttached()) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    event->accept();
    runKeyUp(model_);
    owner_.afterEvent();
}

void TextBoxView::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty() || !owner_.isAttached()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // A finished composition: clear what it showed, then type its characters as keys.
    QInputMethodEvent finished;
    QLineEdit::inputMethodEvent(&finished);
    for (const uint character : committed.toUcs4()) {
        typeCharacter(char32_t(character), nullptr);
    }
    event->accept();
    owner_.afterEvent();
}

// The middle button pastes the selection, as on X11 the line edit does.
void TextBoxView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The menu's paste, cut and delete go through replaceSelection(), like their keys; the line
// edit's own entries are found by their captions, as Qt 6.4 names none of them.
void TextBoxView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::array<std::pair<const char*, std::function<void()>>, 3> edits{{
        {"&Paste", [this] { pasteFrom(QClipboard::Clipboard); }},
        {"Cu&t", [this] { cutSelection(); }},
        {"Delete", [this] { replaceSelection({}); }},
    }};
    for (QAction* action : menu->actions()) {
        const QString caption = action->text().section(u'\t', 0, 0);
        for (const auto& [lineEditCaption, edit] : edits) {
            if (caption == QCoreApplication::translate("QLineEdit", lineEditCaption)) {
                action->disconnect();
                connect(action, &QAction::triggered, this, edit);
            }
        }
    }
    menu->popup(event->globalPos());
}

// A text dropped from elsewhere enters at the drop point as a paste does; a drag inside the
// box, which moves its own text, is the line edit's.
void TextBoxView::dropEvent(QDropEvent* event) {
    if (event->source() == this || !event->mimeData()->hasText() || isReadOnly()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    event->acceptProposedAction();
    replaceSelection(event->mimeData()->text());
}

void TextBoxView::enterEvent(QEnterEvent* event) {
    pointer_.entered(*this, owner_.pictures());
    QLineEdit::enterEvent(event);
}

void TextBoxView::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // Filled strips cover whole device pixels at any pixel ratio, where a pen would not.
    QPainter painter(this);
    for (const EdgeLine& line : sunkenEdge) {
        const QRect edge = rect().adjusted(line.inset, line.inset, -line.inset, -line.inset);
        const QColor topLeft(line.topLeft);
        const QColor bottomRight(line.bottomRight);
        painter.fillRect(edge.left(), edge.top(), edge.width(), edgeLineWidth, topLeft);
        painter.fillRect(edge.left(), edge.top(), edgeLineWidth, edge.height(), topLeft);
        painter.fillRect(edge.left() + edgeLineWidth, edge.bottom(), edge.width() - edgeLineWidth,
                         edgeLineWidth, bottomRight);
        painter.fillRect(edge.right(), edge.top() + edgeLineWidth, edgeLineWidth,
                         edge.height() - edgeLineWidth, bottomRight);
    }
}

} // namespace toolkit
