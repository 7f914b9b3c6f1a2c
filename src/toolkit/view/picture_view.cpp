// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_view.h"

#include "picture_source.h"
#include "pixel_geometry.h"
#include "window_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

PictureView::PictureView(const ElementSpec& spec, Picture& model, WindowView& owner,
                         QWidget* parent)
    : QWidget(parent), spec_(spec), model_(model), owner_(owner), pointer_(spec.pointer) {
    setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    setGeometry(pixelRectOf(spec.place));
    setAccessibleName(
        QString::fromUtf8(spec.accessibleName.data(), qsizetype(spec.accessibleName.size())));
    if (!spec.tooltip.empty()) {
        setToolTip(QString::fromUtf8(spec.tooltip.data(), qsizetype(spec.tooltip.size())));
    }
    setMouseTracking(true);
    syncFromModel();
}

void PictureView::syncFromModel() {
    setVisible(model_.Visible);
}

QSize PictureView::pictureSize() const {
    return spec_.stretch ? size() : owner_.pictures().naturalSize(spec_.picture);
}

void PictureView::enterEvent(QEnterEvent* event) {
    pointer_.entered(*this, owner_.pictures());
    QWidget::enterEvent(event);
}

void PictureView::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = pictureSize();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio ||
        picture_.deviceIndependentSize().toSize() != wanted) {
        picture_ = owner_.pictures().picture(spec_.picture, wanted, ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    clicks_.press(*event);
    event->accept();
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (clicks_.releaseMakesClick(*event, rect())) {
        runEventProcedure(owner_, model_.Click);
    }
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace toolkit
