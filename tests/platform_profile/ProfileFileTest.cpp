#include "platform/profile/ProfileFile.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace profile_test {
void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << path.toStdString();
    return file.readAll();
}
} // namespace profile_test

namespace {

using namespace std::string_view_literals;

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.filePath("settings.ini"); }

private:
    QTemporaryDir dir_;
};

// Every case asks for key "Key" of section "Sound".
TEST_F(ProfileFile, ReadFindsTheValueOfEveryLineForm) {
    const std::pair<std::string_view, std::optional<std::string_view>> kCases[] = {
        {"[sOUND]\nkEY=5\n", "5"},
        {" \t[ Sound ]\t\n  Key \t=\t 5 7 \n", "5 7"},
        {"[Sound]\nKey=1\nkey=2\n", "1"},
        {"[Sound]\nA=1\n[Sound]\nKey=2\n", std::nullopt},
        {"Key=0\n[Sound]\nA=1\n", std::nullopt},
        {"[Sound]\n;Key=1\n# Key=3\nKey=2\n", "2"},
        {"[Sound]\r\nA=1\r\nKey=2\r\n", "2"},
        {"\x01\xFF[junk\n[Sound]\n\x80\x81=x\nKey=\xC3\xA9t\xC3\xA9\n", "\xC3\xA9t\xC3\xA9"},
        {"\0\0\n[Sound]\nN\0=1\nKey=a\0b\n"sv, "a\0b"sv},
    };
    for (const auto& [content, value] : kCases) {
        profile_test::WriteBytes(Path(), Bytes(content));
        const auto expected = value ? std::optional(QString::fromUtf8(Bytes(*value))) : std::nullopt;
        EXPECT_EQ(platform::GetPrivateProfileString("Sound", "Key", Path()), expected)
            << Bytes(content).toStdString();
    }
    EXPECT_EQ(platform::GetPrivateProfileString("Sound", "Key", Path() + ".missing"), std::nullopt);
}

// Each failure is one that root cannot get past either, since the tests run as root.
TEST_F(ProfileFile, AFailedWriteReportsFalseAndLeavesTheFileAsItWas) {
    constexpr char kOld[] = "[Sound]\r\nKey=1\r\n; keep me\r\n";
    profile_test::WriteBytes(Path(), kOld);
    const struct {
        const char* section;
        const char* key;
        const char* value;
        QString file;
    } kCases[] = {
        {"Sound", "Key", "2", Path() + "/inner.ini"}, // a regular file where the folder should be
        {"Sound", "Key", "2", "/proc/clavito-settings.ini"},
        {"Sound", "Key", "1\nInjected=1", Path()},
        {"Sound", ";Key", "1", Path()},
    };
    for (const auto& c : kCases) {
        EXPECT_FALSE(platform::WritePrivateProfileString(c.section, c.key, c.value, c.file))
            << c.section << "/" << c.key << "/" << c.value << " in " << c.file.toStdString();
    }
    // The writer honours a file whose owner may not write it, for every user.
    ASSERT_TRUE(QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(platform::WritePrivateProfileString("Sound", "Key", "2", Path()));
    EXPECT_EQ(profile_test::ReadBytes(Path()), kOld);
    EXPECT_FALSE(QFileInfo::exists("/proc/clavito-settings.ini"));
}

// Settings files prepared by an administrator or left behind by a run through sudo. The tests run as root,
// for whom no file is read-only, so the user's writes run in a child process under an ordinary account.
TEST_F(ProfileFile, AUsersFileKeepsItsOwnerModeAndContentWhateverTheFolderAllows) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    if (!::getpwnam("clavito-test")) {
        ASSERT_EQ(std::system("useradd --system --no-create-home clavito-test"), 0);
    }
    const passwd user = *::getpwnam("clavito-test");
    const struct {
        bool userFolder; // else root's, which the user may not write
        bool userFile;   // else root's
        mode_t fileMode;
        bool asUser; // else as root
        bool written;
    } kCases[] = {
        {false, true, 0644, true, true},   // a writable file in a read-only folder is rewritten in place
        {true, false, 0666, true, true},   // another's file that all may write keeps its owner
        {true, true, 0640, false, true},   // a root run leaves the user's file the user's
        {true, true, 0200, true, false},   // a file that cannot be read is never replaced
        {false, false, 0644, true, false}, // nothing writable: the write fails, the file stays
    };
    ASSERT_EQ(::chmod(QFile::encodeName(QFileInfo(Path()).path()).constData(), 0755), 0);
    int n = 0;
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "case " << n);
        const QByteArray folder = QFile::encodeName(Path()) + QByteArray::number(++n);
        const QString file = QFile::decodeName(folder) + "/clavito.INI";
        ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
        ASSERT_EQ(::chown(folder.constData(), c.userFolder ? user.pw_uid : 0, c.userFolder ? user.pw_gid : 0),
                  0);
        profile_test::WriteBytes(file, "[S]\nK=1\n");
        const QByteArray name = QFile::encodeName(file);
        ASSERT_EQ(::chown(name.constData(), c.userFile ? user.pw_uid : 0, c.userFile ? user.pw_gid : 0), 0);
        ASSERT_EQ(::chmod(name.constData(), c.fileMode), 0);
        struct stat before {};
        ::stat(name.constData(), &before);
        const pid_t child = ::fork();
        if (child == 0) {
            if (c.asUser && (::setgroups(0, nullptr) || ::setgid(user.pw_gid) || ::setuid(user.pw_uid)))
                ::_exit(2);
            ::_exit(platform::WritePrivateProfileString("S", "K", "2", file) ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(WEXITSTATUS(status), c.written ? 0 : 1);
        EXPECT_EQ(profile_test::ReadBytes(file), c.written ? "[S]\nK=2\n" : "[S]\nK=1\n");
        struct stat after {};
        ::stat(name.constData(), &after);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
}

} // namespace
