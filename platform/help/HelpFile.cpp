#include "platform/help/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

// The data folders are $XDG_DATA_HOME and $XDG_DATA_DIRS (by default /usr/local/share and /usr/share); the
// install prefix's own comes last for a prefix outside them.
QStringList HelpSearchPath() {
    QStringList folders{QCoreApplication::applicationDirPath()};
    QStringList data;
    for (const QString& root : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        data.append(QDir(root).filePath(QStringLiteral("clavito")));
    }
    data.append(QString::fromUtf8(CLAVITO_INSTALLED_DATA_DIR));
    for (const QString& folder : data) {
        const QString path = QDir::cleanPath(folder);
        if (!folders.contains(path)) {
            folders.append(path);
        }
    }
    return folders;
}

QString FindHelpFile(const QString& helpFile) {
    if (helpFile.isEmpty()) {
        return {};
    }
    if (QFileInfo(helpFile).isAbsolute()) {
        return QFileInfo(helpFile).isFile() ? helpFile : QString();
    }
    for (const QString& folder : HelpSearchPath()) {
        const QFileInfo candidate(QDir(folder), helpFile);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

} // namespace platform
