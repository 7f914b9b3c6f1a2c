#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace toolkit {

// A label's caption as it is drawn: wrapped at blanks to the width of its box, from the top.
// Some fonts (the Wine "Tahoma" among them) give an ascent lower than their accented
// capitals; each line is lowered by what the marks rise above the ascent, so that an "È"
// keeps its accent inside the box and clear of the line above.
class CaptionLayout {
  public:
    // `devicePixelRatio`: the marks are measured as the screen draws them.
    void lay(const QString& caption, const QFont& font, int width, Qt::Alignment alignment,
             qreal devicePixelRatio);
    void draw(QPainter& painter) const;
    // Where the lines' ink stands: across the width of their text, down from the top of
    // their highest glyph to the bottom of their lowest.
    QRectF inkBounds() const;

  private:
    QTextLayout layout_;
};

// How far, in whole pixels, the font's capitals with marks above rise over its ascent when
// drawn at the pixel ratio; 0 for a font whose ascent holds them.
qreal marksAboveAscent(const QFont& font, qreal devicePixelRatio);

} // namespace toolkit
