// Failed writes must report false and leave the file exactly as it was. The tests run as root, where
// permission bits do not stop a write, so each failure is made of something root cannot get past either:
// a regular file where the folder should be, a folder where the file should be, a kernel file system that
// takes no new files, the file size limit of the process standing in for a full disk, and a file whose
// owner write permission is off (which the writer honours for every user).

#include "platform/profile/ProfileFile.h"

#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

constexpr char kOldContent[] = "[Sound]\r\nKey=1\r\n; keep me\r\n";

class WriteFailure : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.filePath("settings.ini"); }
    QStringList FolderEntries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir dir_;
};

TEST_F(WriteFailure, FolderThatIsARegularFile) {
    profile_test::WriteBytes(Path(), kOldContent);
    EXPECT_FALSE(platform::WritePrivateProfileString("Sound", "Key", "2", Path() + "/inner.ini"));
    EXPECT_EQ(profile_test::ReadBytes(Path()), kOldContent);
}

TEST_F(WriteFailure, FolderInPlaceOfTheFile) {
    ASSERT_TRUE(QDir().mkpath(Path()));
    EXPECT_FALSE(platform::WritePrivateProfileString("Sound", "Key", "2", Path()));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
}

TEST_F(WriteFailure, FolderOnAFileSystemThatTakesNoFiles) {
    EXPECT_FALSE(platform::WritePrivateProfileString("Sound", "Key", "2", "/proc/clavito-settings.ini"));
    EXPECT_FALSE(QFileInfo::exists("/proc/clavito-settings.ini"));
}

TEST_F(WriteFailure, FileWithoutOwnerWritePermission) {
    profile_test::WriteBytes(Path(), kOldContent);
    ASSERT_TRUE(QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(platform::WritePrivateProfileString("Sound", "Key", "2", Path()));
    EXPECT_EQ(profile_test::ReadBytes(Path()), kOldContent);
}

// Lowers the file size limit and ignores the signal that would otherwise end the process, for one scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t previousHandler_ = SIG_DFL;
};

TEST_F(WriteFailure, DiskFullWhileWriting) {
    profile_test::WriteBytes(Path(), kOldContent);
    bool written = true;
    {
        const FileSizeLimit limit(sizeof kOldContent);
        written = platform::WritePrivateProfileString("Sound", "Key", QString(64, '7'), Path());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(profile_test::ReadBytes(Path()), kOldContent);
    EXPECT_EQ(FolderEntries(), QStringList{"settings.ini"});
}

TEST_F(WriteFailure, EntriesThatCannotBeStored) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    constexpr Case kCases[] = {
        {"Sound", "Key", "1\nInjected=1"},
        {"Sound", "Key", "1\r"},
        {"Sound\n[Other", "Key", "1"},
        {"Sound", "Key\n", "1"},
        {"", "Key", "1"},
        {"  ", "Key", "1"},
        {"Sound", "", "1"},
        {"Sound", " \t", "1"},
        {"Sound", "A=B", "1"},
        {"Sound", "[Key]", "1"},
        {"Sound", ";Key", "1"},
        {"Sound", "#Key", "1"},
    };
    profile_test::WriteBytes(Path(), kOldContent);
    for (const Case& c : kCases) {
        EXPECT_FALSE(platform::WritePrivateProfileString(c.section, c.key, c.value, Path()))
            << c.section << "/" << c.key << "/" << c.value;
        EXPECT_EQ(profile_test::ReadBytes(Path()), kOldContent);
    }
    EXPECT_FALSE(platform::WritePrivateProfileString("Sound", "Key", "1", QString()));
}

} // namespace
