#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "platform/help/HelpFile.h"
#include "platform/help/HelpViewer.h"
#include "platform/help/WinHelp.h"

using platform::HELP_FINDER;
using platform::HELP_QUIT;

namespace {

class WinHelpTest : public ::testing::Test {
protected:
    void TearDown() override { platform::WinHelp(&owner, helpPath, HELP_QUIT, 0); }

    QString ViewerText() const {
        const auto viewers = owner.findChildren<platform::HelpViewer*>();
        return viewers.size() == 1 ? viewers[0]->browser()->toPlainText() : QString();
    }

    QTemporaryDir folder;
    QString helpPath = folder.filePath("Test.hlp");
    QWidget owner;
};

TEST_F(WinHelpTest, FinderOpensAndQuitCloses) {
    QFile file(helpPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><p>Play the keys.</p></body></html>");
    file.close();
    platform::WinHelp(&owner, helpPath, HELP_FINDER, 0);
    ASSERT_TRUE(platform::HelpViewerOpen());
    EXPECT_TRUE(ViewerText().contains("Play the keys."));
    platform::WinHelp(&owner, helpPath, HELP_QUIT, 0);
    EXPECT_FALSE(platform::HelpViewerOpen());
    EXPECT_TRUE(owner.findChildren<platform::HelpViewer*>().empty());
}

// An installed guide is found in clavito/ of a data folder named by XDG_DATA_DIRS.
TEST_F(WinHelpTest, ABareNameIsFoundInTheDataFolders) {
    const QByteArray saved = qgetenv("XDG_DATA_DIRS");
    ASSERT_TRUE(QDir(folder.path()).mkpath("b/clavito"));
    QFile(folder.filePath("b/clavito/Test.hlp")).open(QIODevice::WriteOnly);
    qputenv("XDG_DATA_DIRS", (folder.filePath("a") + ':' + folder.filePath("b")).toUtf8());
    EXPECT_EQ(platform::FindHelpFile("Test.hlp"), folder.filePath("b/clavito/Test.hlp"));
    EXPECT_EQ(platform::FindHelpFile("Other.hlp"), QString());
    qputenv("XDG_DATA_DIRS", saved);
}

TEST_F(WinHelpTest, MissingFileIsReportedInTheViewer) {
    platform::WinHelp(&owner, folder.filePath("gone.hlp"), HELP_FINDER, 0);
    ASSERT_TRUE(platform::HelpViewerOpen());
    EXPECT_TRUE(ViewerText().contains("gone.hlp was not found.")) << ViewerText().toStdString();
}

} // namespace
