#include "text_conversion.h"

#include "toolkit/windows1252.h"

#include <QList>

namespace toolkit {

QString toQString(std::string_view windows1252Text) {
    QString text;
    text.reserve(static_cast<qsizetype>(windows1252Text.size()));
    for (const char byte : windows1252Text) {
        text += characterOf(static_cast<unsigned char>(byte));
    }
    return text;
}

std::string toWindows1252(const QString& text) {
    std::string bytes;
    for (const uint character : text.toUcs4()) {
        if (const auto byte = windows1252::fromUnicode(char32_t(character))) {
            bytes += static_cast<char>(*byte);
        }
    }
    return bytes;
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
