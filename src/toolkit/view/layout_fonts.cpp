#include "layout_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QString>
#include <QtMath>

#include <array>

namespace toolkit {
namespace {

constexpr std::array wineFontFiles = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
};

constexpr double layoutDotsPerInch = 96;
constexpr double pointsPerInch = 72;

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

QFont fontFor(const FontSpec& spec) {
    QFont font;
    font.setFamilies({QString::fromUtf8(spec.family.data(), qsizetype(spec.family.size()))});
    font.setPixelSize(qRound(spec.points * layoutDotsPerInch / pointsPerInch));
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace toolkit
