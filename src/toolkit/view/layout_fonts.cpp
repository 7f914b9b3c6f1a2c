// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout_fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QtMath>

#include <array>
#include <utility>
#include <vector>

namespace toolkit {
namespace {

// The Wine "Tahoma Bold" is left out: its strokes are hardly heavier than the regular
// face's. Bold Tahoma is the regular face emboldened by the font engine.
constexpr std::array wineFontFiles = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
};

// Scalable relatives of bitmap fonts, for the sizes and weights a bitmap font lacks (the
// Wine "MS Sans Serif" has a 13-pixel regular strike only) and for high-density screens.
constexpr std::array<std::pair<const char*, const char*>, 1> scalableStandIns = {{
    {"MS Sans Serif", "Tahoma"},
}};

constexpr double layoutDotsPerInch = 96;
constexpr double pointsPerInch = 72;

// FreeType's synthetic bold widens each glyph by a 24th of the em and keeps the advances;
// the same extra letter spacing keeps the gaps between letters those of the regular face.
constexpr double emboldenedGrowthPerPixel = 1.0 / 24;

bool hasBoldStyle(const QString& family, const QStringList& styles) {
    for (const QString& style : styles) {
        if (QFontDatabase::bold(family, style)) {
            return true;
        }
    }
    return false;
}

// The database lists a bitmap font's strikes in whole points at the font resolution; asking
// for the font itself would load it only to learn which size it came in.
bool listsStrike(const QString& family, bool bold, int pixelSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dotsPerInch = QCoreApplication::testAttribute(Qt::AA_Use96Dpi) || !screen
                                ? int(layoutDotsPerInch)
                                : qRound(screen->logicalDotsPerInchY());
    const int points = qRound(pixelSize * pointsPerInch / dotsPerInch);
    const QString style = bold ? QStringLiteral("Bold") : QString();
    return QFontDatabase::pointSizes(family, style).contains(points);
}

// A bitmap font draws well only at its own sizes, unscaled, and is never made bold. The
// family is looked up by its exact name: resolving an alias runs every fontconfig rule on
// each call, and a family known only by an alias is not one of the bitmap fonts loaded here.
bool bitmapFontLacks(const QFont& font) {
    const QString family = font.families().front();
    const QStringList styles = QFontDatabase::styles(family);
    if (styles.isEmpty() || QFontDatabase::isScalable(family)) {
        return false;
    }
    if ((font.bold() && !hasBoldStyle(family, styles)) || qGuiApp->devicePixelRatio() != 1) {
        return true;
    }
    return !listsStrike(family, font.bold(), font.pixelSize());
}

// A scalable family without a bold face, made bold by the font engine. The family is looked
// up by its exact name, as for the bitmap fonts: one known only by an alias is not one of
// the fonts loaded here.
bool isEmboldenedSynthetically(const QFont& font) {
    const QString family = font.families().front();
    const QStringList styles = QFontDatabase::styles(family);
    return font.bold() && !styles.isEmpty() && QFontDatabase::isScalable(family) &&
           !hasBoldStyle(family, styles);
}

QString scalableStandIn(const QString& family) {
    for (const auto& [bitmap, scalable] : scalableStandIns) {
        if (family == QLatin1String(bitmap)) {
            return QString::fromLatin1(scalable);
        }
    }
    return family;
}

} // namespace

void loadLayoutFonts() {
    static const bool loaded = [] {
        for (const char* path : wineFontFiles) {
            if (QFile::exists(QString::fromLatin1(path))) {
                QFontDatabase::addApplicationFont(QString::fromLatin1(path));
            }
        }
        return true;
    }();
    (void)loaded;
}

namespace {

QFont resolvedFont(const FontSpec& spec) {
    QFont font;
    font.setFamilies({QString::fromUtf8(spec.family.data(), qsizetype(spec.family.size()))});
    font.setPixelSize(qRound(spec.points * layoutDotsPerInch / pointsPerInch));
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    if (bitmapFontLacks(font)) {
        font.setFamilies({scalableStandIn(font.families().front())});
    }
    if (isEmboldenedSynthetically(font)) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, font.pixelSize() * emboldenedGrowthPerPixel);
    }
    return font;
}

struct ResolvedFont {
    FontSpec spec;
    qreal devicePixelRatio;
    QFont font;
};

} // namespace

// The font database is slow to ask, and a layout has only a handful of fonts: each is
// resolved once per screen density.
QFont fontFor(const FontSpec& spec) {
    static std::vector<ResolvedFont> resolved;
    const qreal ratio = qGuiApp->devicePixelRatio();
    for (const ResolvedFont& entry : resolved) {
        if (entry.spec.family == spec.family && entry.spec.points == spec.points &&
            entry.spec.bold == spec.bold && entry.devicePixelRatio == ratio) {
            return entry.font;
        }
    }
    resolved.push_back({spec, ratio, resolvedFont(spec)});
    return resolved.back().font;
}

} // namespace toolkit
