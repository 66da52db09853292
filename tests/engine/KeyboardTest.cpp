// The typing keyboard driving the window: key sequences in, exact messages out.
#include <QAction>
#include <QMenu>

#include "support/FormFixture.h"
#include "support/KeyInput.h"

using midi::NoteOff;
using midi::NoteOn;
using platform::TBevelCut;
using MsgList = std::vector<std::uint32_t>;

namespace {
class Keyboard : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        Start();
        Clear();
    }
    MsgList Off(int channel0Note) {
        return {NoteOff(0, channel0Note), NoteOff(1, channel0Note + 12), NoteOff(2, channel0Note - 12)};
    }
};

TEST_F(Keyboard, ZPlaysAndHeldAutoRepeatSendsNothing) {
    KeyDown(form.get(), KEY_Z);
    KeyDown(form.get(), KEY_Z, true);
    KeyDown(form.get(), KEY_Z, true);
    KeyUp(form.get(), KEY_Z, true); // the window system's repeat releases are dropped
    EXPECT_EQ(Messages(), (MsgList{NoteOn(0, 57)}));
    EXPECT_EQ(form->Panel(38)->BevelOuter(), TBevelCut::bvLowered);
    Clear();
    KeyUp(form.get(), KEY_Z);
    EXPECT_EQ(Messages(), Off(57));
    EXPECT_EQ(form->Panel(38)->BevelOuter(), TBevelCut::bvRaised);
}

TEST_F(Keyboard, LettersPlayTheirPanels) {
    const struct {
        int evdev;
        int panel;
        int note; // 0: silent
    } cases[] = {{KEY_Q, 14, 69}, {KEY_D, 28, 0},  {KEY_A, 26, 56},     {KEY_1, 1, 68},     {KEY_K, 33, 68},
                 {KEY_P, 23, 84}, {KEY_M, 44, 67}, {KEY_COMMA, 45, 69}, {KEY_SLASH, 47, 72}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.evdev);
        Clear();
        KeyDown(form.get(), c.evdev);
        EXPECT_EQ(form->Panel(c.panel)->BevelOuter(), TBevelCut::bvLowered);
        EXPECT_EQ(Messages(), c.note ? MsgList{NoteOn(0, c.note)} : MsgList{});
        KeyUp(form.get(), c.evdev);
        EXPECT_EQ(form->Panel(c.panel)->BevelOuter(), TBevelCut::bvRaised);
    }
}

TEST_F(Keyboard, TwoPanelsSharingATagSoundTheSameNoteTwice) {
    KeyDown(form.get(), KEY_K);
    KeyDown(form.get(), KEY_1);
    EXPECT_EQ(Messages(), (MsgList{NoteOn(0, 68), NoteOn(0, 68)}));
    Clear();
    KeyUp(form.get(), KEY_K);
    EXPECT_EQ(Messages(), Off(68));
    EXPECT_EQ(form->Panel(1)->BevelOuter(), TBevelCut::bvLowered);
}

TEST_F(Keyboard, HeldControlKeyRepeatsItsStepAtTheBound) {
    form->Volume = 31;
    KeyDown(form.get(), KEY_PAGEUP);
    KeyDown(form.get(), KEY_PAGEUP, true);
    KeyUp(form.get(), KEY_PAGEUP);
    EXPECT_EQ(form->Volume, 32);
    int resets = 0;
    for (const auto& event : Events())
        resets += event.kind == platform::MidiEvent::Reset;
    EXPECT_EQ(resets, 2);
    EXPECT_EQ(Messages().size(), 16u) << "each repeat re-sends the eight controllers";
}

TEST_F(Keyboard, KeyHeldAcrossATypeChangeIsReleasedThroughTheNewMap) {
    // Under 106 Japanese the key right of P ([ on a US board) is "@": Panel24.
    KeyDown(form.get(), KEY_LEFTBRACE);
    EXPECT_EQ(Messages(), (MsgList{NoteOn(0, 86)}));
    form->N1011Click();
    Clear();
    KeyUp(form.get(), KEY_LEFTBRACE);
    EXPECT_TRUE(Messages().empty()) << "code 192 maps to no panel under 101 English";
    EXPECT_EQ(form->Panel(24)->BevelOuter(), TBevelCut::bvLowered);
}

TEST_F(Keyboard, JapaneseKeysReachTheirPanels) {
    const struct {
        void (TMainForm::*type)();
        int evdev;
        int panel;
        const char* caption;
    } cases[] = {{&TMainForm::N1061Click, KEY_RO, 48, "\\"},
                 {&TMainForm::N1061Click, KEY_YEN, 13, "\\"},
                 {&TMainForm::N981Click, KEY_RO, 48, "_"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.evdev);
        (form.get()->*c.type)();
        KeyDown(form.get(), c.evdev);
        EXPECT_EQ(form->Panel(c.panel)->BevelOuter(), TBevelCut::bvLowered);
        EXPECT_EQ(form->Panel(c.panel)->Caption(), QString::fromLatin1(c.caption));
        KeyUp(form.get(), c.evdev);
    }
    EXPECT_TRUE(form->Panel(13)->YenForBackslash());
    form->N1011Click();
    EXPECT_FALSE(form->Panel(13)->YenForBackslash());
    EXPECT_FALSE(form->Panel(48)->isVisibleTo(form.get()));
    EXPECT_EQ(form->Panel(36)->Caption(), QStringLiteral("'"));
    EXPECT_TRUE(form->N1012->isChecked());
    EXPECT_FALSE(form->N1062->isChecked());
}

TEST_F(Keyboard, KeypadKeysNeverPlay) {
    for (int evdev : {KEY_KP1, KEY_KP8, KEY_KPENTER, KEY_KP0, KEY_KPPLUS}) {
        KeyDown(form.get(), evdev);
        KeyUp(form.get(), evdev);
    }
    EXPECT_TRUE(Events().empty());
}

TEST_F(Keyboard, LosingTheKeyboardReleasesHeldNotes) {
    KeyDown(form.get(), KEY_Z);
    KeyDown(form.get(), KEY_Q);
    Clear();
    // A popup takes the keyboard while the keys are held: their key-ups never reach the window.
    form->SoundPopup->popup(QPoint(0, 0));
    MsgList expected = Off(57);
    for (std::uint32_t m : Off(69))
        expected.push_back(m);
    auto got = Messages();
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected);
    EXPECT_EQ(form->Panel(38)->BevelOuter(), TBevelCut::bvRaised);
    EXPECT_EQ(form->Panel(14)->BevelOuter(), TBevelCut::bvRaised);
    form->SoundPopup->hide();
    Clear();
    KeyUp(form.get(), KEY_Z); // the late key-up finds the panel raised
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Keyboard, AppsKeyOpensTheSoundPopupUnderTheDisplay) {
    KeyDown(form.get(), KEY_COMPOSE);
    EXPECT_FALSE(form->SoundPopup->isVisible());
    KeyUp(form.get(), KEY_COMPOSE);
    EXPECT_TRUE(form->SoundPopup->isVisible());
    const QPoint expected = form->MainPanel->mapToGlobal(QPoint(12, 221));
    EXPECT_EQ(form->SoundPopup->pos(), expected);
    form->SoundPopup->hide();
    EXPECT_TRUE(Events().empty());
}
} // namespace
