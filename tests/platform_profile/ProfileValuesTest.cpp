#include "platform/profile/ProfileValues.h"

#include "platform/profile/ProfileFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

using platform::ParseProfileInteger;

constexpr std::int32_t kMax = 2147483647;
constexpr std::int32_t kMin = -kMax - 1;

// Both overloads, the bytes of the file and the text of the program, must agree.
void ExpectParsed(const char* text, std::optional<std::int32_t> expected) {
    EXPECT_EQ(ParseProfileInteger(QByteArrayView(text)), expected) << '"' << text << '"';
    EXPECT_EQ(ParseProfileInteger(QStringView(QString::fromLatin1(text))), expected) << '"' << text << '"';
}

TEST(ParseProfileInteger, ReadsDecimalAndHexadecimalAndRejectsTheRest) {
    const std::pair<const char*, std::int32_t> kValid[] = {
        {"25", 25},           {"-46", -46},         {"+5", 5},
        {" 7\t", 7},          {"007", 7},           {"0x10", 16},
        {"$10", 16},          {"0X1f", 31},         {"$ff", 255},
        {"0x7FFFFFFF", kMax}, {"0x80000000", kMin}, {"$FFFFFFFF", -1},
        {"2147483647", kMax}, {"-2147483648", kMin}};
    for (const auto& [text, value] : kValid) {
        ExpectParsed(text, value);
    }
    ExpectParsed("0x0000000000000000000000000000000000000001", 1);
    constexpr const char* kInvalid[] = {
        "2147483648", "-2147483649", "0x100000000", "",
        "ten",        "0x",          "$",           "-",
        "--5",        "5 5",         "12a",         "0x1g",
        "0x-1",       "-0x10",       "1.5",         "1234567890123456789012345678901234567890"};
    for (const char* text : kInvalid) {
        ExpectParsed(text, std::nullopt);
    }
    EXPECT_EQ(ParseProfileInteger(QStringView(u"\uFF11\uFF12")), std::nullopt); // full-width digits
}

// Integers and booleans written and read back, and the default for what is missing or no integer.
TEST(ProfileValues, WritesDecimalAndFallsBackToTheDefault) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    ASSERT_TRUE(platform::WriteProfileInt("Sound", "Key", kMin, path));
    ASSERT_TRUE(platform::WriteProfileBool("Octave", "High", true, path));
    ASSERT_TRUE(platform::WriteProfileBool("Octave", "Low", false, path));
    ASSERT_TRUE(platform::WritePrivateProfileString("Sound", "Word", "ten", path));
    EXPECT_EQ(profile_test::ReadBytes(path), "[Sound]\nKey=-2147483648\nWord=ten\n[Octave]\nHigh=1\nLow=0\n");
    EXPECT_EQ(platform::GetProfileInt("Sound", "Key", 25, path), kMin);
    EXPECT_EQ(platform::GetProfileInt("Sound", "Word", 25, path), 25);
    EXPECT_EQ(platform::GetProfileInt("Sound", "None", 25, path), 25);
    EXPECT_TRUE(platform::GetProfileBool("Octave", "High", false, path));
    EXPECT_FALSE(platform::GetProfileBool("Octave", "Low", true, path));
    EXPECT_TRUE(platform::GetProfileBool("Sound", "Key", false, path)); // any integer but 0
    EXPECT_TRUE(platform::GetProfileBool("Sound", "Word", true, path));
}

} // namespace
