// The show and hide sequences against a recording port and a settings file in a temporary folder.
#include <QAction>
#include <QMenu>

#include "support/FormFixture.h"

using midi::ControlChange;
using midi::ProgramChange;

namespace {
using Lifecycle = FormFixture;

std::vector<platform::MidiEvent> ControllerEvents(int volume, int modulation) {
    std::vector<platform::MidiEvent> events;
    for (int channel : {0, 1, 2, 9})
        events.push_back(FormFixture::Msg(ControlChange(channel, 7, volume)));
    for (int channel : {0, 1, 2, 9})
        events.push_back(FormFixture::Msg(ControlChange(channel, 1, modulation)));
    return events;
}

TEST_F(Lifecycle, FirstStartResetsThenSendsDrumsPianoAndControllers) {
    Start();
    std::vector<platform::MidiEvent> expected = {Reset(), Msg(0x00C9), Msg(0x00C0), Msg(0x00C1), Msg(0x00C2)};
    for (const auto& event : ControllerEvents(100, 0))
        expected.push_back(event);
    EXPECT_EQ(Events(), expected);
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ"));
    EXPECT_EQ(form->KeyPanel->Caption(), QStringLiteral("C(0)"));
    EXPECT_EQ(form->VolumeProgressBar->Position(), 25);
    EXPECT_EQ(form->KeyProgressBar->Position(), 46);
    EXPECT_EQ(form->Menu, &form->MainMenuJ);
    EXPECT_TRUE(form->N1061->isChecked());
    EXPECT_EQ(form->PitchBendPanel->y(), 100);
    EXPECT_EQ(form->BendTravel, 128);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(ReadIni().isEmpty()) << "nothing is written at show when every value is valid";
}

TEST_F(Lifecycle, StoredPercussionSendsOnlyTheDrumProgramChange) {
    WriteIni("[Sound]\nIndex1=16\nIndex2=5\nVolume=32\nModulation=31\n");
    Start();
    std::vector<platform::MidiEvent> expected = {Reset(), Msg(0x00C9)};
    for (const auto& event : ControllerEvents(127, 124))
        expected.push_back(event);
    EXPECT_EQ(Events(), expected);
    EXPECT_EQ(form->ChannelBase, 9);
    EXPECT_EQ(form->Index2, 5);
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ﾊﾟｰｶｯｼｮﾝ"));
    EXPECT_TRUE(form->Percussion3->isChecked());
}

TEST_F(Lifecycle, StoredInstrumentSendsItsProgramOnTheThreeChannels) {
    WriteIni("[Sound]\nIndex1=3\nIndex2=0\n[Options]\nMenu-Japanese=0\n");
    Start();
    const auto messages = Messages();
    ASSERT_GE(messages.size(), 4u);
    EXPECT_EQ(std::vector<std::uint32_t>(messages.begin(), messages.begin() + 4),
              (std::vector<std::uint32_t>{ProgramChange(9, 0), ProgramChange(0, 24), ProgramChange(1, 24),
                                          ProgramChange(2, 24)}));
    EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("Acoustic guitar (nylon)"));
    EXPECT_EQ(form->Menu, &form->MainMenuE);
    EXPECT_TRUE(form->MainMenuE.Sound->actions()[3]->isChecked());
    EXPECT_TRUE(form->MainMenuE.Sound->actions()[3]->menu()->actions()[0]->isChecked());
}

TEST_F(Lifecycle, HideQuitsHelpThenResetsAndClosesThePort) {
    Start();
    Clear();
    Stop();
    EXPECT_EQ(Events(), (std::vector<platform::MidiEvent>{Reset(), Closed()}));
    EXPECT_EQ(helpCommands, (std::vector<std::uint32_t>{platform::HELP_QUIT}));
}

TEST_F(Lifecycle, FailedOpenShowsOneBoxAndTheWindowStillComesUp) {
    const struct {
        std::uint32_t code;
        const char* text;
    } cases[] = {{4, "Device Already Allocated"},
                 {66, "NoMap"},
                 {68, "No Midi Device"},
                 {1, "Midi Open Error"},
                 {7, "Midi Open Error"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        boxes.clear();
        log->clear();
        WriteIni("");
        Start(c.code);
        EXPECT_EQ(boxes, (std::vector<ShownBox>{{QStringLiteral("Error"), QString::fromLatin1(c.text)}}));
        EXPECT_TRUE(Events().empty()) << "a port that did not open takes nothing";
        EXPECT_EQ(form->SoundPanel->Caption(), QStringLiteral("ｸﾞﾗﾝﾄﾞ ﾋﾟｱﾉ"));
        EXPECT_EQ(form->PitchBendPanel->y(), 100);
        form->PressAction(101);
        form->PressAction(5);
        EXPECT_EQ(form->Volume, 26) << "the controls work silently";
        Stop();
        EXPECT_TRUE(Events().empty());
        form.reset();
    }
}
} // namespace
