// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>

#include <string_view>

namespace assets {

// The custom mouse pointers, drawn at cursor size.
inline constexpr QSize pointerSize{32, 32};

struct PointerShape {
    std::string_view name;
    QPoint hotSpot;
    void (*draw)(QPainter&);
};

void drawPointingHand(QPainter& painter);
void drawWritingHand(QPainter& painter);

// The pointing hand clicks with the tip of its raised index finger; the writing hand
// with the point of its pencil.
inline constexpr PointerShape pointingHand{"pointing-hand", {12, 1}, drawPointingHand};
inline constexpr PointerShape writingHand{"writing-hand", {2, 29}, drawWritingHand};

} // namespace assets
