#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "platform/help/HelpFile.h"
#include "platform/help/HelpViewer.h"
#include "platform/help/WinHelp.h"

namespace {

// A bare name is looked up in clavito/ of each data folder named by XDG_DATA_DIRS; a missing guide is said so
// in the viewer; HELP_QUIT closes the viewer.
TEST(WinHelp, FinderShowsTheGuideFromTheDataFoldersAndQuitCloses) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath("b/clavito"));
    QFile file(folder.filePath("b/clavito/Test.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("<p>Play the keys.</p>") > 0);
    file.close();
    qputenv("XDG_DATA_DIRS", (folder.filePath("a") + ':' + folder.filePath("b")).toUtf8());
    QWidget owner;
    for (const auto& [name, text] :
         {std::pair{"Test.hlp", "Play the keys."}, std::pair{"Gone.hlp", "Gone.hlp was not found."}}) {
        platform::WinHelp(&owner, name, platform::HELP_FINDER, 0);
        const auto viewers = owner.findChildren<platform::HelpViewer*>();
        ASSERT_EQ(viewers.size(), 1);
        EXPECT_TRUE(viewers[0]->browser()->toPlainText().contains(text)) << name;
        platform::WinHelp(&owner, name, platform::HELP_QUIT, 0);
        EXPECT_FALSE(platform::HelpViewerOpen());
        EXPECT_TRUE(owner.findChildren<platform::HelpViewer*>().empty());
    }
}

} // namespace
