// Which settings file a run uses: --settings, a portable copy, an installed copy.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/SettingsLocation.h"
#include "support/Files.h"

TEST(SettingsLocation, CommandLineThenPortableThenTheUsersConfigurationFolder) {
    QTemporaryDir root;
    for (const char* folder : {"usr/bin", "build", "opt/bin"})
        ASSERT_TRUE(QDir(root.path()).mkpath(folder));
    ASSERT_TRUE(WriteFile(root.filePath("opt/bin/clavito.INI"), {})); // placed there by hand
    const QString config = root.filePath("home/.config");
    const struct {
        const char *commandLine, *executable, *bin; // bin: where the installed program lives
        QString expected;
    } cases[] = {
        {"", "usr/bin/clavito", "usr/bin", config + "/clavito/clavito.INI"},
        {"", "build/clavito", "usr/bin", root.filePath("build/clavito.INI")},
        {"", "build/clavito.bin", "usr/bin", root.filePath("build/clavito.INI")},
        {"", "opt/bin/clavito", "opt/bin",
         root.filePath("opt/bin/clavito.INI")}, // an installed copy's own file
        {"/tmp/mine.ini", "usr/bin/clavito", "usr/bin", "/tmp/mine.ini"},
        {"rel/mine.ini", "build/clavito", "usr/bin", QDir::current().absoluteFilePath("rel/mine.ini")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            SettingsFilePath({c.commandLine, root.filePath(c.executable), root.filePath(c.bin), config}),
            c.expected)
            << c.executable;
}
