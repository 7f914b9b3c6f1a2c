// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_host.h"

#include "accessibility.h"
#include "layout_fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace toolkit {
namespace {

// Centred on the screen's free area. A window larger than that area keeps its frame's
// top-left corner on the screen instead, so its title bar can still be taken to move it.
void placeOnScreen(QWidget& window) {
    QRect place(QPoint(), window.size());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.setGeometry(place);
        return;
    }
    const QRect available = screen->availableGeometry();
    place.moveCenter(available.center());
    if (place.width() <= available.width() && place.height() <= available.height()) {
        window.setGeometry(place);
        return;
    }
    // move() places the frame, title bar included, where setGeometry() places the client area.
    window.move(std::max(place.left(), available.left()), std::max(place.top(), available.top()));
}

} // namespace

QtHost::QtHost(PictureSource& pictures) : pictures_(pictures) {
    loadLayoutFonts();
    installAccessibility();
}

QtHost::~QtHost() {
    for (const QPointer<WindowView>& view : unloaded_) {
        delete view.data();
    }
}

WindowView* QtHost::viewOf(const Window& window) const {
    for (const auto& view : views_) {
        if (view->model() == &window) {
            return view.get();
        }
    }
    return nullptr;
}

void QtHost::showWindow(Window& window) {
    if (!startupWindow_) {
        startupWindow_ = &window;
    }
    if (WindowView* shown = viewOf(window)) {
        shown->syncFromModel();
        shown->show();
        shown->raise();
        shown->activateWindow();
        return;
    }
    auto view = std::make_unique<WindowView>(window, pictures_, *this);
    placeOnScreen(*view);
    view->show();
    views_.push_back(std::move(view));
}

void QtHost::unloadWindow(Window& window) {
    const auto found = std::find_if(views_.begin(), views_.end(),
                                    [&](const auto& view) { return view->model() == &window; });
    if (found == views_.end()) {
        return;
    }
    WindowView* view = found->release();
    views_.erase(found);
    view->detach();
    view->hide();
    view->deleteLater();
    unloaded_.erase(std::remove(unloaded_.begin(), unloaded_.end(), nullptr), unloaded_.end());
    unloaded_.emplace_back(view);
}

void QtHost::syncAllFromModels() {
    for (const auto& view : views_) {
        view->syncFromModel();
    }
}

void QtHost::closeRequested(WindowView& view) {
    Window& window = *view.model();
    if (window.CloseRequest) {
        const std::function<void()> request = window.CloseRequest;
        request();
        syncAllFromModels();
        return;
    }
    if (&window == startupWindow_) {
        QCoreApplication::exit(0);
        return;
    }
    window.Unload();
    syncAllFromModels();
}

// A disabled window passes the activation on to the latest shown window that takes input,
// which stays in front: a click on the disabled window brings that one back.
void QtHost::disabledWindowActivated(WindowView& view) {
    for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
        WindowView* candidate = it->get();
        if (candidate != &view && candidate->model()->Enabled && candidate->isVisible()) {
            // A minimised window would leave nothing on screen that takes input.
            candidate->setWindowState(candidate->windowState() & ~Qt::WindowMinimized);
            candidate->raise();
            candidate->activateWindow();
            return;
        }
    }
}

} // namespace toolkit
