// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/application_icon.h"
#include "assets/pictures.h"
#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "display_connection.h"
#include "toolkit/random.h"
#include "toolkit/view/qt_host.h"
#include "window_icon_after_first_paint.h"

#include <QApplication>

// The clock window is the start-up window: the run ends when it is closed.
int main(int argc, char* argv[]) {
    app::DisplayConnection display;
    QApplication application(argc, argv);
    display.opened();
    QApplication::setApplicationName(QStringLiteral("Ardesino"));
    QApplication::setApplicationVersion(QStringLiteral(ARDESINO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ARDESINO_APP_ID));
    app::WindowIconAfterFirstPaint icon(assets::applicationIcon());

    toolkit::DefaultRandom source;
    assets::Pictures pictures;
    toolkit::QtHost host(pictures); // registers the layouts' fonts first
    clock_window::Form1 form1(host, source);
    credits_window::Credits credits(form1, host);

    form1.Show();
    return QApplication::exec();
}
