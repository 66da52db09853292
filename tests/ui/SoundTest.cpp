// Choosing the sound and the output from the menus, the check marks, the display and the menu language.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/midi/MidiSettings.h"
#include "support/FormFixture.h"

namespace {
using Sound = FormFixture;
using MarkList = std::vector<std::pair<int, int>>;

QAction* Item(QMenu* menu, int group, int item) {
    return OpenGroup(menu, group)->actions()[item];
}
// Every checked entry and item of a menu, as (group, item) with item -1 for an entry; each group opened.
MarkList Marks(QMenu* menu) {
    MarkList marks;
    for (int g = 0; g < menu->actions().size(); ++g) {
        QAction* entry = menu->actions()[g];
        if (entry->menu())
            OpenGroup(menu, g);
        if (entry->isChecked())
            marks.emplace_back(g, -1);
        for (int i = 0; entry->menu() && i < entry->menu()->actions().size(); ++i)
            if (entry->menu()->actions()[i]->isChecked())
                marks.emplace_back(g, i);
    }
    return marks;
}

// A sound is marked in the Sound menu and the popup of the language in force only, and the display shows
// the caption it was chosen by: the Japanese popup shortens the glockenspiel's. A language switch puts the
// other menus on the bar and their hints on the labels, keeps the sound and shows the Sound menu's caption.
TEST_F(Sound, TheMenusOfTheLanguageInForceChooseMarkAndNameTheSound) {
    Start();
    const auto shown = [this](const char* caption, MarkList japanese, MarkList english) {
        EXPECT_EQ(W().SoundPanel->Caption(), QString::fromUtf8(caption));
        EXPECT_EQ((std::vector{Marks(form->Menus(true).sound), Marks(form->Menus(true).soundPopup)}),
                  (std::vector{japanese, japanese}));
        EXPECT_EQ((std::vector{Marks(form->Menus(false).sound), Marks(form->Menus(false).soundPopup)}),
                  (std::vector{english, english}));
    };
    Item(form->Menus(true).soundPopup, 1, 1)->trigger();
    EXPECT_EQ(State().sound, (SoundChoice{1, 1}));
    shown("ｸﾞﾛｯｹﾝ", {{1, -1}, {1, 1}}, {});
    form->Menus(true).english->trigger();
    EXPECT_EQ(form->menuBar()->actions().first(), form->Menus(false).sound->menuAction());
    EXPECT_EQ(W().hintLabels[3]->Hint(), "L_Button - Return  R_Button - Stay");
    shown("Glockenspiel", {}, {{1, -1}, {1, 1}});
    form->Menus(false).japanese->trigger();
    EXPECT_NE(W().hintLabels[3]->Hint(), "L_Button - Return  R_Button - Stay");
    shown("ｸﾞﾛｯｹﾝｼｭﾋﾟｰﾙ", {{1, -1}, {1, 1}}, {});
    Item(form->Menus(true).sound, 3, 0)->trigger();
    shown("ｱｺｰｽﾃｨｯｸ ｷﾞﾀｰ(ﾅｲﾛﾝ)", {{3, -1}, {3, 0}}, {});
    form->Menus(true).sound->actions().last()->trigger();
    shown("ﾊﾟｰｶｯｼｮﾝ", {{16, -1}}, {});
}

// Options > Output lists the outputs present as it opens, the one in use checked. A choice is stored and the
// port reopened on it with the sound and controllers of the moment; an output gone since the menu opened, or
// one that fails to open, is told in a box, and the previous one is stored and open again.
TEST_F(Sound, TheOutputChooserReopensThePortWithTheSoundOfTheMoment) {
    using platform::MidiOutputChoice;
    std::vector<platform::MidiDestination> present = {
        {MidiOutputChoice::Synth, {}}, {MidiOutputChoice::Jack, "a:in"}, {MidiOutputChoice::Jack, "b:in"}};
    // A recording port that plays into what the settings name; the synthesizer finds no SoundFont.
    const auto opener = [record = recordingMidiOpener(log)](const QString& path) {
        const platform::MidiSettings midi = platform::readMidiSettings(path);
        platform::MidiOpenResult opened = midi.output == MidiOutputChoice::Synth
                                              ? platform::MidiOpenResult(platform::MIDIERR_NOMAP, nullptr)
                                              : record(path);
        opened.destination = {midi.output, midi.connect};
        return opened;
    };
    WriteIni("[MIDI]\nOutput=jack\nConnect=a:in\n");
    form = std::make_unique<TMainForm>(TMainForm::Setup{
        .midiOpener = opener, .settingsPath = IniPath(), .midiLister = [&present] { return present; }});
    form->show();
    QMenu* menu = form->Menus().output;
    const auto checked = [menu] { // the menu fills as it opens
        menu->popup(QPoint(0, 0));
        menu->hide();
        return Marks(menu);
    };
    EXPECT_EQ(checked(), (MarkList{{1, -1}})) << "a:in";
    Item(form->Menus().soundPopup, 3, 0)->trigger();
    Click(W().Panel(53)); // Volume up
    log->clear();
    menu->actions()[2]->trigger();
    const MidiLog switched = *log;
    EXPECT_EQ(checked(), (MarkList{{2, -1}})) << "b:in";
    EXPECT_EQ(MidiLog(switched.begin(), switched.begin() + 3),
              (MidiLog{kResetMark, kClosedMark, kResetMark}));
    EXPECT_EQ(std::ranges::count(switched, midi::ProgramChange(0, 24)), 1);
    EXPECT_EQ(std::ranges::count(switched, midi::ControlChange(0, 7, midi::ControllerValue(26))), 1);
    present.erase(present.begin() + 1);
    menu->actions()[1]->trigger();
    log->clear();
    menu->actions()[0]->trigger();
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Error", "JACK: a:in: No Midi Device"},
                                            {"Error", "Built-in synthesizer: NoMap"}}));
    EXPECT_EQ(*log, switched);
    EXPECT_EQ(checked(), (MarkList{{1, -1}})) << "b:in, a:in gone";
    EXPECT_TRUE(ReadIni().contains("Output=jack\nConnect=b:in\n")) << ReadIni().data();
}
} // namespace
