// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into a hicolor icon tree: one PNG per desktop icon size and a
// scalable SVG, all from the drawing of the windows' icon, so that the desktop menu shows
// the same alarm clock as the program's windows at every size.
// Usage: render_icon OUTPUT_DIR ICON_NAME STAMP_FILE

#include "assets/application_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

constexpr qreal unscaled = 1.0;
const QString scalableFolder = QStringLiteral("scalable/apps");

int fail(const QString& message) {
    QTextStream(stderr) << "render_icon: " << message << '\n';
    return 1;
}

QString pngFolder(QSize size) {
    return QStringLiteral("%1x%2/apps").arg(size.width()).arg(size.height());
}

// The SVG's own coordinates are the drawing's, so a reader scales it as a whole.
bool writeSvg(const QString& path, const QString& iconName) {
    const QRectF design(QPointF(0, 0), assets::applicationIconDesign);
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(iconName);
    svg.setSize(design.size().toSize());
    svg.setViewBox(design);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    assets::paintApplicationIcon(painter);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        return fail("usage: render_icon OUTPUT_DIR ICON_NAME STAMP_FILE");
    }
    const QDir root(arguments[1]);
    const QString& iconName = arguments[2];

    const QIcon icon = assets::applicationIcon();
    for (const int side : assets::desktopIconSides) {
        const QSize size(side, side);
        const QPixmap pixmap = icon.pixmap(size, unscaled);
        if (pixmap.size() != size) {
            return fail(QStringLiteral("asked for %1x%2, got %3x%4")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(pixmap.width())
                            .arg(pixmap.height()));
        }
        const QString path = root.filePath(pngFolder(size) + '/' + iconName + ".png");
        if (!root.mkpath(pngFolder(size)) || !pixmap.save(path, "PNG")) {
            return fail("cannot write " + path);
        }
    }
    const QString svgPath = root.filePath(scalableFolder + '/' + iconName + ".svg");
    if (!root.mkpath(scalableFolder) || !writeSvg(svgPath, iconName)) {
        return fail("cannot write " + svgPath);
    }
    QFile stamp(arguments[3]);
    if (!stamp.open(QIODevice::WriteOnly)) {
        return fail("cannot write " + stamp.fileName());
    }
    return 0;
}
