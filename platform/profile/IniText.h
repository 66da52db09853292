#pragma once
// The text form of a profile file, as bytes: finding the value of a key, and setting one key while every
// other byte of the text stays where it was.
//
// A line is the bytes up to a line feed; a carriage return just before the line feed (or at the very end of
// the text) belongs to the line break. Spaces and tabs around names and values do not count. A line whose
// text starts with "[" and holds a "]" opens a section named by what lies between the "[" and the last "]".
// A line with an "=" and a non-empty name before it gives a key; the first "=" splits. Lines starting with
// ";" or "#", lines without "=" and key lines before the first section belong to no key and are kept as
// they are. A UTF-8 byte order mark before the first line is not part of it. Names compare without regard to
// ASCII case. Only the first section of a name is consulted, and in it the first key of a name: duplicates
// further down are kept but never read or changed.

#include <optional>

#include <QByteArray>
#include <QByteArrayView>

namespace platform {

// Spaces and tabs trimmed from both ends.
QByteArrayView TrimIniBlanks(QByteArrayView text);

// The value of key in section (trimmed), or nullopt when the section or the key is missing.
std::optional<QByteArray> FindIniValue(QByteArrayView text, QByteArrayView section, QByteArrayView key);

// Whether SetIniValue can store these so that FindIniValue finds them again: no name may be blank, and none
// of the three may hold a line break; a key may not hold "=" nor start like a section or a comment.
bool IsStorableIniEntry(QByteArrayView section, QByteArrayView key, QByteArrayView value);

// The text with key in section set to value; the entry must be storable. A key that exists is rewritten in
// place as "key=value" in its own spelling. A missing key goes right after the last key line of its section
// (comments and blank lines that follow that key stay after the new one), or right after the section's
// header when the section has no key yet. A missing section goes to the end as "[section]" and
// "key=value". Added lines end with the line break the text already uses (CRLF when its first line ends
// with one, else LF); when they follow a last line that has no line break, one is put in front of them.
QByteArray SetIniValue(QByteArrayView text, QByteArrayView section, QByteArrayView key, QByteArrayView value);

} // namespace platform
