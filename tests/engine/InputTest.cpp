// The typing keyboard and the mouse on the real window, through Qt's own delivery, filters and grabs.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <algorithm>
#include <stdexcept>

#include "components/SuperTimer/SuperTimer.h"
#include "support/FormFixture.h"

using platform::TBevelCut;
using MsgList = std::vector<std::uint32_t>;

namespace {
// The Note Ons of the first notes, then the Note Offs (with both doublings) of the others.
MsgList Played(std::initializer_list<int> ons, std::initializer_list<int> offs = {}) {
    MsgList messages;
    for (int note : ons)
        messages.push_back(midi::NoteOn(0, note));
    for (int note : offs)
        messages.insert(messages.end(),
                        {midi::NoteOff(0, note), midi::NoteOff(1, note + 12), midi::NoteOff(2, note - 12)});
    return messages;
}

MsgList operator+(MsgList first, const MsgList& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class Input : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        StartActive();
        Clear();
    }
    bool Lowered(int panel) const { return form->Panel(panel)->BevelOuter() == TBevelCut::bvLowered; }
};

TEST_F(Input, HeldKeysSoundOnceTogetherAndEndAtTheirOwnRelease) {
    KeyDown(KEY_Z);
    for (int i = 0; i < 3; ++i) { // the window system's repeats: the releases are dropped
        Key(QEvent::KeyRelease, KEY_Z, true);
        KeyDown(KEY_Z, true);
    }
    KeyDown(KEY_C);
    KeyDown(KEY_B);
    KeyUp(KEY_B);
    KeyUp(KEY_C);
    EXPECT_EQ(Messages(), Played({57, 60, 64}, {64, 60}));
    Clear();
    KeyDown(KEY_UP); // a control step silences through the port reset, not through Z's release
    KeyUp(KEY_UP);
    EXPECT_EQ(Events().front(), Reset());
    EXPECT_EQ(Messages().size(), 8u) << "the controllers only";
    Clear();
    KeyUp(KEY_Z);
    QTest::keyPress(form->windowHandle(), Qt::Key_Z); // no scan code: the Qt key decides
    QTest::keyRelease(form->windowHandle(), Qt::Key_Z);
    EXPECT_EQ(Messages(), Played({}, {58}) + Played({58}, {58}));
    form->Volume = 31;
    Clear();
    KeyDown(KEY_PAGEUP); // a held control key steps at every repeat, also at the bound
    KeyDown(KEY_PAGEUP, true);
    KeyUp(KEY_PAGEUP);
    EXPECT_EQ(form->Volume, 32);
    EXPECT_EQ(Events().size(), 18u) << "two resets and twice the eight controllers";
}

TEST_F(Input, EachPlaceReachesThePanelOfItsLabel) {
    const struct {
        QAction* TMainForm::*type;
        int evdev, panel, note; // panel 0: none; note 0: silent
    } cases[] = {
        {&TMainForm::N1061, KEY_Q, 14, 69},          {&TMainForm::N1061, KEY_D, 28, 0},
        {&TMainForm::N1061, KEY_1, 1, 68},           {&TMainForm::N1061, KEY_LEFTBRACE, 24, 86},
        {&TMainForm::N1061, KEY_EQUAL, 12, 87},      {&TMainForm::N1061, KEY_APOSTROPHE, 36, 73},
        {&TMainForm::N1061, KEY_BACKSLASH, 37, 75},  {&TMainForm::N1061, KEY_RO, 48, 74},
        {&TMainForm::N1061, KEY_YEN, 13, 0},         {&TMainForm::N1061, KEY_KP1, 0, 0},
        {&TMainForm::N981, KEY_RO, 48, 74},          {&TMainForm::N1011, KEY_APOSTROPHE, 36, 73},
        {&TMainForm::N1011, KEY_EQUAL, 12, 87},      {&TMainForm::N1011, KEY_LEFTBRACE, 24, 86},
        {&TMainForm::N1011, KEY_RIGHTBRACE, 25, 88}, {&TMainForm::N1011, KEY_SEMICOLON, 35, 0},
        {&TMainForm::N1011, KEY_BACKSLASH, 13, 0},   {&TMainForm::N1011, KEY_GRAVE, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "evdev " << c.evdev << " under " << ((*form).*c.type)->text().toStdString());
        ((*form).*c.type)->trigger();
        Clear();
        KeyDown(c.evdev);
        EXPECT_EQ(c.panel && Lowered(c.panel), c.panel != 0);
        EXPECT_EQ(Messages(), c.note ? Played({c.note}) : MsgList{});
        KeyUp(c.evdev);
        EXPECT_FALSE(c.panel && Lowered(c.panel));
        EXPECT_EQ(Events().empty(), c.note == 0);
    }
}

TEST_F(Input, LosingTheKeyboardReleasesTheHeldKeys) {
    KeyDown(KEY_Z);
    KeyDown(KEY_Q);
    Clear();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    MsgList expected = Played({}, {57, 69}), got = Messages();
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected);
    EXPECT_FALSE(Lowered(38));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Clear();
    KeyUp(KEY_Z); // its panel is up already
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Input, AppsKeyOpensTheSoundPopupWhichTakesTheKeyboard) {
    KeyDown(KEY_Z);
    KeyDown(KEY_COMPOSE);
    EXPECT_FALSE(form->SoundPopup->isVisible());
    Clear();
    KeyUp(KEY_COMPOSE);
    ASSERT_TRUE(form->SoundPopup->isVisible());
    EXPECT_EQ(form->SoundPopup->pos(), form->MainPanel->mapToGlobal(QPoint(12, 221)));
    EXPECT_EQ(Messages(), Played({}, {57}));
    Clear();
    KeyDown(KEY_X); // typed into the open menu
    EXPECT_TRUE(Messages().empty());
    form->SoundPopup->hide();
}

TEST_F(Input, AnyButtonPlaysAPanelAndOnlyTheLeftCaptures) {
    QWidget* z = form->Panel(38);
    QWidget* x = form->Panel(39);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Clear();
        Press(z, button);
        EXPECT_TRUE(Lowered(38));
        Release(x, button); // dragged off: the release still ends the pressed panel
        EXPECT_FALSE(Lowered(38));
        EXPECT_EQ(Messages(), Played({57}, {57})) << button;
    }
    Clear();
    Press(z, Qt::RightButton);
    Press(x, Qt::LeftButton);
    Release(x, Qt::LeftButton);
    EXPECT_TRUE(Lowered(38));
    Release(z, Qt::RightButton);
    EXPECT_EQ(Messages(), Played({57, 59}, {59, 57}));
    Clear();
    Press(z, Qt::LeftButton);
    Press(x, Qt::MiddleButton); // captured by the left button's panel, which is down already
    EXPECT_FALSE(Lowered(39));
    EXPECT_EQ(Messages(), Played({57}));
    Release(x, Qt::MiddleButton);
    Release(z, Qt::LeftButton);
    Clear();
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, At(z));
    EXPECT_EQ(Messages(), Played({57}, {57}) + Played({57}, {57}));
}

TEST_F(Input, HoldingAControlPanelRepeatsAfterTheDelayAtTheRate) {
    EXPECT_EQ(form->SuperTimer1->Interval(), 400);
    EXPECT_EQ(form->SuperTimer2->Interval(), 32);
    EXPECT_EQ(form->SuperTimer3->Interval(), 1);
    form->Volume = 0;
    Press(form->Panel(53)); // "PU"
    EXPECT_EQ(form->Volume, 1);
    EXPECT_EQ(form->SuperTimer1->Tag, 5);
    EXPECT_TRUE(form->SuperTimer1->Enabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Volume >= 3; }, 30000));
    EXPECT_FALSE(form->SuperTimer1->Enabled());
    EXPECT_TRUE(form->SuperTimer2->Enabled());
    Release(form->Panel(53));
    EXPECT_FALSE(form->SuperTimer2->Enabled());
    const std::int32_t released = form->Volume;
    form->SuperTimer1Timer(); // ticks already handed over at the release
    form->SuperTimer2Timer();
    EXPECT_EQ(form->Volume, released);
}

TEST_F(Input, TheKnobFollowsThePointerHeightOnly) {
    const QPoint grab = At(form->PitchBendPanel);
    const int top = form->PitchBendPanel->y();
    QCursor::setPos(form->mapToGlobal(grab));
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, grab);
    QCursor::setPos(form->mapToGlobal(grab + QPoint(25, -10)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->BendTop == top - 10; }, 30000));
    EXPECT_EQ(form->PitchBendPanel->y(), top - 10);
    Clear();
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, grab);
    EXPECT_EQ(Messages(), (MsgList{midi::PitchBend(0, 64), midi::PitchBend(1, 64), midi::PitchBend(2, 64),
                                   midi::PitchBend(9, 64)}));
    EXPECT_EQ(form->PitchBendPanel->y(), top);
}

TEST_F(Input, PressesWhereALabelOverlapsAPanelReachThePanel) {
    int overlaps = 0;
    for (const auto* label : form->MainPanel->findChildren<platform::TLabel*>()) {
        for (int number = 1; number <= 58; ++number) {
            const QRect both = label->geometry() & form->Panel(number)->geometry();
            if (both.isEmpty() || !form->Panel(number)->isVisible())
                continue;
            ++overlaps;
            const QPoint at = form->MainPanel->mapTo(form.get(), both.center());
            QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            bool reached = false; // where two panels overlap too, the upper one
            for (int other = 1; other <= 58; ++other)
                reached |= Lowered(other) && form->Panel(other)->geometry().contains(both.center());
            EXPECT_TRUE(reached) << label->objectName().toStdString() << " over Panel" << number;
            QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        }
    }
    EXPECT_GT(overlaps, 0);
}

TEST_F(Input, AnErrorInAHandlerIsShownAndThePlayGoesOn) {
    QMetaObject::invokeMethod(
        form.get(), [] { throw std::runtime_error("broken handler"); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{QStringLiteral("Clavito"), QStringLiteral("broken handler")}}));
    KeyDown(KEY_Z);
    EXPECT_EQ(Messages(), Played({57}));
}
} // namespace
