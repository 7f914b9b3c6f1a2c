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
    void lay(const QString& caption, const QFont& font, int width, Qt::Alignment alignment);
    void draw(QPainter& painter) const;
    // Where the lines stand, the room above each included.
    QRectF bounds() const;

  private:
    QTextLayout layout_;
};

// How far, in pixels, the font's capitals with marks above rise over its ascent; 0 for a
// font whose ascent holds them.
qreal marksAboveAscent(const QFont& font);

} // namespace toolkit
