#pragma once
// Private profile (INI) files, read and written one string value per call, straight to the file.
//
// Sections and keys compare without regard to case. A read re-reads the file; a write rewrites it whole
// through a temporary file in the same folder and a rename, so the file on disk is always either the old
// or the new complete content. Lines the program does not touch (other sections and keys, comments,
// unknown lines) are kept byte for byte. A new section goes to the end of the file, a new key to the end
// of its section. The line forms and where exactly new lines go are told in IniText.h.

#include <QString>
#include <optional>

namespace platform {

// The value text of key in section, or nullopt when the file, section or key is missing.
std::optional<QString> GetPrivateProfileString(const QString& section, const QString& key,
                                               const QString& file);

// Writes key=value in section. Returns false (and leaves the file as it was) when the write fails, and
// when the entry cannot be stored: a blank section or key name, a line break in any of the three, or a
// key that holds "=" or starts with "[", ";" or "#".
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

} // namespace platform
