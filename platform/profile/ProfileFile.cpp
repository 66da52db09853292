#include "platform/profile/ProfileFile.h"

#include "platform/profile/AtomicFile.h"
#include "platform/profile/IniText.h"

namespace platform {

// Names and values travel as UTF-8; the settings the program keeps are ASCII, which reads the same in any
// of the usual encodings.
std::optional<QString> GetPrivateProfileString(const QString& section, const QString& key,
                                               const QString& file) {
    const std::optional<QByteArray> text = ReadWholeFile(file);
    if (!text) {
        return std::nullopt;
    }
    const std::optional<QByteArray> value = FindIniValue(*text, section.toUtf8(), key.toUtf8());
    if (!value) {
        return std::nullopt;
    }
    return QString::fromUtf8(*value);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file) {
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    if (!IsStorableIniEntry(sectionBytes, keyBytes, valueBytes)) {
        return false;
    }
    const std::optional<QByteArray> text = ReadFileForRewrite(file);
    if (!text) {
        return false;
    }
    return WriteFileAtomically(file, SetIniValue(*text, sectionBytes, keyBytes, valueBytes));
}

} // namespace platform
