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
    return std::string(kPitchClasses[pitchClass]) + "(" + (octave > 0 ? "+" : "") + std::to_string(octave) +
           ")";
}

TEST(KeyNames, EveryKeyFollowsTheRuleAndNoneOutsideTheRange) {
    for (int key = kMinKey; key <= kMaxKey; ++key)
        EXPECT_EQ(KeyName(key), NameByRule(key)) << "Key " << key;
    EXPECT_STREQ(KeyName(kMinKey - 1), "");
    EXPECT_STREQ(KeyName(kMaxKey + 1), "");
}

} // namespace
