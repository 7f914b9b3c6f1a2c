// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape_view.h"

#include "pixel_geometry.h"
#include "qt_colour.h"

#include <QPainter>

namespace toolkit {
namespace {
constexpr qreal outlineWidth = 1;
const QColor outlineColour = Qt::black;
} // namespace

ShapeView::ShapeView(const ElementSpec& spec, Shape& model, QWidget* parent)
    : QWidget(parent), model_(model), fill_(toQColor(spec.backColor.value_or(colours::white))) {
    setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    setGeometry(pixelRectOf(spec.place));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    syncFromModel();
}

void ShapeView::syncFromModel() {
    setVisible(model_.Visible);
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outlineColour, outlineWidth));
    painter.setBrush(fill_);
    const qreal inset = outlineWidth / 2;
    painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace toolkit
