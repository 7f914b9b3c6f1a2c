// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_connection.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace app {
namespace {

constexpr int cannotOpenTheDisplay = 1;

struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

// The start-up workers may log while the GUI thread connects.
std::mutex heldLock;
std::vector<HeldMessage> held;
QtMessageHandler previous = nullptr;
bool watching = false;

std::string copyOf(const char* text) {
    return text ? std::string(text) : std::string();
}

// The display the platform was asked for, as the user named it.
std::string displayName() {
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) {
            return '"' + value.toStdString() + '"';
        }
    }
    return "(DISPLAY is not set)";
}

[[noreturn]] void reportNoDisplay() {
    std::fprintf(stderr, "ardesino: cannot open the display %s\n", displayName().c_str());
    std::fflush(stderr);
    std::_Exit(cannotOpenTheDisplay);
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        reportNoDisplay();
    }
    const std::lock_guard lock(heldLock);
    held.push_back({type, copyOf(context.file), context.line, copyOf(context.function),
                    copyOf(context.category), text});
}

} // namespace

DisplayConnection::DisplayConnection() {
    previous = qInstallMessageHandler(hold);
    watching = true;
}

DisplayConnection::~DisplayConnection() {
    opened();
}

void DisplayConnection::opened() {
    if (!watching) {
        return;
    }
    watching = false;
    qInstallMessageHandler(previous);
    const std::lock_guard lock(heldLock);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace app
