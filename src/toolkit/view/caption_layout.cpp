// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <cmath>

namespace toolkit {
namespace {

// The capitals with a mark above that Italian captions use.
constexpr char16_t capitalsWithMarks[] = u"ÀÈÉÌÒÙ";
// Below this a caption would no longer read; it is drawn at this size even if it overflows.
constexpr int smallestPixelSize = 6;
// Rounding in the metrics must not count as overflow.
constexpr qreal pixelSlack = 0.5;

} // namespace

// The lines stand where the font's own metrics put them; the glyphs are drawn at the
// screen's resolution, where hinting may move a mark by a device pixel.
qreal marksAboveAscent(const QFont& font, qreal devicePixelRatio) {
    QFont onScreen = font;
    onScreen.setPixelSize(qRound(font.pixelSize() * devicePixelRatio));
    const QRectF marks =
        QFontMetricsF(onScreen).tightBoundingRect(QString::fromUtf16(capitalsWithMarks));
    const qreal top = -marks.top() / devicePixelRatio;
    return qMax(0.0, std::ceil(top - QFontMetricsF(font).ascent()));
}

void CaptionLayout::lay(const QString& caption, const QFont& font, QSize box,
                        Qt::Alignment alignment, qreal devicePixelRatio) {
    layout_.setText(caption);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout_.setTextOption(option);

    QFont fitted = font;
    while (!layLines(fitted, box, devicePixelRatio) && fitted.pixelSize() > smallestPixelSize) {
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
}

bool CaptionLayout::layLines(const QFont& font, QSize box, qreal devicePixelRatio) {
    layout_.clearLayout();
    layout_.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal room = marksAboveAscent(font, devicePixelRatio);
    // A negative leading would let the lines overlap.
    const qreal pitch = room + metrics.height() + qMax(0.0, metrics.leading());
    qreal top = room;
    bool fits = true;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, top));
        // A line whose baseline is inside the box reads; one below it is lost.
        const bool baselineInside = line.y() + line.ascent() <= box.height() + pixelSlack;
        const bool widthInside = line.naturalTextWidth() <= box.width() + pixelSlack;
        fits = fits && widthInside && (baselineInside || layout_.lineCount() == 1);
        top += pitch;
    }
    layout_.endLayout();
    return fits;
}

void CaptionLayout::draw(QPainter& painter) const {
    layout_.draw(&painter, QPointF(0, 0));
}

QRectF CaptionLayout::inkBounds() const {
    const QFontMetricsF metrics(layout_.font());
    QRectF bounds;
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        const QRectF ink =
            metrics.tightBoundingRect(layout_.text().mid(line.textStart(), line.textLength()));
        const QRectF box = line.naturalTextRect();
        bounds |=
            QRectF(box.left(), line.y() + line.ascent() + ink.top(), box.width(), ink.height());
    }
    return bounds;
}

} // namespace toolkit
