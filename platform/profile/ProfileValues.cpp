#include "platform/profile/ProfileValues.h"

#include "platform/profile/IniText.h"
#include "platform/profile/ProfileFile.h"

namespace platform {
namespace {

constexpr std::uint64_t kLargestHex = 0xFFFFFFFFu;
constexpr std::uint64_t kLargestPositive = 0x7FFFFFFFu;
constexpr std::uint64_t kLargestNegative = 0x80000000u;

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Stops as soon as the number passes limit, so that any count of digits is safe.
std::optional<std::uint64_t> ParseDigits(QByteArrayView digits, int base, std::uint64_t limit) {
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        number = number * base + digit;
        if (number > limit) {
            return std::nullopt;
        }
    }
    return number;
}

std::optional<std::int32_t> ParseHex(QByteArrayView digits) {
    const std::optional<std::uint64_t> number = ParseDigits(digits, 16, kLargestHex);
    if (!number) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*number));
}

std::optional<std::int32_t> ParseDecimal(QByteArrayView text) {
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+')) {
        text = text.sliced(1);
    }
    const std::optional<std::uint64_t> number =
        ParseDigits(text, 10, negative ? kLargestNegative : kLargestPositive);
    if (!number) {
        return std::nullopt;
    }
    const auto magnitude = static_cast<std::int64_t>(*number);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
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
