#pragma once
// Whole files in and out: the settings files, guides and SoundFonts the tests lay down and read back.

#include <QFile>

// Replaces the file's content; false when it cannot be written.
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The file's content, or "(unreadable)".
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
