#include <gtest/gtest.h>

#include <string>

#include "ui/MenuData.h"

namespace {

TEST(MenuData, Counts) {
    EXPECT_EQ(kSoundEntries.size(), 17u);
    EXPECT_EQ(kInstruments.size(), 128u);
    EXPECT_EQ(kSoundEntries.size(), kInstruments.size() / kInstrumentsPerGroup + 1);
    EXPECT_EQ(kPercussionPosition, 16);
}

TEST(MenuData, SoundEntries) {
    EXPECT_STREQ(kSoundEntries[0].english, "&Piano");
    EXPECT_STREQ(kSoundEntries[0].japanese, "ﾋﾟｱﾉ(&P)");
    EXPECT_STREQ(kSoundEntries[8].japanese, "木管楽器(ﾘｰﾄﾞ)(&R)");
    EXPECT_STREQ(kSoundEntries[15].english, "So&und Effects");
    EXPECT_STREQ(kSoundEntries[kPercussionPosition].english, "Percussio&n");
    EXPECT_STREQ(kSoundEntries[kPercussionPosition].japanese, "ﾊﾟｰｶｯｼｮﾝ(&N)");
}

TEST(MenuData, InstrumentSpotChecks) {
    const struct {
        int tag;
        const char* english;
        const char* japanese;
    } cases[] = {
        {0, "&Acoustic grand piano", "ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ(&A)"},
        {24, "Acoustic guitar (&nylon)", "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)(&N)"},
        {33, "Electric bass (&finger)", "ｴﾚｸﾄﾘｯｸ ﾍﾞｰｽ(指)(&F)"},
        {87, "&Brass + lead", "ﾌﾞﾗｽ + ﾘｰﾄﾞ(&B)"},
        {127, "Gu&nshot", "ｶﾞﾝ ｼｮｯﾄ(&N)"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(kInstruments[c.tag].english, c.english) << "tag " << c.tag;
        EXPECT_STREQ(kInstruments[c.tag].japanese, c.japanese) << "tag " << c.tag;
    }
}

// Spelled out as bytes, so that a normalising editor cannot make the test agree with a changed table.
TEST(MenuData, CaptionsKeptExactlyAsDesigned) {
    // Full-width opening parenthesis U+FF08, ASCII closing one.
    EXPECT_EQ(std::string(kInstruments[100].japanese), "\xE6\x98\x8E\xE3\x82\x8B\xE3\x81\x95\xEF\xBC\x88&B)");
    // Half-width katakana, then a space before the accelerator group.
    EXPECT_EQ(std::string(kInstruments[84].japanese), "\xEF\xBD\xBC\xEF\xBD\xAC\xEF\xBE\x97\xEF\xBE\x9D"
                                                      "\xEF\xBD\xB8\xEF\xBE\x9E (&R)");
    // The voicing mark U+FF9E twice after "ﾃ".
    EXPECT_NE(std::string(kInstruments[117].japanese).find("\xEF\xBE\x83\xEF\xBE\x9E\xEF\xBE\x9E"),
              std::string::npos);
}

TEST(MenuData, OnlyTheJapanesePopupShortensTag9) {
    EXPECT_STREQ(InstrumentCaption(9, true, true), "ｸﾞﾛｯｹﾝ(&G)");
    EXPECT_STREQ(InstrumentCaption(9, true, false), "ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ(&G)");
    EXPECT_STREQ(InstrumentCaption(9, false, true), "&Glockenspiel");
    for (int tag = 0; tag < 128; ++tag) {
        if (tag == 9)
            continue;
        EXPECT_STREQ(InstrumentCaption(tag, true, true), kInstruments[tag].japanese) << "tag " << tag;
        EXPECT_STREQ(InstrumentCaption(tag, false, true), kInstruments[tag].english) << "tag " << tag;
    }
    EXPECT_STREQ(InstrumentCaption(-1, false, false), "");
    EXPECT_STREQ(InstrumentCaption(128, true, false), "");
}

// Each Japanese caption ends in "(&X)" with the English caption's accelerator letter; the one exception is
// Tag 100, whose group opens with a full-width parenthesis.
TEST(MenuData, AcceleratorsAgreeBetweenTheLanguages) {
    auto check = [](const MenuCaption& caption, const std::string& what) {
        const std::string english = caption.english;
        const std::string japanese = caption.japanese;
        const auto amp = english.find('&');
        ASSERT_NE(amp, std::string::npos) << what;
        ASSERT_LT(amp + 1, english.size()) << what;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(english[amp + 1])));
        ASSERT_GE(japanese.size(), 4u) << what;
        EXPECT_EQ(japanese.substr(japanese.size() - 4), std::string("(&") + letter + ")") << what;
    };
    for (std::size_t i = 0; i < kSoundEntries.size(); ++i)
        check(kSoundEntries[i], "entry " + std::to_string(i));
    for (std::size_t tag = 0; tag < kInstruments.size(); ++tag) {
        if (tag != 100)
            check(kInstruments[tag], "tag " + std::to_string(tag));
    }
}

TEST(MenuData, OtherMenus) {
    const struct {
        MenuCaption caption;
        const char* english;
        const char* japanese;
    } cases[] = {
        {kSoundMenu, "&Sound", "楽器(&S)"},
        {kOptionsMenu, "&Options", "ｵﾌﾟｼｮﾝ(&O)"},
        {kOctaveMenu, "&Octave", "ｵｸﾀｰﾌﾞ(&O)"},
        {kHighItem, "&High", "高(&H)"},
        {kLowItem, "&Low", "低(&L)"},
        {kKeyBoardMenu, "&KeyBoard", "ｷｰﾎﾞｰﾄﾞ(&K)"},
        {kJp106Item, "106 &Japanese", "106 日本語(&J)"},
        {kPc98Item, "&PC 98(NEC)", "&PC 98(NEC)"},
        {kEn101Item, "101 &English", "101 英語(&E)"},
        {kMenuMenu, "&Menu", "ﾒﾆｭｰ(&M)"},
        {kJapaneseItem, "&Japanese", "日本語(&J)"},
        {kEnglishItem, "&English", "英語(&E)"},
        {kHelpMenu, "&Help", "ﾍﾙﾌﾟ(&H)"},
        {kHelpItem, "&Help", "ﾍﾙﾌﾟ(&H)"},
        {kSeparator, "-", "-"},
        {kAboutItem, "&About", "ﾊﾞｰｼﾞｮﾝ情報(&A)"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.caption.english, c.english);
        EXPECT_STREQ(c.caption.japanese, c.japanese);
    }
}

TEST(MenuData, HintsInTheirOrder) {
    const char* const labels[] = {"ModLabel", "PosLabel", "VolLabel", "PitLabel", "OctLabel", "KeyLabel"};
    for (std::size_t i = 0; i < kHints.size(); ++i)
        EXPECT_STREQ(kHints[i].label, labels[i]);
    EXPECT_STREQ(kHints[0].english, "Modulation Depth");
    EXPECT_STREQ(kHints[0].japanese, "ﾓｼﾞｭﾚｰｼｮﾝの深さ");
    EXPECT_STREQ(kHints[3].english, "L_Button - Return  R_Button - Stay");
    EXPECT_STREQ(kHints[3].japanese, "左ﾎﾞﾀﾝ - 戻る  右ﾎﾞﾀﾝ - 留まる");
    EXPECT_STREQ(kHints[5].japanese, "音程");
}

} // namespace
