// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Model texts are Windows-1252 byte strings; the widgets show Unicode.
namespace toolkit {

QString toQString(std::string_view windows1252Text);

// Characters Windows-1252 cannot hold are dropped. Each character of the result stands for
// one UTF-16 unit of the text, so nothing was dropped when the lengths are equal.
std::string toWindows1252(QStringView text);

// Whether a widget shows exactly this model text; reads both in place.
bool sameText(std::string_view windows1252Text, QStringView shown);

// The character code a key press hands to a box's key-press procedure: the Windows-1252
// byte as a signed 16-bit value, or nothing when Windows-1252 cannot hold the character.
std::optional<std::int16_t> characterCode(char32_t character);

// The character of a code that a box inserts (a byte, 0 to 255).
QChar characterOf(std::int16_t code);

} // namespace toolkit
