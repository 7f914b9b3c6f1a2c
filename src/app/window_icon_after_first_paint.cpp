#include "window_icon_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace app {

WindowIconAfterFirstPaint::WindowIconAfterFirstPaint(QIcon icon) : icon_(std::move(icon)) {
    qApp->installEventFilter(this);
}

bool WindowIconAfterFirstPaint::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        qApp->removeEventFilter(this);
        // Queued: the painted window reaches the screen when this paint pass ends.
        QTimer::singleShot(0, this, [this] { QApplication::setWindowIcon(icon_); });
    }
    return false;
}

} // namespace app
