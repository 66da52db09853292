// Note tags to messages: the note table, the position shift, the transposition and the doublings.
#include <QAction>

#include "support/FormFixture.h"

using midi::NoteOff;
using midi::NoteOn;
using MsgList = std::vector<std::uint32_t>;

namespace {
class Notes : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        Start();
        Clear();
    }
    void SetOctaves(bool high, bool low) {
        form->High1->setChecked(high);
        form->Low1->setChecked(low);
    }
};

TEST_F(Notes, PressAndReleaseSendTheTableNoteWithItsDoublingOffs) {
    const struct {
        int tag, key, posShift;
        bool high, low;
        MsgList press, release;
    } cases[] = {
        {101, 0, 0, false, false, {NoteOn(0, 57)}, {NoteOff(0, 57), NoteOff(1, 69), NoteOff(2, 45)}},
        {104, 0, 0, true, true, {}, {}}, // "D": no note at this shift
        {115, 0, 0, false, false, {NoteOn(0, 69)}, {NoteOff(0, 69), NoteOff(1, 81), NoteOff(2, 57)}},
        {101,
         0,
         0,
         true,
         false,
         {NoteOn(0, 57), NoteOn(1, 69)},
         {NoteOff(0, 57), NoteOff(1, 69), NoteOff(2, 45)}},
        {101,
         0,
         5,
         false,
         true,
         {NoteOn(0, 48), NoteOn(2, 36)},
         {NoteOff(0, 48), NoteOff(1, 60), NoteOff(2, 36)}},
        {100, -46, 6, true, true, {NoteOn(0, 0), NoteOn(1, 12)}, {NoteOff(0, 0), NoteOff(1, 12)}},
        {137, 39, 0, true, true, {NoteOn(0, 127), NoteOn(2, 115)}, {NoteOff(0, 127), NoteOff(2, 115)}},
        // The doubling bounds: 115 doubles up, 116 does not; 12 doubles down, 11 does not.
        {137,
         27,
         0,
         true,
         false,
         {NoteOn(0, 115), NoteOn(1, 127)},
         {NoteOff(0, 115), NoteOff(1, 127), NoteOff(2, 103)}},
        {137, 28, 0, true, false, {NoteOn(0, 116)}, {NoteOff(0, 116), NoteOff(2, 104)}},
        {100,
         -44,
         0,
         false,
         true,
         {NoteOn(0, 12), NoteOn(2, 0)},
         {NoteOff(0, 12), NoteOff(1, 24), NoteOff(2, 0)}},
        {100, -45, 0, false, true, {NoteOn(0, 11)}, {NoteOff(0, 11), NoteOff(1, 23)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tag " << c.tag << " key " << c.key << " shift " << c.posShift);
        form->Key = c.key;
        form->PosShift = c.posShift;
        SetOctaves(c.high, c.low);
        Clear();
        form->PressAction(c.tag);
        EXPECT_EQ(Messages(), c.press);
        Clear();
        form->ReleaseAction(c.tag);
        EXPECT_EQ(Messages(), c.release);
    }
}

TEST_F(Notes, PercussionPlaysOnChannelNineWithoutDoublings) {
    form->Percussion1Click();
    SetOctaves(true, true);
    Clear();
    form->PressAction(101);
    EXPECT_EQ(Messages(), (MsgList{NoteOn(9, 57)}));
    Clear();
    form->ReleaseAction(101);
    EXPECT_EQ(Messages(), (MsgList{NoteOff(9, 57), NoteOff(1, 69), NoteOff(2, 45)}));
}

TEST_F(Notes, ReleaseUsesTheStateOfItsMoment) {
    form->PressAction(101);
    form->PressAction(2); // Key +1 resets the port
    Clear();
    form->ReleaseAction(101);
    EXPECT_EQ(Messages(), (MsgList{NoteOff(0, 58), NoteOff(1, 70), NoteOff(2, 46)}));
}

TEST_F(Notes, OtherTagsDoNothing) {
    for (int tag : {0, 11, 99, 139, -1, 1000}) {
        form->PressAction(tag);
        form->ReleaseAction(tag);
    }
    for (int tag = 1; tag <= 10; ++tag)
        form->ReleaseAction(tag);
    EXPECT_TRUE(Events().empty());
}
} // namespace
