// The output chooser through the window's menus, on a recording port and a fixed list of destinations.
#include <QAction>
#include <QMenu>

#include "platform/midi/MidiSettings.h"
#include "support/FormFixture.h"

using platform::MidiDestination;
using platform::MidiOutputChoice;

namespace {
class OutputChooser : public FormFixture {
protected:
    // Opens the port when the stored output is not failingOutput; notes which "Connect" each open read.
    void StartWith(const QByteArray& ini, MidiOutputChoice failingOutput = MidiOutputChoice::Auto) {
        WriteIni(ini);
        auto opener = [this, failingOutput](const QString& path) {
            const platform::MidiSettings settings = platform::readMidiSettings(path);
            opened.push_back(settings.connect);
            return platform::recordingMidiOpener(log, settings.output == failingOutput ? 68 : 0)(path);
        };
        form = std::make_unique<TMainForm>(TMainForm::Setup{opener, IniPath(), [this] { return present; }});
        form->show();
        Clear();
    }

    // The entries as the menu shows them when it opens.
    QList<QAction*> Entries() {
        form->Menu->Output->popup(QPoint(0, 0));
        form->Menu->Output->hide();
        return form->Menu->Output->actions();
    }

    std::vector<MidiDestination> present = {{MidiOutputChoice::Synth, {}},
                                            {MidiOutputChoice::Alsa, "Synth A&B:in"},
                                            {MidiOutputChoice::Jack, "daw:in"}};
    std::vector<std::string> opened;
};

TEST_F(OutputChooser, ListsWhatIsThereWithTheCurrentOutputCheckedInBothLanguages) {
    const struct {
        const char* ini;
        QStringList captions;
        int checked; // -1: none
    } cases[] = {
        {"[MIDI]\nOutput=jack\nConnect=daw:in\n",
         {"内蔵ｼﾝｾｻｲｻﾞｰ(&B)", "ALSA: Synth A&&B:in", "JACK: daw:in"},
         2},
        {"[Options]\nMenu-Japanese=0\n[MIDI]\noutput=SYNTH\n",
         {"&Built-in synthesizer", "ALSA: Synth A&&B:in", "JACK: daw:in"},
         0},
        {"[MIDI]\nOutput=alsa\nConnect=Synth A&B:in\n", {}, 1},
        {"[MIDI]\nOutput=jack\nConnect=daw:other\n", {}, -1},
        {"", {}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        StartWith(c.ini);
        EXPECT_EQ(form->Menu->Options->actions().last()->menu(), form->Menu->Output);
        const QList<QAction*> entries = Entries();
        ASSERT_EQ(entries.size(), 3);
        for (int i = 0; i < entries.size(); ++i) {
            if (!c.captions.isEmpty()) {
                EXPECT_EQ(entries[i]->text(), c.captions[i]);
            }
            EXPECT_EQ(entries[i]->isChecked(), i == c.checked) << i;
        }
        form.reset();
    }
}

TEST_F(OutputChooser, AChoiceIsStoredAndTheSoundAndControllersGoOutAgainOnTheNewPort) {
    StartWith(
        "[Sound]\nIndex1=3\nIndex2=1\nVolume=10\nModulation=2\n[MIDI]\nOutput=synth\nSoundFont=x.sf2\n");
    Entries()[2]->trigger();
    std::vector<platform::MidiEvent> expected = {Reset(),     Closed(),    Reset(),    Msg(0x00C9),
                                                 Msg(0x19C0), Msg(0x19C1), Msg(0x19C2)};
    for (const std::uint32_t controller :
         {0x2807B0u, 0x2807B1u, 0x2807B2u, 0x2807B9u, 0x0801B0u, 0x0801B1u, 0x0801B2u, 0x0801B9u})
        expected.push_back(Msg(controller));
    EXPECT_EQ(Events(), expected);
    EXPECT_EQ(opened, (std::vector<std::string>{"", "daw:in"}));
    EXPECT_EQ(ReadIni(), QByteArray("[Sound]\nIndex1=3\nIndex2=1\nVolume=10\nModulation=2\n"
                                    "[MIDI]\nOutput=jack\nSoundFont=x.sf2\nConnect=daw:in\n"));
    EXPECT_TRUE(boxes.empty());
    Entries()[0]->trigger();
    EXPECT_EQ(platform::readMidiSettings(IniPath()).output, MidiOutputChoice::Synth);
}

TEST_F(OutputChooser, AFailedSwitchSaysWhyAndReopensThePreviousOutput) {
    StartWith("[MIDI]\nOutput=alsa\nConnect=Synth A&B:in\n", MidiOutputChoice::Jack);
    Entries()[2]->trigger();
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Error", "JACK: daw:in: No Midi Device"}}));
    EXPECT_EQ(opened, (std::vector<std::string>{"Synth A&B:in", "daw:in", "Synth A&B:in"}));
    EXPECT_EQ(ReadIni(), QByteArray("[MIDI]\nOutput=alsa\nConnect=Synth A&B:in\n"));
    const std::vector<platform::MidiEvent> events = Events();
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(std::vector(events.begin(), events.begin() + 4),
              (std::vector<platform::MidiEvent>{Reset(), Closed(), Reset(), Msg(0x00C9)}));
}

} // namespace
