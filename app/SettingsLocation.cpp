#include "app/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "AppInfo.h"

namespace {
// The program's path with its extension (from the last dot of the file name) replaced by ".INI".
QString PortablePath(const QFileInfo& exe) {
    const QString name = exe.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return QDir(exe.absolutePath()).filePath((dot < 0 ? name : name.left(dot)) + QStringLiteral(".INI"));
}

bool SameFolder(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() ? canonicalA == QFileInfo(b).canonicalFilePath()
                                 : QDir::cleanPath(a) == QDir::cleanPath(b);
}
} // namespace

QString SettingsFilePath(const SettingsPlace& place) {
    if (!place.commandLineFile.isEmpty())
        return QFileInfo(place.commandLineFile).absoluteFilePath();
    const QFileInfo exe(place.executable);
    const QString portable = PortablePath(exe);
    if (QFileInfo::exists(portable) || !SameFolder(exe.absolutePath(), place.installedBinDir))
        return portable;
    return QDir(place.configHome).filePath(QStringLiteral("clavito/clavito.INI"));
}

SettingsPlace CurrentSettingsPlace(const QString& commandLineFile) {
    return {commandLineFile, QCoreApplication::applicationFilePath(), QString::fromUtf8(kInstalledBinDir),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}
