// Writes the program's icon into a hicolor icon tree as one PNG per desktop icon size, so
// the desktop menu shows the same alarm clock as the program's windows.
// Usage: render_icon OUTPUT_DIR ICON_NAME STAMP_FILE

#include "assets/application_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTextStream>

namespace {

constexpr qreal unscaled = 1.0;

int fail(const QString& message) {
    QTextStream(stderr) << "render_icon: " << message << '\n';
    return 1;
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
        const QString folder = QStringLiteral("%1x%2/apps").arg(size.width()).arg(size.height());
        const QString path = root.filePath(folder + '/' + iconName + ".png");
        if (!root.mkpath(folder) || !pixmap.save(path, "PNG")) {
            return fail("cannot write " + path);
        }
    }
    QFile stamp(arguments[3]);
    if (!stamp.open(QIODevice::WriteOnly)) {
        return fail("cannot write " + stamp.fileName());
    }
    return 0;
}
