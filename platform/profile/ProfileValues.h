#pragma once
// Integer and boolean settings kept as text in a profile file.
//
// Integers are written in decimal, with a leading "-" for negative numbers and no plus sign or leading
// zeros. When read, a text longer than two characters that starts with "0x" or "0X", or a text that starts
// with "$", is hexadecimal (digits of either case, up to FFFFFFFF, which reads as the 32-bit two's
// complement: "$FFFFFFFF" is -1); anything else is decimal with an optional "+" or "-" and must fit in 32
// bits. Spaces and tabs around the text are ignored, as the profile reader ignores them around a value.
// Booleans are written as "1" and "0"; any integer other than 0 reads as true.

#include <cstdint>
#include <optional>

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// The integer a settings text denotes, or nullopt when it is empty or not a valid 32-bit integer.
std::optional<std::int32_t> ParseProfileInteger(QByteArrayView text);
std::optional<std::int32_t> ParseProfileInteger(QStringView text);

// The integer value of key in section, or defaultValue when the key is missing, empty or not an integer.
std::int32_t GetProfileInt(const QString& section, const QString& key, std::int32_t defaultValue,
                           const QString& file);

// The boolean value of key in section, or defaultValue when the key is missing, empty or not an integer.
bool GetProfileBool(const QString& section, const QString& key, bool defaultValue, const QString& file);

// Write the value as decimal text, or as "1" or "0"; false when the file could not be written.
bool WriteProfileInt(const QString& section, const QString& key, std::int32_t value, const QString& file);
bool WriteProfileBool(const QString& section, const QString& key, bool value, const QString& file);

} // namespace platform
