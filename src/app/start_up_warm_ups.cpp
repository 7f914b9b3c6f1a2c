#include "start_up_warm_ups.h"

#include <QDBusConnection>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace app {

void readFontconfigConfiguration() {
    FcInit();
}

void connectToSessionBus() {
    QDBusConnection::sessionBus();
}

void listInstalledFonts() {
    QFontDatabase::families();
}

} // namespace app
