// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock_window/form1_layout.h"

#include <QRect>
#include <QString>

#include <string_view>

// Reading the clock window's layout in the terms its tests are written in.
namespace layout_test {

inline const toolkit::ElementSpec* findElement(const QString& name) {
    const QByteArray wanted = name.toUtf8();
    for (const toolkit::ElementSpec& element : clock_window::form1Layout().elements) {
        if (element.name == std::string_view(wanted.constData(), wanted.size())) {
            return &element;
        }
    }
    return nullptr;
}

inline QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QRect rectOf(const toolkit::Place& place) {
    return {place.left, place.top, place.width, place.height};
}

} // namespace layout_test

// Declares `element` for the named element, failing the test when the layout lacks it.
#define FETCH_ELEMENT(element, name)                                                               \
    const toolkit::ElementSpec* element = layout_test::findElement(name);                          \
    QVERIFY2(element != nullptr, qPrintable(QStringLiteral("no element %1").arg(name)))
