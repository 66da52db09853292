#include <gtest/gtest.h>

#include <string>

#include "engine/KeyNames.h"

namespace {

// The naming rule written out, independently of the table.
std::string NameByRule(int key) {
    static const char* const kPitchClasses[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                                "F#", "G",  "G#", "A",  "A#", "B"};
    const int pitchClass = ((key % 12) + 12) % 12;
    const int octave = (key - pitchClass) / 12;
    std::string octaveText = std::to_string(octave);
    if (octave > 0)
        octaveText = "+" + octaveText;
    return std::string(kPitchClasses[pitchClass]) + "(" + octaveText + ")";
}

TEST(KeyNames, EveryKeyFollowsTheRule) {
    for (int key = kMinKey; key <= kMaxKey; ++key) {
        EXPECT_EQ(KeyName(key), NameByRule(key)) << "Key " << key;
        EXPECT_LE(std::string(KeyName(key)).size(), 6u) << "Key " << key;
    }
}

TEST(KeyNames, Bounds) {
    EXPECT_STREQ(KeyName(-46), "D(-4)");
    EXPECT_STREQ(KeyName(-1), "B(-1)");
    EXPECT_STREQ(KeyName(0), "C(0)");
    EXPECT_STREQ(KeyName(12), "C(+1)");
    EXPECT_STREQ(KeyName(39), "D#(+3)");
    EXPECT_STREQ(KeyName(-47), "");
    EXPECT_STREQ(KeyName(40), "");
}

} // namespace
