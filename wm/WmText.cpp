#include "wm/WmText.h"

#include <QString>

#include <cstring>

namespace tonvexa {

std::u16string Utf8ToUtf16(std::string_view text) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()),
                          static_cast<std::size_t>(s.size()));
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

std::u16string Utf16FromBytes(const std::uint8_t* value, std::size_t length) {
    std::u16string text;
    if (!value) return text;
    text.reserve(length / 2);
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const char16_t unit = static_cast<char16_t>(value[i] | (value[i + 1] << 8));
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

}  // namespace tonvexa
