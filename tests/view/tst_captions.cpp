// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts' captions as drawn, pixel by pixel: accented capitals keep their marks inside
// their boxes, bold captions are drawn bold. Run at several pixel ratios, and with fontconfig
// limited to DejaVu, as on a machine without the intended fonts.
#include "clock_window/form1_layout.h"
#include "credits_window/form2_layout.h"
#include "toolkit/view/label_view.h"
#include "view_rig.h"

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QtMath>

#include <optional>
#include <set>
#include <string>
#include <variant>

using namespace toolkit;

namespace {

// Far from every text colour of the layouts (white, black, yellow, pink).
const QColor backgroundColour(0, 96, 96);

// A pixel is ink when it is this far from the background, in the sum of its channels.
constexpr int inkThreshold = 160;

bool isInk(QRgb pixel, QRgb background) {
    return std::abs(qRed(pixel) - qRed(background)) + std::abs(qGreen(pixel) - qGreen(background)) +
               std::abs(qBlue(pixel) - qBlue(background)) >
           inkThreshold;
}

// The layout window with only one label shown, on a plain background.
class OneLabel {
  public:
    OneLabel(const WindowSpec& spec, std::string_view name) : rig(spec) {
        rig.pictures.add(std::string(spec.background.name), backgroundColour,
                         2 * QSize(spec.clientWidth, spec.clientHeight) / twipsPerPixel);
        for (const ElementSpec& element : spec.elements) {
            if (element.kind == ElementKind::Picture) {
                rig.pictures.add(std::string(element.picture.name), Qt::transparent, {1, 1});
            }
        }
        rig.show();
        for (Element& element : rig.window.elements()) {
            std::visit([&](auto& control) { control.Visible = element.spec->name == name; },
                       element.control);
        }
        rig.host->syncAllFromModels();
        label = rig.widget<LabelView>(name);
    }

    // What the label's box shows inside the window, in device pixels.
    QImage box() const {
        return rig.view()
            ->grab(label->geometry() & rig.view()->rect())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    ViewRig rig;
    LabelView* label = nullptr;
};

struct Span {
    int first = 0;
    int last = -1;
    int size() const { return last - first + 1; }
};

// The first run of columns holding ink in the rows of the first line: its first character
// when a blank follows it.
std::optional<Span> firstCharacterColumns(const QImage& image, int firstLineRows, QRgb background) {
    std::optional<Span> columns;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < qMin(firstLineRows, image.height()) && !ink; ++y) {
            ink = isInk(image.pixel(x, y), background);
        }
        if (ink) {
            columns = columns ? Span{columns->first, x} : Span{x, x};
        } else if (columns) {
            break;
        }
    }
    return columns;
}

int inkIn(const QImage& image, int y, Span columns, QRgb background) {
    int ink = 0;
    for (int x = columns.first; x <= columns.last; ++x) {
        ink += isInk(image.pixel(x, y), background) ? 1 : 0;
    }
    return ink;
}

// Rows of ink over the capital of a leading "È": from the top of its ink down to the
// capital's top bar, the first row inked over most of the character's width.
int accentRows(const QImage& image, const QFont& font, QRgb background) {
    // Deeper than a line with the room for its marks, less than two.
    const int firstLineRows = qCeil(1.5 * font.pixelSize() * image.devicePixelRatio());
    const std::optional<Span> columns = firstCharacterColumns(image, firstLineRows, background);
    if (!columns) {
        return 0;
    }
    std::optional<int> top;
    for (int y = 0; y < image.height(); ++y) {
        const int ink = inkIn(image, y, *columns, background);
        if (ink > 0 && !top) {
            top = y;
        }
        if (2 * ink > columns->size()) {
            return top ? y - *top : 0;
        }
    }
    return 0;
}

// The same "È" drawn with nothing to cut it off.
int unclippedAccentRows(const QFont& font, const QColor& colour, qreal ratio) {
    const int side = 4 * font.pixelSize();
    QImage image(QSize(side, side) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(backgroundColour);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(font.pixelSize(), 2 * font.pixelSize()), QStringLiteral("È"));
    painter.end();
    return accentRows(image, font, backgroundColour.rgb());
}

// Horizontal runs of ink in each row, as their summed coverage: the mean is the mean width
// of a vertical stroke, in device pixels.
double meanStrokeWidth(const QImage& image, QRgb background, QRgb text) {
    const auto coverage = [&](QRgb pixel) {
        const int full = std::abs(qRed(text) - qRed(background)) +
                         std::abs(qGreen(text) - qGreen(background)) +
                         std::abs(qBlue(text) - qBlue(background));
        const int here = std::abs(qRed(pixel) - qRed(background)) +
                         std::abs(qGreen(pixel) - qGreen(background)) +
                         std::abs(qBlue(pixel) - qBlue(background));
        return double(here) / full;
    };
    constexpr double faint = 0.1;
    double total = 0;
    int runs = 0;
    for (int y = 0; y < image.height(); ++y) {
        double run = 0;
        for (int x = 0; x <= image.width(); ++x) {
            const double c = x < image.width() ? coverage(image.pixel(x, y)) : 0;
            if (c > faint) {
                run += c;
            } else if (run > 0) {
                total += run;
                ++runs;
                run = 0;
            }
        }
    }
    return runs ? total / runs : 0;
}

int lineBands(const QImage& image, QRgb background) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = inkIn(image, y, {0, image.width() - 1}, background) > 0;
        bands += ink && !inBand ? 1 : 0;
        inBand = ink;
    }
    return bands;
}

void addAccentedLabelRows(const WindowSpec& spec) {
    for (const ElementSpec& element : spec.elements) {
        if (element.kind == ElementKind::Label && element.caption.starts_with("È")) {
            const std::string row = std::string(element.name) + " " + std::string(element.caption);
            QTest::newRow(row.c_str())
                << &spec << QString::fromUtf8(element.name.data(), element.name.size());
        }
    }
}

// A bold caption and the same caption in the regular face, side by side.
constexpr std::array<ElementSpec, 2> boldAndRegular = {{
    {.name = "Bold",
     .kind = ElementKind::Label,
     .place = {0, 0, 6000, 300},
     .caption = "CLICCA SULLA SVEGLIETTA AL CENTRO",
     .font = {"Tahoma", 9.75, true}},
    {.name = "Regular",
     .kind = ElementKind::Label,
     .place = {0, 450, 6000, 300},
     .caption = "CLICCA SULLA SVEGLIETTA AL CENTRO",
     .font = {"Tahoma", 9.75, false}},
}};

constexpr WindowSpec boldAndRegularLayout{.name = "Weights",
                                          .clientWidth = 6000,
                                          .clientHeight = 900,
                                          .background = {"bg"},
                                          .elements = boldAndRegular};

// Only 9 pixels high: what does not fit in height is cut off as laid out.
const std::set<std::string_view> cutOffByDesign = {"Label77", "Label78", "Label79"};

void addLabelRows(const WindowSpec& spec) {
    for (const ElementSpec& element : spec.elements) {
        if (element.kind == ElementKind::Label) {
            const std::string row = std::string(spec.name) + " " + std::string(element.name);
            QTest::newRow(row.c_str())
                << &spec << QString::fromUtf8(element.name.data(), element.name.size());
        }
    }
}

bool withoutTheIntendedFonts() {
    return qEnvironmentVariableIsSet("FONTCONFIG_FILE");
}

} // namespace

Q_DECLARE_METATYPE(const toolkit::WindowSpec*)

class Captions : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void accentsShowInsideTheirBoxes_data();
    void accentsShowInsideTheirBoxes();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void boldIsHeavierThanRegular();
    void instructionsWrapOnTwoLinesAndPinkReachesItsColour();
};

// With fontconfig limited to a test set, the Wine fonts the program loads itself are dropped
// too, as on a machine without them.
void Captions::initTestCase() {
    if (withoutTheIntendedFonts()) {
        ViewRig loadsTheFonts(boldAndRegularLayout);
        QFontDatabase::removeAllApplicationFonts();
        QVERIFY(QFontDatabase::styles("Tahoma").isEmpty());
        QVERIFY(!QFontDatabase::families().contains("Liberation Serif"));
    }
}

void Captions::accentsShowInsideTheirBoxes_data() {
    QTest::addColumn<const WindowSpec*>("spec");
    QTest::addColumn<QString>("name");
    addAccentedLabelRows(clock_window::form1Layout());
    addAccentedLabelRows(credits_window::form2Layout());
}

void Captions::accentsShowInsideTheirBoxes() {
    QFETCH(const WindowSpec*, spec);
    QFETCH(QString, name);
    OneLabel shown(*spec, name.toStdString());
    QVERIFY(shown.label);
    const QImage box = shown.box();
    const QRgb background = shown.label->autoFillBackground()
                                ? shown.label->palette().color(QPalette::Window).rgb()
                                : backgroundColour.rgb();
    const int expected =
        unclippedAccentRows(shown.label->font(), shown.label->palette().color(QPalette::WindowText),
                            shown.label->devicePixelRatioF());
    QVERIFY2(expected > 0, "the font draws no accent over its È");
    const int seen = accentRows(box, shown.label->font(), background);
    QVERIFY2(
        seen >= expected,
        qPrintable(QString("%1 of the accent's %2 rows show in the box").arg(seen).arg(expected)));
}

void Captions::captionsFitTheirBoxes_data() {
    QTest::addColumn<const WindowSpec*>("spec");
    QTest::addColumn<QString>("name");
    addLabelRows(clock_window::form1Layout());
    addLabelRows(credits_window::form2Layout());
}

// The lines as the label lays them out and draws them, with its own font and wrapping: no
// line wider than the box, and the glyphs of all lines inside its height; with a wider
// substitute font too, which the label draws smaller rather than lose a letter.
void Captions::captionsFitTheirBoxes() {
    QFETCH(const WindowSpec*, spec);
    QFETCH(QString, name);
    if (!withoutTheIntendedFonts() && !QFile::exists("/usr/share/wine/fonts/tahoma.ttf")) {
        QSKIP("the Wine fonts are not installed");
    }
    ViewRig rig(*spec);
    rig.pictures.add(std::string(spec->background.name), Qt::black, {1, 1});
    rig.show();
    auto* label = rig.widget<LabelView>(name.toStdString());
    QVERIFY(label);
    const QRectF box = label->rect();
    const QRectF needed = label->captionInkBounds();
    QVERIFY2(needed.left() >= box.left() && needed.right() <= box.right(),
             qPrintable(QString("needs %1 px of %2").arg(needed.width()).arg(box.width())));
    if (!cutOffByDesign.contains(name.toStdString())) {
        QVERIFY2(needed.top() >= box.top() && needed.bottom() <= box.bottom(),
                 qPrintable(QString("needs %1 px of %2").arg(needed.height()).arg(box.height())));
    }
}

void Captions::boldIsHeavierThanRegular() {
    // The Wine "Tahoma Bold" measured no heavier than the regular face (0.94 times).
    constexpr double heavierBy = 1.15;
    OneLabel bold(boldAndRegularLayout, "Bold");
    OneLabel regular(boldAndRegularLayout, "Regular");
    const double boldStroke =
        meanStrokeWidth(bold.box(), backgroundColour.rgb(), qRgb(255, 255, 255));
    const double regularStroke =
        meanStrokeWidth(regular.box(), backgroundColour.rgb(), qRgb(255, 255, 255));
    qInfo("mean stroke width in device pixels: bold %.2f, regular %.2f", boldStroke, regularStroke);
    QVERIFY2(boldStroke > heavierBy * regularStroke,
             qPrintable(QString("bold %1, regular %2").arg(boldStroke).arg(regularStroke)));
}

void Captions::instructionsWrapOnTwoLinesAndPinkReachesItsColour() {
    OneLabel instructions(clock_window::form1Layout(), "Label61");
    const QImage lines = instructions.box();
    QCOMPARE(lineBands(lines, backgroundColour.rgb()), 2);

    OneLabel pink(clock_window::form1Layout(), "Label111");
    const QImage box = pink.box();
    const QRgb full = pink.label->palette().color(QPalette::WindowText).rgb();
    bool reached = false;
    for (int y = 0; y < box.height() && !reached; ++y) {
        for (int x = 0; x < box.width() && !reached; ++x) {
            reached = box.pixel(x, y) == full;
        }
    }
    QVERIFY2(reached, "no pixel of the pink caption has the caption's colour");
}

QTEST_MAIN(Captions)
#include "tst_captions.moc"
