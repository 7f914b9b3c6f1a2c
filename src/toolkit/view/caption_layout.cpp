#include "caption_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLine>
#include <cmath>

namespace toolkit {
namespace {

// The capitals with a mark above that Italian captions use.
constexpr char16_t capitalsWithMarks[] = u"ÀÈÉÌÒÙ";

} // namespace

qreal marksAboveAscent(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal top = -metrics.tightBoundingRect(QString::fromUtf16(capitalsWithMarks)).top();
    return qMax(0.0, std::ceil(top - metrics.ascent()));
}

void CaptionLayout::lay(const QString& caption, const QFont& font, int width,
                        Qt::Alignment alignment) {
    layout_.clearLayout();
    layout_.setText(caption);
    layout_.setFont(font);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout_.setTextOption(option);

    const QFontMetricsF metrics(font);
    const qreal room = marksAboveAscent(font);
    // A negative leading would let the lines overlap.
    const qreal pitch = room + metrics.height() + qMax(0.0, metrics.leading());
    qreal top = room;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        top += pitch;
    }
    layout_.endLayout();
}

void CaptionLayout::draw(QPainter& painter) const {
    layout_.draw(&painter, QPointF(0, 0));
}

QRectF CaptionLayout::bounds() const {
    QRectF bounds;
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QRectF line = layout_.lineAt(i).naturalTextRect();
        bounds |= line.adjusted(0, i == 0 ? -line.top() : 0, 0, 0);
    }
    return bounds;
}

} // namespace toolkit
