#include "platform/help/HelpFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

constexpr const char* kDataFolders[] = {CLAVITO_INSTALLED_DATA_DIR, "/usr/local/share/clavito",
                                        "/usr/share/clavito"};

} // namespace

QStringList HelpSearchPath() {
    QStringList folders{QCoreApplication::applicationDirPath()};
    for (const char* folder : kDataFolders) {
        const QString path = QDir::cleanPath(QString::fromUtf8(folder));
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
