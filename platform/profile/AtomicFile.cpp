#include "platform/profile/AtomicFile.h"

#include <fcntl.h>
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
    // Unbuffered, a short write (a full disk) shows in the count; through the buffer it would be lost and
    // the shortened file committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    // An uncommitted QSaveFile discards its temporary file, so an early return leaves no trace.
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    SyncFolderOf(path);
    return true;
}

} // namespace platform
