#include <gtest/gtest.h>

#include <set>

#include "engine/NoteTable.h"

namespace {

bool IsWhiteKey(int note) {
    const int pitchClass = note % 12;
    return pitchClass != 1 && pitchClass != 3 && pitchClass != 6 && pitchClass != 8 && pitchClass != 10;
}

TEST(NoteTable, SpotValues) {
    const struct {
        int index;
        int note;
    } cases[] = {{88, 46}, {89, 47},  {90, 0},   {91, 48},  {96, 0},   {100, 56}, {101, 57},
                 {104, 0}, {105, 60}, {110, 0},  {115, 69}, {118, 0},  {120, 73}, {124, 0},
                 {132, 0}, {133, 84}, {135, 86}, {136, 87}, {137, 88}, {138, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(NoteAt(c.index), c.note) << "index " << c.index;
}

TEST(NoteTable, OutsideTheTableIsNoNote) {
    for (int index : {-1, 0, 87, 139, 1000})
        EXPECT_EQ(NoteAt(index), 0) << "index " << index;
}

// Odd positions are the white keys in order; an even position is the black key between its neighbours,
// or nothing where they are a semitone apart.
TEST(NoteTable, IsAPianoKeyboardAlongThePositions) {
    int previousWhite = 0;
    for (int index = 89; index <= 137; index += 2) {
        const int white = NoteAt(index);
        ASSERT_TRUE(IsWhiteKey(white)) << "index " << index;
        if (previousWhite != 0) {
            EXPECT_TRUE(white - previousWhite == 1 || white - previousWhite == 2) << "index " << index;
        }
        previousWhite = white;
    }
    for (int index = 90; index <= 136; index += 2) {
        const int below = NoteAt(index - 1);
        const int above = NoteAt(index + 1);
        EXPECT_EQ(NoteAt(index), above - below == 2 ? below + 1 : 0) << "index " << index;
    }
    EXPECT_EQ(NoteAt(88), NoteAt(89) - 1);
    EXPECT_EQ(NoteAt(138), 0);
    EXPECT_EQ(NoteAt(89), 47);
    EXPECT_EQ(NoteAt(137), 88);
}

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
        for (int tag = 100; tag <= 138; tag += 2) {
            if (NoteAt(tag - 2 * c.posShift) == 0)
                silent.insert(tag);
        }
        EXPECT_EQ(silent, c.silent) << "PosShift " << c.posShift;
        for (int tag = 101; tag <= 137; tag += 2)
            EXPECT_NE(NoteAt(tag - 2 * c.posShift), 0) << "PosShift " << c.posShift << " tag " << tag;
    }
}

} // namespace

static_assert(NoteAt(101) == 57);
