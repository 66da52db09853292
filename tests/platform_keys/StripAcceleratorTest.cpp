#include <gtest/gtest.h>

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
        {"no mark", false, "no mark"},
        {"ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)(&N)", true, "ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)"},
        {"明るさ（&B)", true, "明るさ（&B)"},
        {"ｼｬﾗﾝｸﾞ (&R)", true, "ｼｬﾗﾝｸﾞ "},
        {"&PC 98(NEC)", true, "&PC 98(NEC)"},
        // The rule follows the menu shown, not where the caption came from.
        {"ﾋﾟｱﾉ(&P)", false, "ﾋﾟｱﾉ(P)"},
        // A group cut short at the end takes only what is there.
        {"ab(&", true, "ab"},
        {"", true, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripAccelerator(QString::fromUtf8(c.caption), c.japaneseMenu), QString::fromUtf8(c.shown))
            << c.caption << (c.japaneseMenu ? " (Japanese)" : " (English)");
    }
}

} // namespace
