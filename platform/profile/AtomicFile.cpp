#include "platform/profile/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {
namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The rename is durable only once the folder's entry reaches the disk; the content is complete either way,
// so a failure here does not undo the successful write.
void SyncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
}

bool IsMarkedReadOnly(const QFileInfo& info) {
    return info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner);
}

// Gives the file being written (a replacement, or the file itself when written in place) the owner, group
// and mode of the file it replaces, so that a run as another user (root through sudo) does not take the
// settings away from their owner. False when the owner cannot be kept.
bool KeepOwnership(int fd, const QString& path) {
    struct stat old {};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0)
        return true; // a new file
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0 || (now.st_mode & 07777) == (old.st_mode & 07777);
}

// Rewrites the file where it stands: for a file its user may write in a folder that takes no new file.
bool WriteInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    return file.write(bytes) == bytes.size() && ::fsync(file.handle()) == 0;
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> ReadFileForRewrite(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        return QByteArray();
    }
    return ReadWholeFile(path);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty() || IsMarkedReadOnly(QFileInfo(path))) {
        return false;
    }
    QSaveFile file(path);
    // Losing the settings is worse than a write that is not atomic: where the folder takes no temporary
    // file, QSaveFile writes the file in place.
    file.setDirectWriteFallback(true);
    // Unbuffered, a short write (a full disk) shows in the count; through the buffer it would be lost and
    // the shortened file committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    // A replacement that cannot have the old file's owner (this user may write the file but not give a
    // file away) is dropped, and the file rewritten in place instead.
    if (!KeepOwnership(file.handle(), path)) {
        file.cancelWriting();
        file.commit();
        return WriteInPlace(path, bytes);
    }
    // An uncommitted QSaveFile discards its temporary file, so an early return leaves no trace.
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    SyncFolderOf(path);
    return true;
}

} // namespace platform
