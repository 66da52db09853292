#include <gtest/gtest.h>

#include <vector>

#include "engine/HomePosition.h"
#include "engine/NoteTable.h"
#include "engine/PanelLayout.h"

namespace {

// The black-key rows: the number row and the home row.
std::vector<int> SilentBlackPanels(int posShift) {
    std::vector<int> panels;
    for (int panel = 1; panel <= kKeyPanelCount; ++panel) {
        const bool blackRow = (panel >= 1 && panel <= 13) || (panel >= 26 && panel <= 37);
        if (blackRow && NoteAt(PanelTag(panel) - 2 * posShift) == 0)
            panels.push_back(panel);
    }
    return panels;
}

std::vector<int> Marked(int posShift) {
    const auto span = HomePositionPanels(posShift);
    return {span.begin(), span.end()};
}

TEST(HomePosition, MarksAreTheSilentBlackKeysOfEachShift) {
    for (int posShift = 0; posShift <= kMaxPosShift; ++posShift)
        EXPECT_EQ(Marked(posShift), SilentBlackPanels(posShift)) << "PosShift " << posShift;
}

TEST(HomePosition, WhiteRowsAreNeverSilent) {
    for (int posShift = 0; posShift <= kMaxPosShift; ++posShift) {
        for (int panel = 1; panel <= 48; ++panel) {
            if ((panel >= 14 && panel <= 25) || panel >= 38) {
                EXPECT_NE(NoteAt(PanelTag(panel) - 2 * posShift), 0) << "Panel" << panel;
            }
        }
    }
}

TEST(HomePosition, FirstTwoShifts) {
    EXPECT_EQ(Marked(0), (std::vector<int>{3, 6, 10, 13, 28, 31, 35}));
    EXPECT_EQ(Marked(1), (std::vector<int>{4, 7, 11, 29, 32, 36}));
}

TEST(HomePosition, NoMarksOutsideTheRange) {
    EXPECT_TRUE(HomePositionPanels(-1).empty());
    EXPECT_TRUE(HomePositionPanels(7).empty());
}

} // namespace
