#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/KeyNames.h"
#include "engine/PanelLayout.h"
#include "ui/LayoutData.h"
#include "ui/MenuData.h"

namespace {

struct NoteRow {
    int first;
    int last;
    int top;
    int left;
    int firstTag;
    PanelColour colour;
    const char* captions;
};

// The four rows on their 36-pixel grid, tags stepping by two along each row.
constexpr NoteRow kRows[] = {
    {1, 13, 32, 20, 114, PanelColour::BlackRow, "1234567890-^\\"},
    {14, 25, 68, 36, 115, PanelColour::WhiteRow, "QWERTYUIOP@["},
    {26, 37, 104, 44, 100, PanelColour::BlackRow, "ASDFGHJKL;:]"},
    {38, 48, 140, 60, 101, PanelColour::WhiteRow, "ZXCVBNM,./\\"},
};

TEST(PanelLayout, NoteRows) {
    for (const NoteRow& row : kRows) {
        for (int panel = row.first; panel <= row.last; ++panel) {
            const KeyPanelData& data = KeyPanelAt(panel);
            const int i = panel - row.first;
            EXPECT_EQ(data.top, row.top) << "Panel" << panel;
            EXPECT_EQ(data.left, row.left + 36 * i) << "Panel" << panel;
            EXPECT_EQ(data.tag, row.firstTag + 2 * i) << "Panel" << panel;
            EXPECT_EQ(data.colour, row.colour) << "Panel" << panel;
            EXPECT_EQ(std::string(data.caption), std::string(1, row.captions[i])) << "Panel" << panel;
            EXPECT_EQ(PanelFontPixels(panel), kNotePanelFontPixels) << "Panel" << panel;
        }
    }
}

TEST(PanelLayout, ControlPanels) {
    const struct {
        int panel;
        const char* caption;
        int tag;
        int left;
        int top;
        int fontPixels;
    } cases[] = {
        {49, "\xE2\x86\x91", 2, 568, 140, 16},
        {50, "\xE2\x86\x90", 1, 532, 176, 16},
        {51, "\xE2\x86\x93", 4, 568, 176, 16},
        {52, "\xE2\x86\x92", 3, 604, 176, 16},
        {53, "PU", 5, 604, 32, 12},
        {54, "PD", 6, 604, 68, 12},
        {55, "Ins", 7, 532, 32, 12},
        {56, "Del", 8, 532, 68, 12},
        {57, "Hm", 9, 568, 32, 12},
        {58, "End", 10, 568, 68, 12},
    };
    for (const auto& c : cases) {
        const KeyPanelData& data = KeyPanelAt(c.panel);
        EXPECT_STREQ(data.caption, c.caption) << "Panel" << c.panel;
        EXPECT_EQ(data.tag, c.tag) << "Panel" << c.panel;
        EXPECT_EQ(data.left, c.left) << "Panel" << c.panel;
        EXPECT_EQ(data.top, c.top) << "Panel" << c.panel;
        EXPECT_EQ(data.colour, PanelColour::Control) << "Panel" << c.panel;
        EXPECT_EQ(PanelFontPixels(c.panel), c.fontPixels) << "Panel" << c.panel;
    }
}

// Nine pairs of panels share the tags 114..122 where the manuals overlap; every other tag is unique.
TEST(PanelLayout, TagsOverlapOnlyWhereTheManualsDo) {
    std::map<int, int> uses;
    for (int panel = 1; panel <= kKeyPanelCount; ++panel)
        ++uses[PanelTag(panel)];
    for (const auto& [tag, count] : uses)
        EXPECT_EQ(count, tag >= 114 && tag <= 122 ? 2 : 1) << "tag " << tag;
    EXPECT_EQ(uses.size(), 39u + 10u);
    EXPECT_EQ(PanelTag(0), 0);
    EXPECT_EQ(PanelTag(59), 0);
}

bool Inside(const LayoutRect& inner, const LayoutRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

TEST(PanelLayout, NotePanelsLieInTheirFrameAndControlPanelsInTheirs) {
    for (int panel = 1; panel <= kKeyPanelCount; ++panel) {
        const KeyPanelData& data = KeyPanelAt(panel);
        const LayoutRect rect{data.left, data.top, kKeyPanelSize, kKeyPanelSize};
        EXPECT_TRUE(Inside(rect, panel <= 48 ? kBevel2 : kBevel1)) << "Panel" << panel;
    }
    for (const LabelData& label : kLabels)
        EXPECT_TRUE(Inside(label.rect, kMainPanel)) << label.name;
    for (const LayoutRect& rect : {kBevel1, kBevel2, kPitchBendTrack, kPitchBendKnob, kKeyDisplay.rect,
                                   kSoundDisplay.rect, kLowShape.rect, kHighShape.rect})
        EXPECT_TRUE(Inside(rect, kMainPanel));
}

TEST(LayoutData, TheHintLabelsAreTheUnderlinedOnesInHintOrder) {
    int hintLabels = 0;
    for (const LabelData& label : kLabels) {
        EXPECT_EQ(label.underlined, label.showsHint) << label.name;
        if (!label.showsHint)
            continue;
        bool named = false;
        for (const HintData& hint : kHints)
            named = named || std::string(hint.label) == label.name;
        EXPECT_TRUE(named) << label.name;
        ++hintLabels;
    }
    EXPECT_EQ(hintLabels, 6);
}

TEST(LayoutData, BarsCoverTheirValues) {
    EXPECT_EQ(kKeyBar.max - kKeyBar.min, kMaxKey - kMinKey);
    EXPECT_EQ(kKeyBar.designPosition, 0 - kMinKey);
    EXPECT_EQ(kPosShiftBar.max, 6);
    EXPECT_EQ(kVolumeBar.max, 32);
    EXPECT_EQ(kModulationBar.max, 32);
    EXPECT_STREQ(kKeyDisplay.caption, KeyName(0));
}

TEST(LayoutData, OctaveCaptionsReactLikeTheirCircles) {
    int reacting = 0;
    for (const LabelData& label : kLabels) {
        if (label.click == LabelClick::LowShape) {
            EXPECT_STREQ(label.caption, "Low=F11");
        }
        if (label.click == LabelClick::HighShape) {
            EXPECT_STREQ(label.caption, "High=F12");
        }
        reacting += label.click != LabelClick::None;
    }
    EXPECT_EQ(reacting, 2);
}

} // namespace
