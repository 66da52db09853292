#include <gtest/gtest.h>

#include <string>

#include "ui/MenuData.h"

namespace {

TEST(MenuData, OneSoundEntryPerGroupPlusPercussion) {
    EXPECT_EQ(kInstruments.size(), 128u);
    EXPECT_EQ(kSoundEntries.size(), kInstruments.size() / kInstrumentsPerGroup + 1);
    EXPECT_STREQ(kSoundEntries[kPercussionPosition].english, "Percussio&n");
}

// Spelled out as bytes, so that a normalising editor cannot make the test agree with a changed table.
TEST(MenuData, CaptionsKeptExactlyAsDesigned) {
    // Full-width opening parenthesis U+FF08, ASCII closing one.
    EXPECT_EQ(std::string(kInstruments[100].japanese), "\xE6\x98\x8E\xE3\x82\x8B\xE3\x81\x95\xEF\xBC\x88&B)");
    // Half-width katakana, then a space before the accelerator group.
    EXPECT_EQ(std::string(kInstruments[84].japanese), "\xEF\xBD\xBC\xEF\xBD\xAC\xEF\xBE\x97\xEF\xBE\x9D"
                                                      "\xEF\xBD\xB8\xEF\xBE\x9E (&R)");
}

TEST(MenuData, OnlyTheJapanesePopupShortensTag9) {
    EXPECT_STREQ(InstrumentCaption(9, true, true), "ｸﾞﾛｯｹﾝ(&G)");
    EXPECT_STREQ(InstrumentCaption(9, true, false), "ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ(&G)");
    EXPECT_STREQ(InstrumentCaption(9, false, true), "&Glockenspiel");
    EXPECT_STREQ(InstrumentCaption(10, true, true), kInstruments[10].japanese);
    EXPECT_STREQ(InstrumentCaption(-1, false, false), "");
    EXPECT_STREQ(InstrumentCaption(128, true, false), "");
}

} // namespace
