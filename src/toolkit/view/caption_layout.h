// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace toolkit {

// A label's caption as it is drawn: wrapped at blanks to the width of its box, from the top.
// Some fonts (the Wine "Tahoma" among them) give an ascent lower than their accented
// capitals; each line is lowered by what the marks rise above the ascent, so that an "È"
// keeps its accent inside the box and clear of the line above.
// A substitute font wider than the intended one can push a word past the box's side or a
// line's baseline below its bottom; the caption is then drawn a pixel size smaller, step by
// step, until it fits, so no letter is lost. The intended fonts fit at their own size.
class CaptionLayout {
  public:
    // `devicePixelRatio`: the marks are measured as the screen draws them.
    void lay(const QString& caption, const QFont& font, QSize box, Qt::Alignment alignment,
             qreal devicePixelRatio);
    void draw(QPainter& painter) const;
    // Where the lines' ink stands: across the width of their text, down from the top of
    // their highest glyph to the bottom of their lowest.
    QRectF inkBounds() const;

  private:
    // Lays the caption out in the font; true when every line fits the box.
    bool layLines(const QFont& font, QSize box, qreal devicePixelRatio);

    QTextLayout layout_;
};

// How far, in whole pixels, the font's capitals with marks above rise over its ascent when
// drawn at the pixel ratio; 0 for a font whose ascent holds them.
qreal marksAboveAscent(const QFont& font, qreal devicePixelRatio);

} // namespace toolkit
