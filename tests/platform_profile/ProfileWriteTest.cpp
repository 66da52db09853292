#include "platform/profile/ProfileFile.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

constexpr WriteCase kWriteCases[] = {
    {"new file", nullptr, "Sound", "Key", "0", "[Sound]\nKey=0\n"},
    {"empty file", "", "Sound", "Key", "0", "[Sound]\nKey=0\n"},
    {"changed in place", "[S]\nA=1\nK=2\nB=3\n", "S", "K", "9", "[S]\nA=1\nK=9\nB=3\n"},
    {"longer and shorter values", "[S]\nK=2\n[T]\nK=1234\n", "T", "K", "", "[S]\nK=2\n[T]\nK=\n"},
    {"key spelling kept", "[sound]\n  kEY \t= 2 \n", "SOUND", "Key", "5", "[sound]\nkEY=5\n"},
    {"first of duplicate keys", "[S]\nK=1\nK=2\n", "S", "k", "7", "[S]\nK=7\nK=2\n"},
    {"first of duplicate sections", "[S]\nA=1\n[S]\nK=2\n", "S", "K", "7", "[S]\nA=1\nK=7\n[S]\nK=2\n"},
    {"new key after the last key", "[S]\nA=1\nB=2\n[T]\nC=3\n", "S", "K", "7",
     "[S]\nA=1\nB=2\nK=7\n[T]\nC=3\n"},
    {"new key before trailing blank lines and comments", "[S]\nA=1\n\n; next=2\n[T]\n", "S", "K", "7",
     "[S]\nA=1\nK=7\n\n; next=2\n[T]\n"},
    {"new key in a section without keys", "[S]\n; none yet\n\n[T]\n", "S", "K", "7",
     "[S]\nK=7\n; none yet\n\n[T]\n"},
    {"new key after the last line without break", "[S]\nA=1", "S", "K", "7", "[S]\nA=1\nK=7\n"},
    {"new key after a header without break", "[S]", "S", "K", "7", "[S]\nK=7\n"},
    {"changed key on the last line without break", "[S]\nK=1", "S", "K", "22", "[S]\nK=22"},
    {"new section at the end", "[S]\nA=1\n", "T", "K", "7", "[S]\nA=1\n[T]\nK=7\n"},
    {"new section after a last line without break", "; only a comment", "T", "K", "7",
     "; only a comment\n[T]\nK=7\n"},
    {"new section after a lone carriage return", "[S]\nA=1\r", "T", "K", "7", "[S]\nA=1\r\n[T]\nK=7\n"},
    {"names written trimmed", "", " T ", "\tK ", " 7 ", "[T]\nK= 7 \n"},
    {"comments and unknown lines kept", "# top\n[S]\n;c=1\n  odd line  \nK=1\n\x01\xFF junk\n", "S", "K", "2",
     "# top\n[S]\n;c=1\n  odd line  \nK=2\n\x01\xFF junk\n"},
    {"keys before any section kept apart", "K=1\n", "S", "K", "2", "K=1\n[S]\nK=2\n"},
    {"crlf change keeps the break", "[S]\r\nK=1\r\n", "S", "K", "2", "[S]\r\nK=2\r\n"},
    {"crlf new key", "[S]\r\nA=1\r\n[T]\r\n", "S", "K", "2", "[S]\r\nA=1\r\nK=2\r\n[T]\r\n"},
    {"crlf new section", "[S]\r\nA=1\r\n", "T", "K", "2", "[S]\r\nA=1\r\n[T]\r\nK=2\r\n"},
    {"crlf new section after no break", "[S]\r\nA=1", "T", "K", "2", "[S]\r\nA=1\r\n[T]\r\nK=2\r\n"},
    {"crlf new section after a lone carriage return", "[S]\r\nA=1\r", "T", "K", "2",
     "[S]\r\nA=1\r\n[T]\r\nK=2\r\n"},
    {"mixed breaks follow the first line", "[S]\nA=1\r\n", "S", "K", "2", "[S]\nA=1\r\nK=2\n"},
    {"untouched crlf lines kept in an lf file", "[S]\nA=1\r\n[T]\r\nB=2\n", "T", "B", "3",
     "[S]\nA=1\r\n[T]\r\nB=3\n"},
    {"byte order mark kept", "\xEF\xBB\xBF[S]\nK=1\n", "S", "K", "2", "\xEF\xBB\xBF[S]\nK=2\n"},
};

class ProfileWrite : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.filePath("settings.ini"); }

private:
    QTemporaryDir dir_;
};

TEST_F(ProfileWrite, EditsOnlyTheBytesOfTheKey) {
    for (const WriteCase& c : kWriteCases) {
        QFile::remove(Path());
        if (c.before != nullptr) {
            profile_test::WriteBytes(Path(), c.before);
        }
        ASSERT_TRUE(platform::WritePrivateProfileString(c.section, c.key, c.value, Path())) << c.name;
        EXPECT_EQ(profile_test::ReadBytes(Path()), QByteArray(c.after)) << c.name;
        EXPECT_EQ(platform::GetPrivateProfileString(c.section, c.key, Path()), QString(c.value).trimmed())
            << c.name;
    }
}

TEST_F(ProfileWrite, FileWrittenFromScratchHoldsSectionsInTheOrderWritten) {
    struct Entry {
        const char* section;
        const char* key;
        const char* value;
    };
    constexpr Entry kEntries[] = {
        {"Sound", "Key", "0"},   {"Sound", "Volume", "25"},         {"Options", "KeyBoard", "0"},
        {"Octave", "High", "0"}, {"Options", "Menu-Japanese", "1"}, {"Position", "X", "-5"},
        {"Octave", "Low", "1"},  {"sound", "volume", "32"},
    };
    for (const Entry& e : kEntries) {
        ASSERT_TRUE(platform::WritePrivateProfileString(e.section, e.key, e.value, Path())) << e.key;
    }
    EXPECT_EQ(profile_test::ReadBytes(Path()), "[Sound]\nKey=0\nVolume=32\n"
                                               "[Options]\nKeyBoard=0\nMenu-Japanese=1\n"
                                               "[Octave]\nHigh=0\nLow=1\n"
                                               "[Position]\nX=-5\n");
}

TEST_F(ProfileWrite, KeepsThePermissionsOfTheFile) {
    profile_test::WriteBytes(Path(), "[S]\nK=1\n");
    ASSERT_EQ(::chmod(QFile::encodeName(Path()).constData(), 0640), 0);
    ASSERT_TRUE(platform::WritePrivateProfileString("S", "K", "2", Path()));
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(Path()).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(profile_test::ReadBytes(Path()), "[S]\nK=2\n");
}

TEST_F(ProfileWrite, WritesThroughASymbolicLink) {
    const QString target = Path() + ".target";
    profile_test::WriteBytes(target, "[S]\nK=1\n");
    ASSERT_TRUE(QFile::link(target, Path()));
    ASSERT_TRUE(platform::WritePrivateProfileString("S", "K", "2", Path()));
    EXPECT_TRUE(QFileInfo(Path()).isSymLink());
    EXPECT_EQ(profile_test::ReadBytes(target), "[S]\nK=2\n");
}

TEST_F(ProfileWrite, KeepsALineOfMegabytes) {
    const QByteArray big = "[Big]\nJunk=" + QByteArray(5 << 20, '\xAB') + "\r\n";
    profile_test::WriteBytes(Path(), big);
    ASSERT_TRUE(platform::WritePrivateProfileString("S", "K", "1", Path()));
    EXPECT_EQ(profile_test::ReadBytes(Path()), big + "[S]\nK=1\n");
}

} // namespace
