#include "platform/midi/SoundFont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

constexpr char kSoundFontFolder[] = "/usr/share/sounds/sf2";
constexpr char kDefaultName[] = "default-GM.sf2";

} // namespace

QString defaultSoundFont() {
    const QDir folder(QString::fromLatin1(kSoundFontFolder));
    const QFileInfo preferred(folder.filePath(QString::fromLatin1(kDefaultName)));
    if (preferred.isFile()) {
        return preferred.filePath();
    }
    const QStringList found = folder.entryList({QStringLiteral("*.sf2")}, QDir::Files, QDir::Name);
    return found.isEmpty() ? QString() : folder.filePath(found.first());
}

bool isSoundFontFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "sfbk";
}

} // namespace platform
