#include "platform/profile/ProfileFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

using namespace std::string_view_literals;

struct ReadCase {
    const char* name;
    std::string_view content;
    const char* section;
    const char* key;
    std::optional<std::string_view> expected;
};

const ReadCase kReadCases[] = {
    {"plain", "[Sound]\nKey=5\n", "Sound", "Key", "5"},
    {"section case", "[sOUND]\nKey=5\n", "Sound", "Key", "5"},
    {"key case", "[Sound]\nkEY=5\n", "SOUND", "key", "5"},
    {"blanks around everything", " \t[ Sound ]\t\n  Key \t=\t 5 7 \n", "Sound", "Key", "5 7"},
    {"blanks around the asked names", "[Sound]\nKey=5\n", " Sound\t", " Key ", "5"},
    {"first equals sign splits", "[S]\nK=a=b\n", "S", "K", "a=b"},
    {"empty value", "[S]\nK=\n", "S", "K", ""},
    {"first of duplicate keys", "[S]\nK=1\nk=2\n", "S", "K", "1"},
    {"first of duplicate sections", "[S]\nK=1\n[s]\nK=2\n", "S", "K", "1"},
    {"only the first section of a name", "[S]\nA=1\n[S]\nK=2\n", "S", "K", std::nullopt},
    {"key of another section", "[S]\nA=1\n[T]\nK=2\n", "S", "K", std::nullopt},
    {"key before any section", "K=0\n[S]\nA=1\n", "S", "K", std::nullopt},
    {"missing section", "[S]\nK=1\n", "T", "K", std::nullopt},
    {"key without equals sign", "[S]\nK\nK=2\n", "S", "K", "2"},
    {"key without equals sign only", "[S]\nK\n", "S", "K", std::nullopt},
    {"semicolon comment", "[S]\n;K=1\nK=2\n", "S", "K", "2"},
    {"comment is no key", "[S]\n;K=1\n", "S", ";K", std::nullopt},
    {"hash comment", "[S]\n  # K=1\nK=2\n", "S", "K", "2"},
    {"key with spaces", "[S]\nMenu Japanese = 0\n", "S", "menu japanese", "0"},
    {"crlf", "[S]\r\nA=1\r\nK=2\r\n", "S", "K", "2"},
    {"crlf last line without break", "[S]\r\nK=2", "S", "K", "2"},
    {"lone carriage return at the end", "[S]\nK=2\r", "S", "K", "2"},
    {"carriage return inside a line", "[S]\nK=2\rX=3\n", "S", "K", "2\rX=3"},
    {"missing final newline", "[S]\nA=1\nK=2", "S", "K", "2"},
    {"header without final newline", "[S]", "S", "K", std::nullopt},
    {"empty file", "", "S", "K", std::nullopt},
    {"byte order mark", "\xEF\xBB\xBF[S]\nK=2\n", "S", "K", "2"},
    {"binary bytes", "\x01\xFF[junk\n[S]\n\x80\x81=x\nK=\xC3\xA9t\xC3\xA9\n", "S", "K", "\xC3\xA9t\xC3\xA9"},
    {"nul byte after a header", "[S]\0\nA=\0\n[S]\nK=1\n"sv, "S", "K", std::nullopt},
    {"nul bytes before", "\0\0\n[S]\nN\0=1\nK=a\0b\n"sv, "S", "K", "a\0b"sv},
    {"header with text after it", "[S] ; sound\nK=2\n", "S", "K", "2"},
    {"bracket in a section name", "[a]b]\nK=2\n", "a]b", "K", "2"},
    {"bracket without closing is a key", "[S\nK=2\n[S]\nK=3\n", "S", "K", "3"},
    {"case beyond ASCII is exact", "[\xC3\x89]\nK=2\n", "\xC3\xA9", "K", std::nullopt},
};

class ProfileRead : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.filePath("settings.ini"); }

private:
    QTemporaryDir dir_;
};

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(ProfileRead, FindsTheValueOfEveryLineForm) {
    for (const ReadCase& c : kReadCases) {
        profile_test::WriteBytes(Path(), Bytes(c.content));
        const std::optional<QString> value =
            platform::GetPrivateProfileString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), Path());
        const std::optional<QString> expected =
            c.expected ? std::optional(QString::fromUtf8(Bytes(*c.expected))) : std::nullopt;
        EXPECT_EQ(value, expected) << c.name;
    }
}

TEST_F(ProfileRead, MissingFileOrDirectoryYieldsNothing) {
    EXPECT_EQ(platform::GetPrivateProfileString("S", "K", Path()), std::nullopt);
    EXPECT_EQ(platform::GetPrivateProfileString("S", "K", QString()), std::nullopt);
    ASSERT_TRUE(QDir(Path()).mkpath("."));
    EXPECT_EQ(platform::GetPrivateProfileString("S", "K", Path()), std::nullopt);
}

TEST_F(ProfileRead, ReadsAValueAfterALineOfMegabytes) {
    QByteArray content = "[Big]\nJunk=" + QByteArray(4 << 20, 'x') + "\n[S]\nK=";
    content += QByteArray(3 << 20, 'v');
    profile_test::WriteBytes(Path(), content);
    const std::optional<QString> value = platform::GetPrivateProfileString("S", "K", Path());
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, QString(3 << 20, 'v'));
}

TEST_F(ProfileRead, EveryReadSeesTheFileAsItIsNow) {
    profile_test::WriteBytes(Path(), "[S]\nK=1\n");
    EXPECT_EQ(platform::GetPrivateProfileString("S", "K", Path()), QString("1"));
    profile_test::WriteBytes(Path(), "[S]\nK=2\n");
    EXPECT_EQ(platform::GetPrivateProfileString("S", "K", Path()), QString("2"));
}

} // namespace
