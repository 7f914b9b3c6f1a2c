// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "picture_view.h"
#include "window_view.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace toolkit {
namespace {

class WindowAccessible final : public QAccessibleWidget {
  public:
    explicit WindowAccessible(WindowView* view) : QAccessibleWidget(view, QAccessible::Window) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!static_cast<const WindowView*>(widget())->takesInput()) {
            state.disabled = true;
        }
        return state;
    }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<WindowView*>(object)) {
        return new WindowAccessible(view);
    }
    if (auto* picture = dynamic_cast<PictureView*>(object)) {
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

} // namespace toolkit
