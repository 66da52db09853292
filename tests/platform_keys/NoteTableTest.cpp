#include <gtest/gtest.h>

#include <set>

#include "engine/NoteTable.h"

namespace {

TEST(NoteTable, PerPosShiftTheZNoteAndTheSilentBlackTags) {
    const struct {
        int posShift;
        int zNote;
        std::set<int> silent;
    } cases[] = {
        {0, 57, {104, 110, 118, 124, 132, 138}}, {1, 55, {106, 112, 120, 126, 134}},
        {2, 53, {100, 108, 114, 122, 128, 136}}, {3, 52, {102, 110, 116, 124, 130, 138}},
        {4, 50, {104, 112, 118, 126, 132}},      {5, 48, {100, 106, 114, 120, 128, 134}},
        {6, 47, {102, 108, 116, 122, 130, 136}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NoteAt(101 - 2 * c.posShift), c.zNote) << "PosShift " << c.posShift;
        std::set<int> silent;
        for (int tag = 100; tag <= 138; ++tag) {
            if (NoteAt(tag - 2 * c.posShift) == 0)
                silent.insert(tag);
        }
        EXPECT_EQ(silent, c.silent) << "PosShift " << c.posShift;
    }
    EXPECT_EQ(NoteAt(87), 0);
    EXPECT_EQ(NoteAt(139), 0);
}

} // namespace
