// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_icon_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QMetaObject>

#include <utility>

namespace app {

WindowIconAfterFirstPaint::WindowIconAfterFirstPaint(QIcon icon) : icon_(std::move(icon)) {
    qApp->installEventFilter(this);
}

bool WindowIconAfterFirstPaint::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        qApp->removeEventFilter(this);
        // Queued: the painted window reaches the screen when this paint pass ends.
        QMetaObject::invokeMethod(
            this, [this] { QApplication::setWindowIcon(icon_); }, Qt::QueuedConnection);
    }
    return false;
}

} // namespace app
