#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUuid>

#include "platform/help/HelpFile.h"
#include "platform/help/HelpViewer.h"
#include "platform/help/WinHelp.h"

using platform::HELP_FINDER;
using platform::HELP_QUIT;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class WinHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        helpPath = folder.filePath("Test.hlp");
        writeFile(helpPath, "<html><body><h1>Test topic</h1><p>Play the keys.</p></body></html>");
    }
    void TearDown() override {
        platform::WinHelp(owner.get(), helpPath, HELP_QUIT, 0);
        platform::SetHelpHook({});
    }

    std::vector<platform::HelpViewer*> viewers() const {
        const auto found = owner->findChildren<platform::HelpViewer*>();
        return {found.begin(), found.end()};
    }

    QTemporaryDir folder;
    QString helpPath;
    std::unique_ptr<QWidget> owner = std::make_unique<QWidget>();
};

} // namespace

TEST_F(WinHelpTest, FinderOpensAndQuitCloses) {
    EXPECT_FALSE(platform::HelpViewerOpen());
    platform::WinHelp(owner.get(), helpPath, HELP_FINDER, 0);
    ASSERT_TRUE(platform::HelpViewerOpen());
    const auto open = viewers();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_TRUE(open[0]->isWindow());
    EXPECT_TRUE(open[0]->isVisible());
    EXPECT_EQ(open[0]->windowTitle(), "Clavito Help");
    EXPECT_TRUE(open[0]->browser()->toPlainText().contains("Play the keys."));

    platform::WinHelp(owner.get(), helpPath, HELP_QUIT, 0);
    EXPECT_FALSE(platform::HelpViewerOpen());
    EXPECT_TRUE(viewers().empty());
}

TEST_F(WinHelpTest, SecondFinderRaisesTheSameViewer) {
    platform::WinHelp(owner.get(), helpPath, HELP_FINDER, 0);
    platform::HelpViewer* first = viewers().at(0);
    first->hide();
    platform::WinHelp(owner.get(), helpPath, HELP_FINDER, 0);
    ASSERT_EQ(viewers().size(), 1u);
    EXPECT_EQ(viewers()[0], first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(WinHelpTest, QuitWithoutViewerIsHarmless) {
    platform::WinHelp(owner.get(), helpPath, HELP_QUIT, 0);
    platform::WinHelp(nullptr, QString(), HELP_QUIT, 0);
    EXPECT_FALSE(platform::HelpViewerOpen());
}

TEST_F(WinHelpTest, OtherCommandsAreIgnored) {
    for (const std::uint32_t command : {0u, 1u, 3u, 257u}) {
        platform::WinHelp(owner.get(), helpPath, command, 0);
        EXPECT_FALSE(platform::HelpViewerOpen()) << command;
    }
}

TEST_F(WinHelpTest, MissingFileIsReportedInTheViewer) {
    const QString name = "Missing-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".hlp";
    platform::WinHelp(owner.get(), name, HELP_FINDER, 0);
    ASSERT_TRUE(platform::HelpViewerOpen());
    const QString text = viewers().at(0)->browser()->toPlainText();
    EXPECT_TRUE(text.contains("The help file " + name + " was not found.")) << text.toStdString();
    EXPECT_TRUE(text.contains(QCoreApplication::applicationDirPath()));
    EXPECT_TRUE(text.contains("/usr/share/clavito"));
}

TEST_F(WinHelpTest, EmptyOrMissingAbsolutePathDoesNotCrash) {
    platform::WinHelp(owner.get(), QString(), HELP_FINDER, 0);
    EXPECT_TRUE(platform::HelpViewerOpen());
    platform::WinHelp(owner.get(), QString(), HELP_QUIT, 0);
    platform::WinHelp(owner.get(), folder.filePath("gone.hlp"), HELP_FINDER, 0);
    EXPECT_TRUE(viewers().at(0)->browser()->toPlainText().contains("gone.hlp was not found."));
}

TEST_F(WinHelpTest, ViewerGoesWithItsOwner) {
    platform::WinHelp(owner.get(), helpPath, HELP_FINDER, 0);
    owner.reset();
    EXPECT_FALSE(platform::HelpViewerOpen());
    owner = std::make_unique<QWidget>();
}

TEST_F(WinHelpTest, ClosingTheWindowEndsTheViewer) {
    platform::WinHelp(owner.get(), helpPath, HELP_FINDER, 0);
    viewers().at(0)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(platform::HelpViewerOpen());
}

TEST_F(WinHelpTest, HookRecordsAndSuppressesTheViewer) {
    std::vector<std::uint32_t> commands;
    platform::SetHelpHook([&commands](std::uint32_t command) { commands.push_back(command); });
    platform::WinHelp(owner.get(), helpPath, HELP_FINDER, 0);
    EXPECT_FALSE(platform::HelpViewerOpen());
    platform::WinHelp(owner.get(), helpPath, HELP_QUIT, 0);
    EXPECT_EQ(commands, (std::vector<std::uint32_t>{HELP_FINDER, HELP_QUIT}));
}

TEST(HelpFile, SearchPathStartsBesideTheExecutable) {
    QStringList path = platform::HelpSearchPath();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(path.first(), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(path.contains("/usr/local/share/clavito"));
    EXPECT_TRUE(path.contains("/usr/share/clavito"));
    EXPECT_LT(path.indexOf("/usr/local/share/clavito"), path.indexOf("/usr/share/clavito"));
    EXPECT_EQ(path.removeDuplicates(), 0);
}

TEST(HelpFile, BareNameIsFoundBesideTheExecutable) {
    const QString name = "Beside-" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ".hlp";
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    writeFile(path, "<p>beside</p>");
    EXPECT_EQ(platform::FindHelpFile(name), path);
    QFile::remove(path);
    EXPECT_TRUE(platform::FindHelpFile(name).isEmpty());
}

TEST(HelpFile, TheProgramsHelpFileReadsInBothLanguages) {
    QWidget owner;
    platform::WinHelp(&owner, CLAVITO_HELP_SOURCE, HELP_FINDER, 0);
    auto* viewer = owner.findChild<platform::HelpViewer*>();
    ASSERT_NE(viewer, nullptr);
    const QString text = viewer->browser()->toPlainText();
    for (const char* expected :
         {"Clavito", "clavito.INI", "Output=", "AudioDriver", "Connect=midi-monitor:input"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_TRUE(text.contains(QString::fromUtf8("設定ファイル"))) << "Japanese text decodes as UTF-8";
    platform::WinHelp(&owner, CLAVITO_HELP_SOURCE, HELP_QUIT, 0);
}
