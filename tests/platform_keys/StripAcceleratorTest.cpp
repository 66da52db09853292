#include <gtest/gtest.h>

#include "ui/MenuData.h"
#include "ui/StripAccelerator.h"

namespace {

TEST(StripAccelerator, Cases) {
    const struct {
        const char* caption;
        bool japaneseMenu;
        const char* shown;
    } cases[] = {
        {"Acoustic guitar (&nylon)", false, "Acoustic guitar (nylon)"},
        {"&Piano", false, "Piano"},
        {"Percussio&n", false, "Percussion"},
        {"Brass &section", false, "Brass section"},
        {"no mark", false, "no mark"},
        {"ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)(&N)", true, "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)"},
        {"明るさ（&B)", true, "明るさ（&B)"},
        {"ｼｬﾗﾝｸﾞ (&R)", true, "ｼｬﾗﾝｸﾞ "},
        {"ﾊﾟｰｶｯｼｮﾝ(&N)", true, "ﾊﾟｰｶｯｼｮﾝ"},
        {"ｸﾞﾛｯｹﾝ(&G)", true, "ｸﾞﾛｯｹﾝ"},
        {"ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ(&G)", true, "ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ"},
        {"&PC 98(NEC)", true, "&PC 98(NEC)"},
        // The rule follows the menu shown, not where the caption came from.
        {"ﾋﾟｱﾉ(&P)", false, "ﾋﾟｱﾉ(P)"},
        {"Acoustic guitar (&nylon)", true, "Acoustic guitar lon)"},
        // A group cut short at the end takes only what is there.
        {"ab(&", true, "ab"},
        {"", true, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripAccelerator(QString::fromUtf8(c.caption), c.japaneseMenu), QString::fromUtf8(c.shown))
            << c.caption << (c.japaneseMenu ? " (Japanese)" : " (English)");
    }
}

TEST(StripAccelerator, EveryJapaneseInstrumentLosesExactlyItsGroup) {
    for (std::size_t tag = 0; tag < kInstruments.size(); ++tag) {
        const QString caption = QString::fromUtf8(kInstruments[tag].japanese);
        const QString expected = tag == 100 ? caption : caption.left(caption.size() - 4);
        EXPECT_EQ(StripAccelerator(caption, true), expected) << "tag " << tag;
    }
}

TEST(StripAccelerator, EveryEnglishInstrumentLosesOnlyItsMark) {
    for (std::size_t tag = 0; tag < kInstruments.size(); ++tag) {
        const QString caption = QString::fromUtf8(kInstruments[tag].english);
        const QString shown = StripAccelerator(caption, false);
        EXPECT_EQ(shown.size(), caption.size() - 1) << "tag " << tag;
        EXPECT_FALSE(shown.contains(QLatin1Char('&'))) << "tag " << tag;
    }
}

} // namespace
