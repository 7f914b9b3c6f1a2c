// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_view.h"

#include "label_view.h"
#include "picture_source.h"
#include "picture_view.h"
#include "pixel_geometry.h"
#include "qt_colour.h"
#include "qt_host.h"
#include "shape_view.h"
#include "text_box_view.h"
#include "text_conversion.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <variant>

namespace toolkit {
namespace {

// What a disabled window does not take. It is stopped at the window, before Qt hands it
// to a widget, so neither the focus nor a tooltip moves.
constexpr std::array blockedInput = {
    QEvent::MouseButtonPress,
    QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick,
    QEvent::MouseMove,
    QEvent::Wheel,
    QEvent::KeyPress,
    QEvent::KeyRelease,
    QEvent::ShortcutOverride,
    QEvent::ContextMenu,
    QEvent::DragEnter,
    QEvent::DragMove,
    QEvent::Drop,
    QEvent::TouchBegin,
    QEvent::TouchUpdate,
    QEvent::TouchEnd,
    QEvent::TabletPress,
    QEvent::TabletMove,
    QEvent::TabletRelease,
};

bool isBlockedInput(QEvent::Type type) {
    return std::find(blockedInput.begin(), blockedInput.end(), type) != blockedInput.end();
}

Qt::WindowFlags frameFlags(const WindowSpec& spec) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (spec.closeButton) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return flags;
}

} // namespace

WindowView::WindowView(Window& model, PictureSource& pictures, QtHost& host)
    : QWidget(nullptr, frameFlags(model.spec())), model_(&model), pictures_(pictures), host_(host) {
    const WindowSpec& spec = model.spec();
    setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    setFixedSize(clientSizeOf(spec));
    if (spec.backColor) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, toQColor(*spec.backColor));
        setPalette(colours);
    }
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setMouseTracking(true);
    const std::size_t elementCount = model.elements().size();
    mirrored_.assign(elementCount, nullptr);
    elementWidgets_.assign(elementCount, nullptr);
    create();
    windowHandle()->installEventFilter(this);
    syncFromModel();
}

namespace {

bool isShown(const Element& element) {
    return std::visit([](const auto& control) { return control.Visible; }, element.control);
}

bool isTextBox(const Element& element) {
    return std::holds_alternative<TextBox>(element.control);
}

// Back to front: the elements in layout order, then the text boxes in layout order.
bool standsBehind(const std::vector<Element>& elements, std::size_t a, std::size_t b) {
    const bool aIsBox = isTextBox(elements[a]);
    const bool bIsBox = isTextBox(elements[b]);
    return aIsBox != bIsBox ? bIsBox : a < b;
}

} // namespace

void WindowView::ensureWidget(std::size_t index) {
    if (elementWidgets_[index]) {
        return;
    }
    Element& element = model_->elements()[index];
    const ElementSpec& spec = *element.spec;
    const auto keep = [&](auto* view) {
        elementWidgets_[index] = view;
        mirrored_[index] = view;
    };
    if (auto* label = std::get_if<Label>(&element.control)) {
        keep(new LabelView(spec, *label, *this, this));
    } else if (auto* picture = std::get_if<Picture>(&element.control)) {
        keep(new PictureView(spec, *picture, *this, this));
    } else if (auto* box = std::get_if<TextBox>(&element.control)) {
        keep(new TextBoxView(spec, *box, *this, this));
    } else if (auto* shape = std::get_if<Shape>(&element.control)) {
        keep(new ShapeView(spec, *shape, this));
    }
    stackInLayoutOrder(index);
    if (isTextBox(element)) {
        setTabOrderFromLayout();
    }
}

// A new widget goes in front of its siblings; it is put back under the nearest one that
// stands in front of it.
void WindowView::stackInLayoutOrder(std::size_t index) {
    const std::vector<Element>& elements = model_->elements();
    std::optional<std::size_t> inFront;
    for (std::size_t other = 0; other < elements.size(); ++other) {
        if (other == index || !elementWidgets_[other] || !standsBehind(elements, index, other)) {
            continue;
        }
        if (!inFront || standsBehind(elements, other, *inFront)) {
            inFront = other;
        }
    }
    if (inFront) {
        elementWidgets_[index]->stackUnder(elementWidgets_[*inFront]);
    }
}

void WindowView::setTabOrderFromLayout() {
    std::vector<std::pair<int, QWidget*>> order;
    const std::vector<Element>& elements = model_->elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (isTextBox(elements[i]) && elementWidgets_[i]) {
            order.emplace_back(elements[i].spec->tabIndex, elementWidgets_[i]);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1].second, order[i].second);
    }
}

QWidget* WindowView::elementWidget(std::string_view name) {
    if (!model_) {
        return nullptr;
    }
    const std::vector<Element>& elements = model_->elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].spec->name == name) {
            ensureWidget(i);
            return elementWidgets_[i];
        }
    }
    return nullptr;
}

void WindowView::syncFromModel() {
    if (!model_) {
        return;
    }
    if (model_->Caption != caption_) {
        caption_ = model_->Caption;
        setWindowTitle(toQString(caption_));
    }
    mirrorEnabled();
    const std::vector<Element>& elements = model_->elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (mirrored_[i]) {
            mirrored_[i]->syncFromModel();
        } else if (isShown(elements[i])) {
            ensureWidget(i); // a new widget mirrors its control as it is made
        }
    }
}

void WindowView::mirrorEnabled() {
    if (takesInput() == takesInput_) {
        return;
    }
    takesInput_ = takesInput();
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void WindowView::detach() {
    model_ = nullptr;
}

void WindowView::afterEvent() {
    host_.syncAllFromModels();
}

bool WindowView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && model_ && !model_->Enabled) {
        host_.disabledWindowActivated(*this);
    }
    return QWidget::event(event);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && !takesInput() && isBlockedInput(event->type())) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void WindowView::paintEvent(QPaintEvent*) {
    if (!model_ || model_->spec().background.name.empty()) {
        return;
    }
    const PictureId& id = model_->spec().background;
    const qreal ratio = devicePixelRatioF();
    if (background_.isNull() || background_.devicePixelRatio() != ratio) {
        background_ = pictures_.picture(id, pictures_.naturalSize(id), ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

void WindowView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (model_) {
        runEventProcedure(*this, model_->MouseMove);
    }
}

void WindowView::closeEvent(QCloseEvent* event) {
    if (!model_ || !event->spontaneous()) {
        event->accept();
        return;
    }
    // The model decides whether the window goes.
    event->ignore();
    host_.closeRequested(*this);
}

} // namespace toolkit
