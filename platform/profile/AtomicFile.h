#pragma once
// Whole-file reads and crash-safe whole-file replacement for the profile files.

#include <optional>

#include <QByteArray>
#include <QString>

namespace platform {

// The file's bytes; empty for a file that does not exist; nullopt when it exists but cannot be read (a
// directory in its place, no permission, an I/O error), so that a rewrite never replaces what it could
// not see.
std::optional<QByteArray> ReadFileForRewrite(const QString& path);

// The file's bytes, or nullopt when it is missing or cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// Replaces the file's content with bytes: the new content goes to an unnamed or temporary file in the same
// folder, is flushed to the disk and then renamed over the old file, so that a crash or a full disk leaves
// either the old or the new complete file. Where the folder takes no new file, or the replacement could
// not be given the old file's owner, a writable file is rewritten in place instead. An existing file keeps
// its owner, group and mode. A file whose owner may not write it is left alone, even where the process
// could override that (as root). Returns false when anything fails.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace platform
