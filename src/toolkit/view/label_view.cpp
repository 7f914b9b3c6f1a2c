// SPDX-License-Identifier: GPL-3.0-or-later
#include "label_view.h"

#include "layout_fonts.h"
#include "picture_source.h"
#include "pixel_geometry.h"
#include "qt_colour.h"
#include "text_conversion.h"
#include "window_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {
namespace {
constexpr int frameLineWidth = 1;
} // namespace

LabelView::LabelView(const ElementSpec& spec, Label& model, WindowView& owner, QWidget* parent)
    : QLabel(parent), model_(model), owner_(owner), pointer_(spec.pointer),
      textColour_(toQColor(spec.foreColor)) {
    setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));
    setGeometry(pixelRectOf(spec.place));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setIndent(0);
    setMargin(0);
    const Qt::Alignment horizontal =
        spec.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignTop);
    setFont(fontFor(spec.font));

    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColour_);
    if (spec.backColor) {
        colours.setColor(QPalette::Window, toQColor(*spec.backColor));
        setAutoFillBackground(true);
    }
    setPalette(colours);

    setMouseTracking(true);
    syncFromModel();
}

void LabelView::syncFromModel() {
    if (model_.Caption != caption_) {
        caption_ = model_.Caption;
        setText(toQString(caption_));
        captionLayout_.lay(text(), font(), size(), alignment(), devicePixelRatioF());
    }
    if (model_.BorderStyle != borderStyle_) {
        borderStyle_ = model_.BorderStyle;
        update();
    }
    setVisible(model_.Visible);
}

void LabelView::enterEvent(QEnterEvent* event) {
    pointer_.entered(*this, owner_.pictures());
    QLabel::enterEvent(event);
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(textColour_);
    captionLayout_.draw(painter);
    if (!hasFrame()) {
        return;
    }
    // Drawn over the label's own box, so the caption does not move when the frame comes
    // and goes.
    // Filled strips cover whole device pixels at any pixel ratio, where a pen would not.
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, frameLineWidth, textColour_);
    painter.fillRect(0, h - frameLineWidth, w, frameLineWidth, textColour_);
    painter.fillRect(0, 0, frameLineWidth, h, textColour_);
    painter.fillRect(w - frameLineWidth, 0, frameLineWidth, h, textColour_);
}

void LabelView::mousePressEvent(QMouseEvent* event) {
    clicks_.press(*event);
    event->accept();
}

void LabelView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (clicks_.releaseMakesClick(*event, rect())) {
        runEventProcedure(owner_, model_.Click);
    }
}

void LabelView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    runEventProcedure(owner_, model_.MouseMove);
}

} // namespace toolkit
