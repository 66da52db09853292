// The show and hide sequences against a recording port and a settings file in a temporary folder.
#include <QAction>
#include <QMenu>
#include <QTimer>
#include <stdexcept>

#include "support/FormFixture.h"

namespace {
using Lifecycle = FormFixture;

// Show: the reset, the stored sound's programs, then volume and modulation on the four channels. Hide: the
// guide closed, the reset, the port closed.
TEST_F(Lifecycle, ShowSendsTheStoredSoundAndControllersAndHideSilencesThePort) {
    const struct {
        const char* ini;
        std::vector<std::uint32_t> programs;
        int volume, modulation, cc7, cc1, keyBar, index1, channelBase;
        const char *keyName, *sound;
    } cases[] = {
        // clang-format off
        {"", {0x00C9, 0x00C0, 0x00C1, 0x00C2}, 25, 0, 100, 0, 46, 0, 0, "C(0)", "ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ"},
        {"[Sound]\nIndex1=16\nIndex2=5\nVolume=32\nModulation=31\n", {0x00C9}, 32, 31, 127, 124, 46, 16, 9, "C(0)", "ﾊﾟｰｶｯｼｮﾝ"},
        {"[Sound]\nIndex1=3\nKey=12\n[Options]\nMenu-Japanese=0\n", {0x00C9, 0x18C0, 0x18C1, 0x18C2}, 25, 0, 100, 0, 58, 3, 0, "C(+1)", "Acoustic guitar (nylon)"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        Clear();
        WriteIni(c.ini);
        Start();
        std::vector<MidiEvent> expected = {Reset()};
        for (const std::uint32_t program : c.programs)
            expected.push_back(Msg(program));
        for (const auto& [controller, value] : {std::pair{7, c.cc7}, std::pair{1, c.cc1}})
            for (const int channel : {0, 1, 2, 9})
                expected.push_back(Msg(midi::ControlChange(channel, controller, value)));
        EXPECT_EQ(Events(), expected);
        EXPECT_EQ(form->ChannelBase, c.channelBase);
        EXPECT_EQ(form->SoundPanel->Caption(), QString::fromUtf8(c.sound));
        EXPECT_TRUE(form->Menu->Sound->actions()[c.index1]->isChecked());
        EXPECT_EQ(form->KeyPanel->Caption(), QString::fromLatin1(c.keyName));
        // The bars, and the knob at rest in the middle of its track.
        EXPECT_EQ((std::vector{form->KeyProgressBar->Position(), form->VolumeProgressBar->Position(),
                               form->ModulationProgressBar->Position(), form->PitchBendPanel->y()}),
                  (std::vector{c.keyBar, c.volume, c.modulation, 100}));
        Clear();
        Stop();
        EXPECT_EQ(Events(), (std::vector<MidiEvent>{Reset(), Closed()})) << "the hide sequence";
    }
    EXPECT_EQ(helpCommands, std::vector<std::uint32_t>(std::size(cases), platform::HELP_QUIT));
}

TEST_F(Lifecycle, AFailedOpenShowsOneBoxAndTheControlsStillWork) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {4, "Device Already Allocated"}, {66, "NoMap"}, {68, "No Midi Device"}, {1, "Midi Open Error"}};
    for (const auto& [code, text] : cases) {
        boxes.clear();
        WriteIni("");
        Start(code);
        EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Error", text}})) << code;
        form->PressAction(5);
        EXPECT_EQ(form->Volume, 26);
        Stop();
        EXPECT_TRUE(Events().empty());
    }
}
// An error that escapes a handler is shown in the application's error box, and the program plays on.
TEST_F(Lifecycle, AnEscapedErrorIsShownAndPlayGoesOn) {
    Start();
    QTimer::singleShot(0, form.get(), [] { throw std::runtime_error("disk on fire"); });
    ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.empty(); }));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Clavito", "disk on fire"}}));
    Clear();
    Click(form->Panel(38));
    EXPECT_EQ(Messages().front(), midi::NoteOn(0, 57));
}
} // namespace
