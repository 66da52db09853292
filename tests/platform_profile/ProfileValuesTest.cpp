#include "platform/profile/ProfileValues.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

using platform::ParseProfileInteger;

struct ParseCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

constexpr ParseCase kParseCases[] = {
    {"0", 0},
    {"25", 25},
    {"007", 7},
    {"-0", 0},
    {"+5", 5},
    {"-46", -46},
    {" 7", 7},
    {"7\t", 7},
    {"0x10", 16},
    {"$10", 16},
    {"0X1f", 31},
    {"0xAbC", 0xABC},
    {"$ff", 255},
    {"0x0000000010", 16},
    {"0x7FFFFFFF", 2147483647},
    {"0x80000000", -2147483647 - 1},
    {"$FFFFFFFF", -1},
    {"0xFFFFFFFE", -2},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"0x100000000", std::nullopt},
    {"$100000000", std::nullopt},
    {"1234567890123456789012345678901234567890", std::nullopt},
    {"0x0000000000000000000000000000000000000001", 1},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"ten", std::nullopt},
    {"yes", std::nullopt},
    {"0x", std::nullopt},
    {"0X", std::nullopt},
    {"$", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"+-5", std::nullopt},
    {"--5", std::nullopt},
    {"- 5", std::nullopt},
    {"5 5", std::nullopt},
    {"12a", std::nullopt},
    {"0x1g", std::nullopt},
    {"0x-1", std::nullopt},
    {"0x+1", std::nullopt},
    {"$-1", std::nullopt},
    {"-0x10", std::nullopt},
    {"-$10", std::nullopt},
    {"x10", std::nullopt},
    {"10h", std::nullopt},
    {"1e3", std::nullopt},
    {"1.5", std::nullopt},
};

TEST(ParseProfileInteger, ReadsEveryValueFormFromBytesAndText) {
    for (const ParseCase& c : kParseCases) {
        EXPECT_EQ(ParseProfileInteger(QByteArrayView(c.text)), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(ParseProfileInteger(QStringView(QString::fromLatin1(c.text))), c.expected)
            << '"' << c.text << '"';
    }
}

TEST(ParseProfileInteger, RejectsBytesAndCharactersOutsideAscii) {
    EXPECT_EQ(ParseProfileInteger(QByteArrayView("1\0"
                                                 "2",
                                                 3)),
              std::nullopt);
    EXPECT_EQ(ParseProfileInteger(QStringView(u"\uFF11\uFF12")), std::nullopt); // full-width digits
    EXPECT_EQ(ParseProfileInteger(QStringView(u"1\u0100")), std::nullopt);
}

TEST(ParseProfileInteger, ReadsBackEveryWrittenForm) {
    constexpr std::int32_t kValues[] = {0, 1, -1, 25, -46, 39, 2147483647, -2147483647 - 1};
    for (const std::int32_t value : kValues) {
        EXPECT_EQ(ParseProfileInteger(QStringView(QString::number(value))), value);
    }
}

class ProfileValuesFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path() const { return dir_.filePath("settings.ini"); }

private:
    QTemporaryDir dir_;
};

TEST_F(ProfileValuesFile, IntegersFallBackToTheDefaultWhenMissingEmptyOrInvalid) {
    profile_test::WriteBytes(Path(), "[Sound]\nVolume=0x10\nKey=-3\nEmpty=\nWord=ten\nHuge=99999999999\n");
    struct Case {
        const char* section;
        const char* key;
        std::int32_t expected;
    };
    constexpr Case kCases[] = {
        {"Sound", "Volume", 16}, {"Sound", "Key", -3},  {"Sound", "Empty", 25}, {"Sound", "Word", 25},
        {"Sound", "Huge", 25},   {"Sound", "None", 25}, {"Other", "Key", 25},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(platform::GetProfileInt(c.section, c.key, 25, Path()), c.expected) << c.key;
    }
    EXPECT_EQ(platform::GetProfileInt("Sound", "Volume", 25, Path() + ".missing"), 25);
}

TEST_F(ProfileValuesFile, BooleansAreNonZeroIntegersWithTheirDefaultOtherwise) {
    profile_test::WriteBytes(Path(), "[Octave]\nHigh=2\nLow=0\nYes=yes\nNeg=-1\nHex=$0\n");
    struct Case {
        const char* key;
        bool defaultValue;
        bool expected;
    };
    constexpr Case kCases[] = {
        {"High", false, true}, {"Low", true, false}, {"Yes", false, false}, {"Yes", true, true},
        {"Neg", false, true},  {"Hex", true, false}, {"None", true, true},  {"None", false, false},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(platform::GetProfileBool("Octave", c.key, c.defaultValue, Path()), c.expected)
            << c.key << " default " << c.defaultValue;
    }
}

TEST_F(ProfileValuesFile, WritesDecimalTextAndOneOrZero) {
    ASSERT_TRUE(platform::WriteProfileInt("Sound", "Key", -46, Path()));
    ASSERT_TRUE(platform::WriteProfileInt("Sound", "Volume", 32, Path()));
    ASSERT_TRUE(platform::WriteProfileInt("Sound", "Big", -2147483647 - 1, Path()));
    ASSERT_TRUE(platform::WriteProfileBool("Octave", "High", true, Path()));
    ASSERT_TRUE(platform::WriteProfileBool("Octave", "Low", false, Path()));
    EXPECT_EQ(profile_test::ReadBytes(Path()),
              "[Sound]\nKey=-46\nVolume=32\nBig=-2147483648\n[Octave]\nHigh=1\nLow=0\n");
    EXPECT_EQ(platform::GetProfileInt("Sound", "Big", 0, Path()), -2147483647 - 1);
}

} // namespace
