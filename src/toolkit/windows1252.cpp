// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows1252.h"

#include <array>
#include <cstdint>

namespace toolkit::windows1252 {
namespace {

// Code points of bytes 0x80 to 0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> highControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The smallest code point each UTF-8 length may carry, by the number of continuation bytes.
constexpr std::array<char32_t, 4> smallestOfLength = {0x0, 0x80, 0x800, 0x10000};
constexpr char32_t firstSurrogate = 0xD800;
constexpr char32_t lastSurrogate = 0xDFFF;
constexpr char32_t lastCodePoint = 0x10FFFF;

constexpr unsigned char firstHigh = 0x80;
constexpr unsigned char lastHigh = 0x9F;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t toUnicode(unsigned char byte) {
    if (byte >= firstHigh && byte <= lastHigh) {
        return highControlRange[byte - firstHigh];
    }
    return byte;
}

std::optional<unsigned char> fromUnicode(char32_t codePoint) {
    if (codePoint < firstHigh || (codePoint > lastHigh && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] == codePoint) {
            return static_cast<unsigned char>(firstHigh + i);
        }
    }
    return std::nullopt;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            ++i; // stray continuation or invalid lead byte
            continue;
        }
        bool wellFormed = i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; wellFormed && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                wellFormed = false;
            } else {
                cp = (cp << 6) | (next & 0x3F);
            }
        }
        // An overlong form would smuggle in a character under another spelling ("\xC0\xB3"
        // for "3"); surrogates and code points past U+10FFFF are no characters at all.
        wellFormed = wellFormed && cp >= smallestOfLength[extra] &&
                     !(cp >= firstSurrogate && cp <= lastSurrogate) && cp <= lastCodePoint;
        if (!wellFormed) {
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (const auto byte = fromUnicode(cp)) {
            out += static_cast<char>(*byte);
        }
    }
    return out;
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace toolkit::windows1252
