// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test_pictures.h"
#include "toolkit/view/qt_host.h"
#include "toolkit/view/window_view.h"
#include "toolkit/window.h"

#include <QTest>
#include <QWindow>

#include <memory>

// A model window built from a test layout and shown by a real QtHost; one per test, so
// every test starts with fresh widgets.
class ViewRig {
  public:
    explicit ViewRig(const toolkit::WindowSpec& spec)
        : host(std::make_unique<toolkit::QtHost>(pictures)), window(spec, *host) {}

    void show() { window.Show(); }

    toolkit::WindowView* view() const { return host->viewOf(window); }
    QWindow* windowHandle() const { return view()->windowHandle(); }

    template <typename Widget> Widget* widget(std::string_view name) const {
        return dynamic_cast<Widget*>(view()->elementWidget(name));
    }

    bool activate() const {
        view()->activateWindow();
        return QTest::qWaitForWindowActive(view());
    }

    TestPictures pictures;
    std::unique_ptr<toolkit::QtHost> host;
    toolkit::Window window;
};

// Through the window, as a keyboard delivers it: to the focus widget, shortcuts first.
inline void sendKey(QWindow* window, QEvent::Type type, Qt::Key key, const QString& text,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false) {
    qt_handleKeyEvent(window, type, key, modifiers, text, autoRepeat);
    QCoreApplication::processEvents();
}

inline void clickKey(QWindow* window, Qt::Key key, const QString& text,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    sendKey(window, QEvent::KeyPress, key, text, modifiers);
    sendKey(window, QEvent::KeyRelease, key, text, modifiers);
}

// The key that types a character on a plain keyboard, where there is an obvious one.
inline Qt::Key keyOf(QChar character) {
    switch (character.unicode()) {
    case u'\b':
        return Qt::Key_Backspace;
    case u'\r':
        return Qt::Key_Return;
    case u'\x1b':
        return Qt::Key_Escape;
    default:
        break;
    }
    const char16_t upper = character.toUpper().unicode();
    if ((upper >= u'A' && upper <= u'Z') || (upper >= u'0' && upper <= u'9') || upper == u' ') {
        return Qt::Key(upper);
    }
    return Qt::Key_unknown;
}

// Each character as one key, press then release.
inline void typeCharacters(QWindow* window, const QString& characters) {
    for (const QChar character : characters) {
        clickKey(window, keyOf(character), QString(character));
    }
}
