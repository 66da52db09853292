#include "platform/profile/ProfileValues.h"

#include <charconv>

#include "platform/profile/IniText.h"
#include "platform/profile/ProfileFile.h"

namespace platform {
namespace {

// The whole field as a number of one base, or nothing. std::from_chars takes no blanks, no '+' and, for an
// unsigned type, no '-', and reports a number out of the type's range.
template <typename Int> std::optional<Int> ParseWhole(QByteArrayView digits, int base) {
    Int number{};
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number, base);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

// Hexadecimal runs to 0xFFFFFFFF, read as the 32-bit pattern of a signed number.
std::optional<std::int32_t> ParseHex(QByteArrayView digits) {
    const std::optional<std::uint32_t> number = ParseWhole<std::uint32_t>(digits, 16);
    if (!number) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*number);
}

std::optional<std::int32_t> ParseDecimal(QByteArrayView text) {
    if (text.startsWith('+')) {
        text = text.sliced(1);
        if (text.startsWith('-')) {
            return std::nullopt;
        }
    }
    return ParseWhole<std::int32_t>(text, 10);
}

bool HasHexPrefix(QByteArrayView text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

std::optional<std::int32_t> ParseProfileInteger(QByteArrayView text) {
    text = TrimIniBlanks(text);
    if (HasHexPrefix(text)) {
        return ParseHex(text.sliced(2));
    }
    if (text.startsWith('$')) {
        return ParseHex(text.sliced(1));
    }
    return ParseDecimal(text);
}

std::optional<std::int32_t> ParseProfileInteger(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() > 0x7F) {
            return std::nullopt;
        }
    }
    return ParseProfileInteger(QByteArrayView(text.toLatin1()));
}

std::int32_t GetProfileInt(const QString& section, const QString& key, std::int32_t defaultValue,
                           const QString& file) {
    const std::optional<QString> text = GetPrivateProfileString(section, key, file);
    if (!text) {
        return defaultValue;
    }
    return ParseProfileInteger(QStringView(*text)).value_or(defaultValue);
}

bool GetProfileBool(const QString& section, const QString& key, bool defaultValue, const QString& file) {
    return GetProfileInt(section, key, defaultValue ? 1 : 0, file) != 0;
}

bool WriteProfileInt(const QString& section, const QString& key, std::int32_t value, const QString& file) {
    return WritePrivateProfileString(section, key, QString::number(value), file);
}

bool WriteProfileBool(const QString& section, const QString& key, bool value, const QString& file) {
    return WriteProfileInt(section, key, value ? 1 : 0, file);
}

} // namespace platform
