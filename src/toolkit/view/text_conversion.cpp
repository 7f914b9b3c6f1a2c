// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_conversion.h"

#include "toolkit/windows1252.h"

namespace toolkit {

QString toQString(std::string_view windows1252Text) {
    QString text(static_cast<qsizetype>(windows1252Text.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : windows1252Text) {
        *out++ = characterOf(static_cast<unsigned char>(byte));
    }
    return text;
}

// Every Windows-1252 character is one UTF-16 unit, and no half of a surrogate pair is one.
std::string toWindows1252(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar unit : text) {
        if (const auto byte = windows1252::fromUnicode(unit.unicode())) {
            bytes += static_cast<char>(*byte);
        }
    }
    return bytes;
}

bool sameText(std::string_view windows1252Text, QStringView shown) {
    if (static_cast<qsizetype>(windows1252Text.size()) != shown.size()) {
        return false;
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (characterOf(static_cast<unsigned char>(windows1252Text[std::size_t(i)])) != shown[i]) {
            return false;
        }
    }
    return true;
}

std::optional<std::int16_t> characterCode(char32_t character) {
    if (const auto byte = windows1252::fromUnicode(character)) {
        return static_cast<std::int16_t>(*byte);
    }
    return std::nullopt;
}

QChar characterOf(std::int16_t code) {
    // Every Windows-1252 character lies in the Basic Multilingual Plane.
    return QChar(static_cast<char16_t>(windows1252::toUnicode(static_cast<unsigned char>(code))));
}

} // namespace toolkit
