#include <gtest/gtest.h>

#include <vector>

#include "engine/HomePosition.h"
#include "engine/NoteTable.h"
#include "engine/PanelLayout.h"

namespace {

// Derived from the note table, not copied from the marks: the black-row panels that sound nothing.
TEST(HomePosition, MarksAreTheSilentBlackKeysOfEachShift) {
    for (int posShift = 0; posShift <= kMaxPosShift; ++posShift) {
        std::vector<int> silent;
        for (int panel = 1; panel <= kKeyPanelCount; ++panel) {
            const bool blackRow = panel <= 13 || (panel >= 26 && panel <= 37);
            if (blackRow && NoteAt(PanelTag(panel) - 2 * posShift) == 0)
                silent.push_back(panel);
        }
        const auto marks = HomePositionPanels(posShift);
        EXPECT_EQ(std::vector<int>(marks.begin(), marks.end()), silent) << "PosShift " << posShift;
    }
    EXPECT_TRUE(HomePositionPanels(-1).empty());
    EXPECT_TRUE(HomePositionPanels(kMaxPosShift + 1).empty());
}

} // namespace
