#include "platform/midi/SoundFont.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/midi/FluidSynthLibrary.h"

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
    const FluidSynthApi* fluid = fluidSynth();
    return fluid != nullptr && QFileInfo(path).isFile() &&
           fluid->fluid_is_soundfont(QFile::encodeName(path).constData()) != 0;
}

} // namespace platform
