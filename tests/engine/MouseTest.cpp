// Mouse presses on the key panels with the auto-repeat of held control panels, and the pitch-bend knob.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>

#include "components/SuperTimer/SuperTimer.h"
#include "support/FormFixture.h"

using midi::NoteOff;
using midi::NoteOn;
using midi::PitchBend;
using platform::TBevelCut;
using MsgList = std::vector<std::uint32_t>;

namespace {
class Mouse : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        Start();
        Clear();
    }
    void Press(int panel, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(form->Panel(panel), button, Qt::NoModifier, QPoint(19, 19));
    }
    void Release(int panel, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(form->Panel(panel), button, Qt::NoModifier, QPoint(19, 19));
    }
    int Resets() const {
        int resets = 0;
        for (const auto& event : Events())
            resets += event.kind == platform::MidiEvent::Reset;
        return resets;
    }
};

TEST_F(Mouse, AnyButtonPlaysANotePanel) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Clear();
        Press(38, button);
        EXPECT_EQ(form->Panel(38)->BevelOuter(), TBevelCut::bvLowered);
        EXPECT_EQ(Messages(), (MsgList{NoteOn(0, 57)}));
        Release(38, button);
        EXPECT_EQ(form->Panel(38)->BevelOuter(), TBevelCut::bvRaised);
        EXPECT_EQ(Messages(), (MsgList{NoteOn(0, 57), NoteOff(0, 57), NoteOff(1, 69), NoteOff(2, 45)}));
    }
    EXPECT_FALSE(form->SuperTimer1->Enabled());
}

TEST_F(Mouse, FastClicksAndDoubleClicksEachPlayAndRelease) {
    // The window system reports every second click of a fast pair as a double-click instead of a press.
    for (int i = 0; i < 10; ++i) {
        if (i % 2) {
            const QPointF at(19, 19);
            QMouseEvent dblClick(QEvent::MouseButtonDblClick, at, form->Panel(38)->mapToGlobal(at),
                                 Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form->Panel(38), &dblClick);
            Release(38);
        } else {
            QTest::mouseClick(form->Panel(38), Qt::LeftButton, Qt::NoModifier, QPoint(19, 19));
        }
    }
    int ons = 0, offs = 0;
    for (std::uint32_t m : Messages()) {
        ons += m == NoteOn(0, 57);
        offs += m == NoteOff(0, 57);
    }
    EXPECT_EQ(ons, 10);
    EXPECT_EQ(offs, 10);
}

TEST_F(Mouse, PanelHeldByItsKeyIgnoresTheMousePressButReleases) {
    form->FormKeyDown('Z');
    Clear();
    Press(38);
    EXPECT_TRUE(Messages().empty());
    Release(38);
    EXPECT_EQ(Messages(), (MsgList{NoteOff(0, 57), NoteOff(1, 69), NoteOff(2, 45)}));
    Clear();
    form->FormKeyUp('Z');
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Mouse, HoldingAControlPanelRepeatsUntilTheRelease) {
    form->Volume = 0;
    Press(53); // "PU"
    EXPECT_EQ(form->Volume, 1) << "one step at the press";
    EXPECT_TRUE(form->SuperTimer1->Enabled());
    EXPECT_EQ(form->SuperTimer1->Tag, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Volume >= 3; }, 5000)) << "the delay, then the repeat";
    EXPECT_FALSE(form->SuperTimer1->Enabled());
    EXPECT_TRUE(form->SuperTimer2->Enabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->Volume == 32; }, 10000));
    QTest::qWait(100);
    EXPECT_EQ(form->Volume, 32) << "at the bound the repeat goes on without stepping";
    const int resetsBefore = Resets();
    QTest::qWait(100);
    EXPECT_GT(Resets(), resetsBefore) << "every repeated step resets the port";
    Release(53);
    EXPECT_FALSE(form->SuperTimer1->Enabled());
    EXPECT_FALSE(form->SuperTimer2->Enabled());
    const auto after = Events().size();
    QTest::qWait(150);
    EXPECT_EQ(Events().size(), after) << "no step after the release";
}

TEST_F(Mouse, AShortClickStepsOnce) {
    form->Volume = 10;
    Press(53);
    Release(53);
    QTest::qWait(500);
    EXPECT_EQ(form->Volume, 11);
}

TEST_F(Mouse, ALateTickAfterTheReleaseStepsNothing) {
    form->Volume = 10;
    Press(53);
    Release(53);
    // A tick already handed over when the release disabled the timers.
    form->SuperTimer1Timer();
    form->SuperTimer2Timer();
    EXPECT_EQ(form->Volume, 11);
    EXPECT_FALSE(form->SuperTimer2->Enabled());
}

TEST_F(Mouse, ControlPressWhileBendingStartsNoRepeat) {
    form->PitchBendPanelMouseDown(Qt::LeftButton, 6);
    EXPECT_TRUE(form->SuperTimer3->Enabled());
    Press(53);
    EXPECT_FALSE(form->SuperTimer1->Enabled());
    Release(53);
    form->PitchBendPanelMouseUp(Qt::LeftButton);
}

class Knob : public Mouse {
protected:
    // Moves the pointer so the grabbed point of the knob (6 pixels down) sits at panel height y.
    void PointAt(int y) { QCursor::setPos(form->MainPanel->mapToGlobal(QPoint(718, y + 6))); }
    bool WaitForTop(int top) {
        return QTest::qWaitFor([&] { return form->BendTop == top; }, 5000);
    }
};

TEST_F(Knob, DragSendsBendOnMovementAndLeftReleaseCentres) {
    PointAt(100);
    form->PitchBendPanelMouseDown(Qt::LeftButton, 6);
    QTest::qWait(20);
    EXPECT_TRUE(Messages().empty()) << "no movement, no message";
    PointAt(10); // above the track: clamped to its top
    ASSERT_TRUE(WaitForTop(36));
    EXPECT_EQ(form->PitchBendPanel->y(), 36);
    auto messages = Messages();
    ASSERT_GE(messages.size(), 3u);
    EXPECT_EQ(MsgList(messages.end() - 3, messages.end()),
              (MsgList{PitchBend(0, 127), PitchBend(1, 127), PitchBend(2, 127)}));
    PointAt(100);
    ASSERT_TRUE(WaitForTop(100));
    messages = Messages();
    EXPECT_EQ(MsgList(messages.end() - 3, messages.end()),
              (MsgList{PitchBend(0, 63), PitchBend(1, 63), PitchBend(2, 63)}));
    PointAt(500);
    ASSERT_TRUE(WaitForTop(164));
    messages = Messages();
    EXPECT_EQ(messages.back(), PitchBend(2, 0));
    Clear();
    form->PitchBendPanelMouseUp(Qt::LeftButton);
    EXPECT_EQ(Messages(), (MsgList{PitchBend(0, 64), PitchBend(1, 64), PitchBend(2, 64), PitchBend(9, 64)}));
    EXPECT_EQ(form->PitchBendPanel->y(), 100);
    EXPECT_FALSE(form->SuperTimer3->Enabled());
}

TEST_F(Knob, RightReleaseParksAndPercussionBendsItsOwnChannels) {
    form->Percussion1Click();
    PointAt(100);
    form->PitchBendPanelMouseDown(Qt::RightButton, 6);
    PointAt(90);
    ASSERT_TRUE(WaitForTop(90));
    auto messages = Messages();
    EXPECT_EQ(MsgList(messages.end() - 3, messages.end()),
              (MsgList{PitchBend(9, 73), PitchBend(10, 73), PitchBend(11, 73)}));
    Clear();
    form->PitchBendPanelMouseUp(Qt::RightButton);
    PointAt(50);
    QTest::qWait(30);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(form->PitchBendPanel->y(), 90) << "the knob stays where it was left";
}
} // namespace
