// The settings file: the read at start with its checks and corrections, and the write of every key. The
// expected bytes are what users' files look like.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "engine/Settings.h"
#include "support/Files.h"

namespace {
// The defaults, spelled out once.
// clang-format off
const Settings kDefaults{.key = 0, .volume = 25, .modulation = 0, .posShift = 0, .index1 = 0, .index2 = 0, .keyboard = 0, .japanese = true, .high = false, .low = false, .x = 0, .y = 0};
const Settings kDesktop{.keyboard = 2, .japanese = false};
// clang-format on

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    // The corrections as "Section.Key=value", in their order.
    static std::string Listed(const std::vector<SettingValue>& values) {
        std::string listed;
        for (const SettingValue& v : values)
            listed += (listed.empty() ? "" : " ") + (v.section + "." + v.key + "=" + v.value).toStdString();
        return listed;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clavito.INI"));
};

// Values outside their range, and an instrument position that names no menu entry, take their defaults and
// are listed for the file in the table's order; what is not an integer reads as the default and stays. Only
// a key missing from the file takes the desktop's value.
TEST_F(SettingsFile, ReadKeepsGoodValuesAndCorrectsBadOnes) {
    const char* const kSoundCorrected = "Sound.Index1=0 Sound.Index2=0";
    // clang-format off
    // writtenBack null: the file stays as it was
    // absent: what a key missing from the file takes (the desktop's language and keyboard on a first start)
    const struct { const char* ini; Settings values; const char* corrections; const char* writtenBack; Settings absent = {}; } cases[] = {
        {"", kDefaults, "", nullptr},
        {"[Sound]\nKey=39\nVolume=32\nModulation=32\nPosShift=6\n", {.key = 39, .volume = 32, .modulation = 32, .posShift = 6}, "", nullptr},
        {"[Sound]\nKey=-46\nVolume=0\nModulation=0\nPosShift=0\n", {.key = -46, .volume = 0}, "", nullptr},
        {"[sound]\nKEY=-47\nVolume=-1\nModulation=-1\nPosShift=-1\n", kDefaults, "Sound.Key=0 Sound.Volume=25 Sound.Modulation=0 Sound.PosShift=0", "[sound]\nKEY=0\nVolume=25\nModulation=0\nPosShift=0\n"},
        {"[Sound]\nKey=0xFFFFFFFF\nVolume=$10\nModulation=+31\nPosShift=+-1\n", {.key = -1, .volume = 16, .modulation = 31}, "", nullptr},
        {"[Sound]\nIndex1=16\nIndex2=9\n", {.index1 = 16, .index2 = 9}, "", nullptr},
        {"[Sound]\nIndex1=16\nIndex2=-1\n", kDefaults, kSoundCorrected, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=3\nIndex2=7\n", {.index1 = 3, .index2 = 7}, "", nullptr},
        {"[Sound]\nIndex1=3\nIndex2=8\n", kDefaults, kSoundCorrected, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=17\n", kDefaults, kSoundCorrected, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[Sound]\nIndex1=-1\nIndex2=2\n", kDefaults, kSoundCorrected, "[Sound]\nIndex1=0\nIndex2=0\n"},
        {"[SOUND]\nIndex1=17\nPosShift=7\nmodulation=33\nVolume=33\nKey=40\n", kDefaults,
         "Sound.Key=0 Sound.Volume=25 Sound.Modulation=0 Sound.PosShift=0 Sound.Index1=0 Sound.Index2=0",
         "[SOUND]\nIndex1=0\nPosShift=0\nmodulation=0\nVolume=25\nKey=0\nIndex2=0\n"},
        {"[Octave]\nHigh=2\nLow=-1\n", {.high = true, .low = true}, "", nullptr},
        {"[Options]\nMenu-Japanese=0\nKeyBoard=7\n[Position]\nX=-5\nY=3000\n", {.keyboard = 7, .japanese = false, .x = -5, .y = 3000}, "", nullptr},
        {"", kDesktop, "", nullptr, kDesktop},
        {"[Options]\nMenu-Japanese=1\nKeyBoard=pc\n", kDefaults, "", nullptr, kDesktop},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        ASSERT_TRUE(WriteFile(path, c.ini));
        const LoadedSettings loaded = ReadSettings(path, c.absent);
        EXPECT_EQ(loaded.values, c.values);
        EXPECT_EQ(Listed(loaded.corrections), c.corrections);
        if (!loaded.corrections.empty()) {
            EXPECT_TRUE(WriteSettingValues(path, loaded.corrections));
        }
        EXPECT_EQ(ReadFile(path), c.writtenBack ? c.writtenBack : c.ini);
    }
}

// Every key in its fixed order into the file as it is: other sections, comments and keys stay where they
// were, and a first write makes the folder. Section [Play] comes only once an option is on; from then on its
// keys follow the options. What was written reads back as it was.
TEST_F(SettingsFile, TheExitWritesEveryKeyAndKeepsEverythingElse) {
    const QByteArray kRest =
        "[Sound]\nKey=0\nVolume=25\nModulation=0\nPosShift=0\nIndex1=0\nIndex2=0\n[Options]\nKeyBoard=0\n"
        "Menu-Japanese=1\n[Octave]\nHigh=0\nLow=0\n[Position]\nX=0\nY=0\n";
    // clang-format off
    // ini null: the file as the write before left it
    const struct { const char* ini; Settings values; QByteArray written; } cases[] = {
        {nullptr, kDefaults, kRest},
        {nullptr, {.sustain = true}, kRest + "[Play]\nSustain=1\n"},
        {nullptr, {}, kRest + "[Play]\nSustain=0\n"},
        {nullptr, {.dynamics = true}, kRest + "[Play]\nSustain=0\nDynamics=1\n"},
        {"; my synth\n[MIDI]\nOutput=jack\n[Octave]\nLow=1\n[Sound]\nIndex1=16\nIndex2=5\n",
         {.key = -46, .volume = 24, .modulation = 1, .posShift = 1, .index1 = 16, .index2 = 5, .keyboard = 2, .japanese = false, .high = true, .low = true, .x = -3, .y = 700},
         "; my synth\n[MIDI]\nOutput=jack\n[Octave]\nLow=1\nHigh=1\n[Sound]\nIndex1=16\nIndex2=5\nKey=-46\nVolume=24\nModulation=1\nPosShift=1\n[Options]\nKeyBoard=2\nMenu-Japanese=0\n[Position]\nX=-3\nY=700\n"},
    };
    // clang-format on
    const QString file = dir.filePath(QStringLiteral("new/folder/clavito.INI"));
    for (const auto& c : cases) {
        if (c.ini) {
            ASSERT_TRUE(WriteFile(file, c.ini));
        }
        EXPECT_TRUE(WriteSettingValues(file, StoredValues(c.values)));
        EXPECT_EQ(ReadFile(file), c.written);
        const LoadedSettings loaded = ReadSettings(file);
        EXPECT_EQ(loaded.values, c.values);
        EXPECT_TRUE(loaded.corrections.empty());
    }
}

// A value that would break the file is not written, nor is anything else (a file that cannot be written is
// the profile writer's test, and the window's).
TEST_F(SettingsFile, AValueThatWouldBreakTheFileWritesNothing) {
    ASSERT_TRUE(WriteFile(path, "; mine\n[Sound]\nKey=3\n"));
    const SettingValue values[] = {{"Sound", "Volume", "1"}, {"Sound", "Key", "1\n[Octave]"}};
    EXPECT_FALSE(WriteSettingValues(path, values));
    EXPECT_EQ(ReadFile(path), "; mine\n[Sound]\nKey=3\n");
}

} // namespace
