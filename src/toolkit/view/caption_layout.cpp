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

void CaptionLayout::lay(const QString& caption, const QFont& font, int width,
                        Qt::Alignment alignment, qreal devicePixelRatio) {
    layout_.clearLayout();
    layout_.setText(caption);
    layout_.setFont(font);
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WordWrap);
    layout_.setTextOption(option);

    const QFontMetricsF metrics(font);
    const qreal room = marksAboveAscent(font, devicePixelRatio);
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
