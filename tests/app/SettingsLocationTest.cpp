// Which settings file a run uses: --settings, a portable copy, an installed copy.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/SettingsLocation.h"

TEST(SettingsLocation, CommandLineThenPortableThenTheUsersConfigurationFolder) {
    QTemporaryDir root;
    for (const char* folder : {"usr/bin", "build", "opt/bin"})
        ASSERT_TRUE(QDir(root.path()).mkpath(folder));
    QFile(root.filePath("opt/bin/clavito.INI")).open(QIODevice::WriteOnly); // placed there by hand
    const QString bin = root.filePath("usr/bin"), config = root.filePath("home/.config");
    const struct {
        const char *commandLine, *executable;
        QString expected;
    } cases[] = {
        {"", "usr/bin/clavito", config + "/clavito/clavito.INI"},
        {"", "build/clavito", root.filePath("build/clavito.INI")},
        {"", "build/clavito.bin", root.filePath("build/clavito.INI")},
        {"", "opt/bin/clavito", root.filePath("opt/bin/clavito.INI")},
        {"/tmp/mine.ini", "usr/bin/clavito", "/tmp/mine.ini"},
        {"rel/mine.ini", "build/clavito", QDir::current().absoluteFilePath("rel/mine.ini")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsFilePath({c.commandLine, root.filePath(c.executable), bin, config}), c.expected)
            << c.executable;
    // A file placed beside the installed program by hand wins.
    QFile(root.filePath("usr/bin/clavito.INI")).open(QIODevice::WriteOnly);
    EXPECT_EQ(SettingsFilePath({"", root.filePath("usr/bin/clavito"), bin, config}),
              root.filePath("usr/bin/clavito.INI"));
}
