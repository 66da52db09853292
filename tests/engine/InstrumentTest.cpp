// The rules of playing on the instrument alone: the exact stream each call sends through a recording port
// (bytes and order) and what it leaves in the state. Which note a panel plays, the doublings switched on and
// off while notes sound, held and repeated keys, the mouse on a panel that is down and the keys a lost
// keyboard releases are checked against a model by the window's random performance (ui/SoakTest.cpp).
#include <functional>
#include <gtest/gtest.h>
#include <utility>

#include "engine/Instrument.h"
#include "engine/MidiMessages.h"
#include "support/RecordingOutput.h"

namespace {
using Msgs = std::vector<std::uint32_t>;
using midi::NoteOff, midi::NoteOn, midi::PitchBend, midi::ProgramChange;

Msgs operator+(Msgs a, const Msgs& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
// A controller's value on the four controller channels.
Msgs CC(int controller, int value) {
    Msgs msgs;
    for (int channel : {0, 1, 2, 9})
        msgs.push_back(midi::ControlChange(channel, controller, value));
    return msgs;
}
// A note's Note Off and those of both doublings.
Msgs Offs(int note) {
    return {NoteOff(0, note), NoteOff(1, note + 12), NoteOff(2, note - 12)};
}
Msgs Programs(int program) {
    return {ProgramChange(0, program), ProgramChange(1, program), ProgramChange(2, program)};
}

class InstrumentTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void Open() { ASSERT_EQ(instrument.Port().Open(recordingMidiOpener(log), QString()), 0u); }
    void Start(const Settings& settings = {}) {
        instrument.Start(settings);
        log->clear();
    }
    Msgs Take() { return std::exchange(*log, {}); }

    std::shared_ptr<MidiLog> log = std::make_shared<MidiLog>();
    Instrument instrument;
};

// Start: the reset, the drum set's program and the instrument's on the melody channels (none for
// percussion), then the controllers; the settings taken in are what the exit stores, but for the place.
TEST_F(InstrumentTest, StartSendsTheStoredSoundAndControllersAndTakesTheSettingsIn) {
    // clang-format off
    const struct { Settings settings; Msgs programs; int cc7, cc1, channelBase; KeyboardType keyboard; } cases[] = {
        {{.volume = 32, .modulation = 31, .index1 = 16, .index2 = 5, .keyboard = 1, .dynamics = true}, {}, 127, 124, 9, KeyboardType::Pc98},
        {{.key = 12, .posShift = 6, .index1 = 3, .keyboard = 2, .japanese = false, .high = true, .sustain = true}, Programs(24), 100, 0, 0, KeyboardType::En101},
        {{.key = -46, .volume = 1, .index1 = 15, .index2 = 7, .keyboard = 7, .low = true, .x = 40, .y = 9}, Programs(127), 4, 0, 0, KeyboardType::Jp106},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Settings& s = c.settings;
        SCOPED_TRACE(testing::Message() << "sound " << s.index1 << "/" << s.index2);
        instrument.Start(s);
        EXPECT_EQ(Take(), (Msgs{kResetMark, ProgramChange(9, 0)} + c.programs + CC(7, c.cc7) + CC(1, c.cc1)));
        const Performance& state = instrument.State();
        EXPECT_EQ(state.saved, state.controls);
        EXPECT_EQ(std::tuple(state.channelBase, state.keyboard), std::tuple(c.channelBase, c.keyboard));
        Settings stored = s;
        stored.keyboard = static_cast<int>(c.keyboard);
        stored.x = stored.y = 0;
        EXPECT_EQ(instrument.StoredSettings(), stored);
    }
}

// A chosen instrument's program goes to the melody channels. What the play changed is what the exit stores;
// Stop resets and closes the port, and Resend sends the sound and controllers of the moment on the new one.
TEST_F(InstrumentTest, ThePlayIsStoredAndResentOnAnotherPort) {
    Start({.volume = 10, .modulation = 2});
    for (int tag : {2, 5, 7, 9}) // Key, Volume, Modulation and PosShift up
        instrument.PressAction(tag);
    instrument.ToggleHigh();
    instrument.SetJapanese(false);
    instrument.SetKeyboardType(KeyboardType::En101);
    Take();
    instrument.ChooseSound({3, 2});
    EXPECT_EQ(Take(), Programs(26));
    // clang-format off
    EXPECT_EQ(instrument.StoredSettings(), (Settings{.key = 1, .volume = 11, .modulation = 3, .posShift = 1, .index1 = 3, .index2 = 2, .keyboard = 2, .japanese = false, .high = true}));
    // clang-format on
    instrument.Stop();
    EXPECT_EQ(Take(), (Msgs{kResetMark, kClosedMark}));
    Open();
    instrument.Resend();
    EXPECT_EQ(Take(), (Msgs{kResetMark, ProgramChange(9, 0)} + Programs(26) + CC(7, 44) + CC(1, 12)));
}

// With both doublings on, a note sounds an octave up while that is note 127 at most and an octave down while
// that is note 0 at least; its release ends both whatever the options by then. Percussion chosen after an
// instrument plays on channel 9 alone, an instrument chosen after percussion from channel 0 again.
TEST_F(InstrumentTest, NotesAndTheirDoublingsStayWithinTheNotesAndAlwaysEnd) {
    // clang-format off
    const struct { SoundChoice sound; int key, tag; Msgs press, release; } cases[] = {
        {{0, 0}, 27, 137, {NoteOn(0, 115), NoteOn(1, 127), NoteOn(2, 103)}, Offs(115)},
        {{0, 0}, 28, 137, {NoteOn(0, 116), NoteOn(2, 104)}, {NoteOff(0, 116), NoteOff(2, 104)}},
        {{0, 0}, -44, 100, {NoteOn(0, 12), NoteOn(1, 24), NoteOn(2, 0)}, Offs(12)},
        {{0, 0}, -45, 100, {NoteOn(0, 11), NoteOn(1, 23)}, {NoteOff(0, 11), NoteOff(1, 23)}},
        {{16, 0}, 0, 101, {NoteOn(9, 57)}, {NoteOff(9, 57), NoteOff(1, 69), NoteOff(2, 45)}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Key " << c.key << " sound " << c.sound.group);
        Start({.key = c.key, .index1 = c.sound.group == 16 ? 0 : 16, .high = true, .low = true});
        instrument.ChooseSound(c.sound);
        Take();
        instrument.PressAction(c.tag);
        EXPECT_EQ(Take(), c.press);
        instrument.ToggleHigh();
        instrument.ToggleLow();
        instrument.ReleaseAction(c.tag);
        EXPECT_EQ(Take(), c.release);
    }
}

// A step moves its control by its delta unless that leaves the range; either way the saved copy takes the
// control's value. A bar click switches its control between the neutral value and the saved copy, which it
// leaves. Both reset the port and send the controllers (none for the position shift).
TEST_F(InstrumentTest, StepsStayInTheirRangesAndBarsSwitchBetweenNeutralAndSaved) {
    using enum Control;
    constexpr int kBar = 0; // a click on the control's bar
    // clang-format off
    const struct { Control control; int from; std::vector<int> actions; int to; } cases[] = {
        {Key, -34, {1}, -46}, {Key, -35, {1}, -35}, {Key, 27, {3}, 39}, {Key, 28, {3}, 28}, {Key, 0, {2}, 1},
        {Key, 0, {4}, -1}, {Volume, 31, {5}, 32}, {Volume, 32, {5}, 32}, {Volume, 1, {6}, 0}, {Volume, 0, {6}, 0},
        {Modulation, 31, {7}, 32}, {Modulation, 32, {7}, 32}, {Modulation, 1, {8}, 0}, {Modulation, 5, {kBar, 8}, 0},
        {PosShift, 5, {9}, 6}, {PosShift, 6, {9}, 6}, {PosShift, 1, {10}, 0}, {PosShift, 3, {kBar, 10}, 0},
        {Key, 3, {kBar}, 0}, {Volume, 3, {kBar}, 25}, {Modulation, 3, {kBar}, 0}, {PosShift, 3, {kBar}, 0},
        {Volume, 3, {kBar, kBar}, 3},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto slot = static_cast<std::size_t>(c.control);
        SCOPED_TRACE(testing::Message() << "control " << slot << " from " << c.from << ", " << c.actions[0]);
        std::array<std::int32_t, kControlCount> controls = {-20, 20, 20, 2};
        controls[slot] = c.from;
        Start({controls[0], controls[1], controls[2], controls[3]}); // Key, Volume, Modulation, PosShift
        for (int action : c.actions) {
            Take();
            action == kBar ? instrument.ToggleBar(c.control) : instrument.PressAction(action);
        }
        auto saved = controls;
        controls[slot] = c.to, saved[slot] = c.actions.back() == kBar ? c.from : c.to;
        EXPECT_EQ(instrument.State().controls, controls);
        EXPECT_EQ(instrument.State().saved, saved);
        const Msgs controllers =
            CC(7, midi::ControllerValue(controls[1])) + CC(1, midi::ControllerValue(controls[2]));
        EXPECT_EQ(Take(), Msgs{kResetMark} + (c.control == PosShift ? Msgs{} : controllers));
    }
}

// A key-up ends what its key-down began, whatever code it brings and whatever keyboard type is in force by
// then, and gives back the key-down's code.
TEST_F(InstrumentTest, AKeyUpEndsWhatItsKeyDownBegan) {
    Start();
    instrument.KeyDown(52, 'Z');
    instrument.SetKeyboardType(KeyboardType::En101);
    Take();
    EXPECT_EQ(instrument.KeyUp(52, 219), 'Z'); // 219 itself would lift panel 24 under 101 English
    EXPECT_FALSE(instrument.State().isHeld(38));
    EXPECT_EQ(Take(), Offs(57));
}

// The knob's place on its track is the bend (the window's test pins the top, rest and bottom steps and the
// clamping): only a move sends, to the playing channel and the two after it, the step in the second data
// byte. The return to the centre goes to every controller channel.
TEST_F(InstrumentTest, TheKnobBendsTheChannelsInPlayOnlyWhenItMoves) {
    Start({.index1 = 16});
    instrument.SetBendTravel(100);
    instrument.BendTo(50);
    EXPECT_TRUE(Take().empty()) << "the knob rests at 50";
    instrument.BendTo(99);
    EXPECT_EQ(Take(), (Msgs{0x0100E9, 0x0100EA, 0x0100EB}));
    instrument.CentreBend();
    EXPECT_EQ(Take(), (Msgs{PitchBend(0, 64), PitchBend(1, 64), PitchBend(2, 64), PitchBend(9, 64)}));
    EXPECT_EQ(instrument.State().bendOffset, 50);
}

// Space is a sustain pedal only where the option is on: the pedal's pair on the controller channels around
// what it holds, nothing for the keyboard's repeats, and every path that lets the keys go lets it up first.
TEST_F(InstrumentTest, SpaceIsASustainPedalWhereTheOptionIsOn) {
    for (bool sustain : {false, true}) {
        Start({.sustain = sustain});
        for (std::uint16_t vk : {32, 32, 90})
            instrument.KeyDown(vk, vk);
        instrument.KeyUp('Z', 'Z');
        instrument.KeyUp(32, 32);
        const Msgs note = Msgs{NoteOn(0, 57)} + Offs(57);
        EXPECT_EQ(Take(), sustain ? CC(64, 127) + note + CC(64, 0) : note);
    }
    // clang-format off
    const struct { const char* how; std::function<void()> letUp; Msgs after; } letUps[] = {
        {"keys released", [&] { instrument.ReleaseKeys(); }, {}},
        {"option off", [&] { instrument.SetSustain(false); }, {}},
        {"stop", [&] { instrument.Stop(); }, {kResetMark, kClosedMark}}};
    // clang-format on
    for (const auto& [how, letUp, after] : letUps) {
        Start({.sustain = true});
        instrument.KeyDown(32, 32);
        Take();
        letUp();
        EXPECT_EQ(Take(), CC(64, 0) + after) << how;
        instrument.KeyUp(32, 32);
        EXPECT_TRUE(Take().empty()) << how;
    }
}

// With dynamics a typing key strikes at 100, with Shift at 127 (Shift wins over Ctrl), with Ctrl at 64; a
// mouse press at 40 on the panel's top edge to 127 on its bottom edge. The doublings strike alike; Note Offs
// stay at 0.
TEST_F(InstrumentTest, DynamicsStrikeByModifierOrByTheHeightOfThePress) {
    // y < 0: a typing key; else a press at y of a panel 38 high
    // clang-format off
    const struct { bool dynamics; KeyModifiers modifiers; int y, velocity; } cases[] = {
        {false, {true, true}, -1, 127}, {false, {}, 0, 127}, {true, {}, -1, 100}, {true, {true, false}, -1, 127},
        {true, {false, true}, -1, 64}, {true, {true, true}, -1, 127}, {true, {}, 0, 40}, {true, {}, 37, 127},
        {true, {}, 18, 82}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "dynamics " << c.dynamics << " y " << c.y);
        Start({.high = true, .low = true, .dynamics = c.dynamics});
        c.y < 0 ? instrument.KeyDown(52, 'Z', c.modifiers)
                : static_cast<void>(instrument.PressPanel(38, {c.y, 38}));
        EXPECT_EQ(Take(),
                  (Msgs{NoteOn(0, 57, c.velocity), NoteOn(1, 69, c.velocity), NoteOn(2, 45, c.velocity)}));
        c.y < 0 ? static_cast<void>(instrument.KeyUp(52, 'Z')) : instrument.ReleasePanel(38);
        EXPECT_EQ(Take(), Offs(57));
    }
}
} // namespace
