#include "platform/profile/ProfileFile.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

// Every case asks for key "Key" of section "Sound".
TEST(ProfileFile, ReadFindsTheValueOfEveryLineForm) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    const std::pair<QByteArray, std::optional<QByteArray>> cases[] = {
        // clang-format off
        {" \t[ Sound ]\t\n  Key \t=\t 5 7 \n", "5 7"},
        {"[Sound]\nKey=1\nkey=2\n", "1"},
        {"[Sound]\nA=1\n[Sound]\nKey=2\n", std::nullopt},
        {"Key=0\n[Sound]\nA=1\n", std::nullopt},
        {"[Sound]\n;Key=1\n# Key=3\nKey=2\n", "2"},
        {"[Sound]\r\nA=1\r\nKey=2\r\n", "2"},
        {"\x01\xFF[junk\n[Sound]\n\x80\x81=x\nKey=\xC3\xA9t\xC3\xA9\n", "\xC3\xA9t\xC3\xA9"},
        {QByteArray("\0\0\n[Sound]\nN\0=1\nKey=a\0b\n", 24), QByteArray("a\0b", 3)},
        // clang-format on
    };
    for (const auto& [content, value] : cases) {
        ASSERT_TRUE(WriteFile(path, content));
        const auto expected = value ? std::optional(QString::fromUtf8(*value)) : std::nullopt;
        EXPECT_EQ(platform::GetPrivateProfileString("Sound", "Key", path), expected) << content.data();
    }
    EXPECT_EQ(platform::GetPrivateProfileString("Sound", "Key", path + ".missing"), std::nullopt);
}

// Settings files prepared by an administrator or left behind by a run through sudo. The tests run as root,
// for whom no file is read-only, so the user's writes run in a child process under an ordinary account.
TEST(ProfileFile, AUsersFileKeepsItsOwnerModeAndContentWhateverTheFolderAllows) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    ASSERT_TRUE(::getpwnam("clavito-test") ||
                std::system("useradd --system --no-create-home clavito-test") == 0);
    const passwd user = *::getpwnam("clavito-test");
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const struct {
        bool userFolder, userFile; // else root's
        mode_t fileMode;
        bool asUser, written;
    } cases[] = {
        // clang-format off
        {false, true, 0644, true, true},    // a writable file in a read-only folder is rewritten in place
        {true, false, 0666, true, true},    // another's file that all may write keeps its owner
        {true, true, 0640, false, true},    // a root run leaves the user's file the user's
        {true, true, 0200, true, false},    // a file that cannot be read is never replaced
        {false, false, 0644, true, false},  // nothing writable: the write fails, the file stays
        {true, true, 0440, false, false},   // a file its owner may not write stays so, even for root
        // clang-format on
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << n);
        const QByteArray folder = QFile::encodeName(dir.filePath(QString::number(++n)));
        const QString file = QFile::decodeName(folder) + "/clavito.INI";
        const QByteArray name = QFile::encodeName(file);
        ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
        ASSERT_EQ(::chown(folder.constData(), c.userFolder ? user.pw_uid : 0, c.userFolder ? user.pw_gid : 0),
                  0);
        ASSERT_TRUE(WriteFile(file, "[S]\nK=1\n"));
        ASSERT_EQ(::chown(name.constData(), c.userFile ? user.pw_uid : 0, c.userFile ? user.pw_gid : 0), 0);
        ASSERT_EQ(::chmod(name.constData(), c.fileMode), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            if (c.asUser && (::setgroups(0, nullptr) || ::setgid(user.pw_gid) || ::setuid(user.pw_uid)))
                ::_exit(2);
            ::_exit(platform::WritePrivateProfileString("S", "K", "2", file) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(WEXITSTATUS(status), c.written ? 0 : 1);
        EXPECT_EQ(ReadFile(file), c.written ? "[S]\nK=2\n" : "[S]\nK=1\n");
        struct stat after {};
        ::stat(name.constData(), &after);
        EXPECT_EQ((std::tuple{after.st_uid, after.st_gid, after.st_mode & 07777}),
                  (std::tuple{c.userFile ? user.pw_uid : 0, c.userFile ? user.pw_gid : 0, c.fileMode}));
    }
}

} // namespace
