// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts of the model are Windows-1252 byte strings: one byte is one character, so a
// length is a character count. The five bytes Windows-1252 leaves undefined map to the
// C1 control code points of the same value, which makes the mapping total both ways.
namespace toolkit::windows1252 {

char32_t toUnicode(unsigned char byte);

// The byte for a code point, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

// UTF-8 source text to Windows-1252; characters Windows-1252 cannot hold are dropped,
// as are malformed sequences.
std::string fromUtf8(std::string_view utf8);

std::string toUtf8(std::string_view text);

} // namespace toolkit::windows1252
