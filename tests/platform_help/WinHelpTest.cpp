#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

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

TEST_F(WinHelpTest, QuitWithoutViewerIsHarmless) {
    platform::WinHelp(&owner, helpPath, HELP_QUIT, 0);
    platform::WinHelp(nullptr, QString(), HELP_QUIT, 0);
    EXPECT_FALSE(platform::HelpViewerOpen());
}

TEST_F(WinHelpTest, MissingFileIsReportedInTheViewer) {
    platform::WinHelp(&owner, folder.filePath("gone.hlp"), HELP_FINDER, 0);
    ASSERT_TRUE(platform::HelpViewerOpen());
    EXPECT_TRUE(ViewerText().contains("gone.hlp was not found.")) << ViewerText().toStdString();
}

} // namespace
