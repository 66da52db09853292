// The rules of playing on the instrument alone: the exact stream each call sends through a recording port
// (bytes and order) and what it leaves in the state.
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

#include "engine/Instrument.h"
#include "engine/MidiMessages.h"
#include "support/RecordingOutput.h"

static void PrintTo(const MidiEvent& e, std::ostream* os) {
    if (e.kind == MidiEvent::Message)
        *os << "0x" << std::hex << e.msg << std::dec;
    else
        *os << (e.kind == MidiEvent::Reset ? "Reset" : "Close");
}

namespace {
using Msgs = std::vector<std::uint32_t>;
using Events = std::vector<MidiEvent>;
using midi::NoteOff, midi::NoteOn, midi::PitchBend, midi::ProgramChange;
const MidiEvent kReset{MidiEvent::Reset}, kClosed{MidiEvent::Close};

Events Sent(const Msgs& msgs, const Events& before = {}) {
    Events events = before;
    for (std::uint32_t msg : msgs)
        events.push_back({MidiEvent::Message, msg});
    return events;
}
// Volume on the four controller channels, then modulation: controller values, not steps.
Msgs Controllers(int cc7, int cc1) {
    Msgs msgs;
    for (const auto& [controller, value] : {std::pair{7, cc7}, std::pair{1, cc1}})
        for (int channel : {0, 1, 2, 9})
            msgs.push_back(midi::ControlChange(channel, controller, value));
    return msgs;
}
// A note's Note Off and those of both doublings.
Msgs Offs(int note) {
    return {NoteOff(0, note), NoteOff(1, note + 12), NoteOff(2, note - 12)};
}
Msgs Cat(Msgs a, const Msgs& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class InstrumentTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(instrument.Port().Open(recordingMidiOpener(log), QString()), 0u); }
    void Start(const Settings& settings = {}) {
        instrument.Start(settings);
        log->clear();
    }
    Events Take() { return std::exchange(*log, {}); }
    std::vector<int> Held() const {
        std::vector<int> held;
        for (int panel = 1; panel <= kKeyPanelCount; ++panel)
            if (instrument.State().isHeld(panel))
                held.push_back(panel);
        return held;
    }

    // What a step or a bar click sends: the reset, then the controllers of the controls as they are now.
    Events ResetAnd(bool controllers) const {
        const auto& [key, volume, modulation, posShift] = instrument.State().controls;
        return Sent(controllers
                        ? Controllers(midi::ControllerValue(volume), midi::ControllerValue(modulation))
                        : Msgs{},
                    {kReset});
    }

    std::shared_ptr<MidiLog> log = std::make_shared<MidiLog>();
    Instrument instrument;
};

TEST(MidiEncoding, StatusThenDataBytesAndFourControllerUnitsPerStep) {
    const std::pair<std::uint32_t, std::uint32_t> messages[] = {
        {NoteOn(0, 57), 0x7F3990},      {NoteOff(2, 45), 0x2D82},
        {ProgramChange(1, 24), 0x18C1}, {midi::ControlChange(9, 7, 100), 0x6407B9},
        {PitchBend(11, 127), 0x7F00EB}, {PitchBend(0, 1), 0x0100E0}};
    for (const auto& [packed, bytes] : messages)
        EXPECT_EQ(packed, bytes);
    const std::pair<int, int> values[] = {{0, 0}, {1, 4}, {25, 100}, {31, 124}, {32, 127}};
    for (const auto& [step, value] : values)
        EXPECT_EQ(midi::ControllerValue(step), value) << "step " << step;
}

// Start: the reset, the drum set's program and the instrument's on the melody channels, then the controllers.
TEST_F(InstrumentTest, StartSendsTheStoredSoundAndControllersAndTakesTheSettingsIn) {
    // clang-format off
    const struct { Settings settings; Msgs programs; int cc7, cc1, channelBase; KeyboardType keyboard; } cases[] = {
        {{}, {ProgramChange(9, 0), ProgramChange(0, 0), ProgramChange(1, 0), ProgramChange(2, 0)}, 100, 0, 0, KeyboardType::Jp106},
        {{.volume = 32, .modulation = 31, .index1 = 16, .index2 = 5, .keyboard = 1}, {ProgramChange(9, 0)}, 127, 124, 9, KeyboardType::Pc98},
        {{.key = 12, .posShift = 6, .index1 = 3, .keyboard = 2, .japanese = false, .high = true}, {ProgramChange(9, 0), ProgramChange(0, 24), ProgramChange(1, 24), ProgramChange(2, 24)}, 100, 0, 0, KeyboardType::En101},
        {{.key = -46, .volume = 1, .index1 = 15, .index2 = 7, .keyboard = 7, .low = true, .x = 40, .y = 9}, {ProgramChange(9, 0), ProgramChange(0, 127), ProgramChange(1, 127), ProgramChange(2, 127)}, 4, 0, 0, KeyboardType::Jp106},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Settings& s = c.settings;
        SCOPED_TRACE(testing::Message() << "sound " << s.index1 << "/" << s.index2);
        instrument.Start(s);
        EXPECT_EQ(Take(), Sent(Cat(c.programs, Controllers(c.cc7, c.cc1)), {kReset}));
        const Performance& state = instrument.State();
        EXPECT_EQ(state.controls, (std::array{s.key, s.volume, s.modulation, s.posShift}));
        EXPECT_EQ(state.saved, state.controls);
        EXPECT_EQ(std::tuple(state.channelBase, state.keyboard, state.japanese, state.high, state.low),
                  std::tuple(c.channelBase, c.keyboard, s.japanese, s.high, s.low));
        Settings stored = s;
        stored.keyboard = static_cast<int>(c.keyboard);
        stored.x = stored.y = 0;
        EXPECT_EQ(instrument.StoredSettings(), stored);
    }
}

TEST_F(InstrumentTest, StopResetsAndClosesAndResendRepeatsTheSoundOnTheReopenedPort) {
    const std::pair<SoundChoice, Msgs> sounds[] = {
        {{3, 2}, {ProgramChange(9, 0), ProgramChange(0, 26), ProgramChange(1, 26), ProgramChange(2, 26)}},
        {{16, 0}, {ProgramChange(9, 0)}}};
    for (const auto& [sound, programs] : sounds) {
        Start({.volume = 10, .modulation = 2});
        instrument.ChooseSound(sound);
        instrument.PressAction(5);
        Take();
        instrument.Stop();
        EXPECT_EQ(Take(), (Events{kReset, kClosed}));
        EXPECT_FALSE(instrument.Port().isOpen());
        ASSERT_EQ(instrument.Port().Open(recordingMidiOpener(log), QString()), 0u);
        instrument.Resend();
        EXPECT_EQ(Take(), Sent(Cat(programs, Controllers(44, 8)), {kReset}));
    }
}

// The press sounds the note and the doublings switched on, within their bounds; the release ends the note
// and both doublings whatever the options, so a doubling switched off while held still ends.
TEST_F(InstrumentTest, ANotePanelSoundsItsNoteAndTheDoublingsWithinTheirBounds) {
    // clang-format off
    const struct { bool high, low; int key, tag; bool switchOffWhileHeld; Msgs press, release; } cases[] = {
        {false, false, 0, 101, false, {NoteOn(0, 57)}, Offs(57)},
        {true, true, 0, 101, false, {NoteOn(0, 57), NoteOn(1, 69), NoteOn(2, 45)}, Offs(57)},
        {true, false, 0, 101, true, {NoteOn(0, 57), NoteOn(1, 69)}, Offs(57)},
        {false, true, 0, 101, true, {NoteOn(0, 57), NoteOn(2, 45)}, Offs(57)},
        {true, true, 27, 137, false, {NoteOn(0, 115), NoteOn(1, 127), NoteOn(2, 103)}, Offs(115)},
        {true, true, 28, 137, false, {NoteOn(0, 116), NoteOn(2, 104)}, {NoteOff(0, 116), NoteOff(2, 104)}},
        {true, true, -44, 100, false, {NoteOn(0, 12), NoteOn(1, 24), NoteOn(2, 0)}, Offs(12)},
        {true, true, -45, 100, false, {NoteOn(0, 11), NoteOn(1, 23)}, {NoteOff(0, 11), NoteOff(1, 23)}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "tag " << c.tag << " Key " << c.key << " high " << c.high << " low " << c.low);
        Start({.key = c.key, .high = c.high, .low = c.low});
        instrument.PressAction(c.tag);
        EXPECT_EQ(Take(), Sent(c.press));
        if (c.switchOffWhileHeld)
            c.high ? instrument.ToggleHigh() : instrument.ToggleLow();
        instrument.ReleaseAction(c.tag);
        EXPECT_EQ(Take(), Sent(c.release));
    }
}

TEST_F(InstrumentTest, ThePositionShiftMovesTheNotesAlongTheTableAndKeyTransposesThem) {
    // clang-format off
    // note 0: the position sounds nothing
    const struct { int posShift, key, tag, note; } cases[] = {
        {0, 0, 101, 57}, {1, 0, 101, 55}, {6, 0, 101, 47}, {6, 39, 100, 85}, {0, 12, 101, 69},
        {0, -1, 101, 56}, {0, 0, 118, 0}, {1, 0, 118, 70}, {1, 0, 120, 0}, {2, 3, 130, 81}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tag " << c.tag << " PosShift " << c.posShift << " Key " << c.key);
        Start({.key = c.key, .posShift = c.posShift});
        instrument.PressAction(c.tag);
        instrument.ReleaseAction(c.tag);
        EXPECT_EQ(Take(), c.note ? Sent(Cat({NoteOn(0, c.note)}, Offs(c.note))) : Events{});
    }
}

// Each step resets the port, moves one control by its delta unless that leaves the range, copies the value
// to the saved copy and sends the controllers (none for the position shift), also when it was not made.
TEST_F(InstrumentTest, EachControlStepMovesItsControlWithinItsRange) {
    using enum Control;
    // clang-format off
    // barFirst: a click on the bar first, so that the control is at its neutral value and the saved copy at from
    const struct { int tag; Control control; int from; bool barFirst; int to; } cases[] = {
        {1, Key, 0, false, -12}, {2, Key, 0, false, 1}, {3, Key, 0, false, 12}, {4, Key, 0, false, -1},
        {5, Volume, 16, false, 17}, {6, Volume, 16, false, 15}, {7, Modulation, 16, false, 17},
        {8, Modulation, 16, false, 15}, {9, PosShift, 3, false, 4}, {10, PosShift, 3, false, 2},
        {1, Key, -34, false, -46}, {1, Key, -35, false, -35}, {3, Key, 27, false, 39}, {3, Key, 28, false, 28},
        {2, Key, 39, false, 39}, {4, Key, -46, false, -46}, {5, Volume, 31, false, 32}, {5, Volume, 32, false, 32},
        {6, Volume, 0, false, 0}, {7, Modulation, 32, false, 32}, {8, Modulation, 5, true, 0},
        {9, PosShift, 6, false, 6}, {10, PosShift, 3, true, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "tag " << c.tag << " from " << c.from);
        std::array<std::int32_t, kControlCount> expected = {0, 16, 16, 3};
        expected[static_cast<std::size_t>(c.control)] = c.from;
        Start(
            {.key = expected[0], .volume = expected[1], .modulation = expected[2], .posShift = expected[3]});
        if (c.barFirst)
            instrument.ToggleBar(c.control);
        Take();
        instrument.PressAction(c.tag);
        expected[static_cast<std::size_t>(c.control)] = c.to;
        EXPECT_EQ(instrument.State().controls, expected);
        EXPECT_EQ(instrument.State().saved, expected);
        EXPECT_EQ(Take(), ResetAnd(c.control != PosShift));
    }
}

TEST_F(InstrumentTest, EachBarTogglesOnlyItsOwnControlBetweenNeutralAndSaved) {
    const std::pair<Control, int> bars[] = {
        {Control::Key, 0}, {Control::Volume, 25}, {Control::Modulation, 0}, {Control::PosShift, 0}};
    for (const auto& [control, neutral] : bars) {
        SCOPED_TRACE(testing::Message() << "control " << static_cast<int>(control));
        Start({.key = 3, .volume = 3, .modulation = 3, .posShift = 3});
        std::array<std::int32_t, kControlCount> expected = {3, 3, 3, 3};
        for (int value : {neutral, 3}) {
            expected[static_cast<std::size_t>(control)] = value;
            instrument.ToggleBar(control);
            EXPECT_EQ(instrument.State().controls, expected);
            EXPECT_EQ(instrument.State().saved, (std::array{3, 3, 3, 3}));
            EXPECT_EQ(Take(), ResetAnd(control != Control::PosShift));
        }
    }
}

// The keyboard types differ in the punctuation keys; letters play the same panel on every type.
TEST_F(InstrumentTest, TypingKeysPlayThePanelOfTheKeyMapInForce) {
    // clang-format off
    // panel 0: none; note 0: the panel sounds nothing
    const struct { KeyboardType type; std::uint16_t vk; int panel, note; } cases[] = {
        {KeyboardType::Jp106, 226, 48, 74}, {KeyboardType::Pc98, 226, 0, 0}, {KeyboardType::Pc98, 223, 48, 74},
        {KeyboardType::En101, 223, 0, 0}, {KeyboardType::Jp106, 222, 12, 87}, {KeyboardType::En101, 222, 36, 73},
        {KeyboardType::Jp106, 192, 24, 86}, {KeyboardType::En101, 192, 0, 0}, {KeyboardType::Jp106, 187, 35, 0},
        {KeyboardType::En101, 'Z', 38, 57}};
    // clang-format on
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.vk << " type " << static_cast<int>(c.type));
        instrument.SetKeyboardType(c.type);
        instrument.KeyDown(30, c.vk);
        EXPECT_EQ(Held(), c.panel ? std::vector{c.panel} : std::vector<int>{});
        EXPECT_EQ(Take(), c.note ? Sent({NoteOn(0, c.note)}) : Events{});
        EXPECT_EQ(instrument.KeyUp(30, c.vk), c.vk);
        EXPECT_TRUE(Held().empty());
        EXPECT_EQ(Take(), c.note ? Sent(Offs(c.note)) : Events{});
    }
}

// The keyboard's auto-repeat: a held note is not struck again, a held control steps again (and resets).
TEST_F(InstrumentTest, AHeldKeyRepeatsAControlStepButNotANote) {
    // clang-format off
    const struct { std::uint16_t vk; Events repeat; int volume; } cases[] = {
        {'Z', {}, 25}, {33 /* Page Up */, Sent(Controllers(108, 0), {kReset}), 27}};
    // clang-format on
    for (const auto& c : cases) {
        Start();
        instrument.KeyDown(40, c.vk);
        Take();
        instrument.KeyDown(40, c.vk);
        EXPECT_EQ(Take(), c.repeat) << c.vk;
        EXPECT_EQ(instrument.State().control(Control::Volume), c.volume);
        instrument.KeyUp(40, c.vk);
        EXPECT_TRUE(Held().empty());
        Take();
    }
}

// A key-up ends what its key-down began, whatever code it brings and whatever keyboard type is in force.
TEST_F(InstrumentTest, AKeyUpEndsWhatItsKeyDownBegan) {
    // clang-format off
    const struct { std::uint32_t physical; std::uint16_t downVk, upVk; int panel, note; } cases[] = {
        {52, 'Z', 219, 38, 57}, // the key-up's own code would lift panel 24 under 101 English
        {34, 192, 219, 24, 86}, // the key right of P: "@" on 106 Japanese, "[" on 101 English
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.downVk);
        Start();
        instrument.KeyDown(c.physical, c.downVk);
        EXPECT_EQ(Held(), std::vector{c.panel});
        Take();
        instrument.SetKeyboardType(KeyboardType::En101);
        EXPECT_EQ(instrument.KeyUp(c.physical, c.upVk), c.downVk);
        EXPECT_TRUE(Held().empty());
        EXPECT_EQ(Take(), Sent(Offs(c.note)));
        instrument.ReleaseKeys();
    }
}

TEST_F(InstrumentTest, ReleaseKeysReleasesEveryHeldTypingKeyOnce) {
    Start();
    const std::pair<std::uint32_t, std::uint16_t> keys[] = {{20, 'A'}, {30, 'Z'}, {40, 33}, {50, 93}};
    for (const auto& [physical, vk] : keys)
        instrument.KeyDown(physical, vk);
    EXPECT_EQ(Held(), (std::vector{26, 38, 53}));
    Take();
    instrument.ReleaseKeys();
    EXPECT_EQ(Take(), Sent(Cat(Offs(56), Offs(57))));
    EXPECT_TRUE(Held().empty());
    EXPECT_EQ(instrument.State().control(Control::Volume), 26);
    for (const auto& [physical, vk] : keys)
        instrument.KeyUp(physical, vk);
    EXPECT_TRUE(Take().empty()) << "the late key-ups find their panels up";
    // The Apps key's code comes back from its key-up, for the sound menu, and releases no panel.
    instrument.KeyDown(60, 'Z');
    instrument.KeyDown(50, 93);
    Take();
    EXPECT_EQ(instrument.KeyUp(50, 93), 93);
    EXPECT_EQ(Held(), std::vector{38});
    EXPECT_TRUE(Take().empty());
}

// An instrument plays from channel 0 with its program on the melody channels; percussion plays on channel
// 9 without doublings and needs no program.
TEST_F(InstrumentTest, ChoosingTheSoundSetsTheProgramAndTheChannels) {
    // clang-format off
    const struct { SoundChoice sound; Msgs programs, press, release; } cases[] = {
        {{3, 0}, {ProgramChange(0, 24), ProgramChange(1, 24), ProgramChange(2, 24)}, {NoteOn(0, 57), NoteOn(1, 69), NoteOn(2, 45)}, Offs(57)},
        {{15, 7}, {ProgramChange(0, 127), ProgramChange(1, 127), ProgramChange(2, 127)}, {NoteOn(0, 57), NoteOn(1, 69), NoteOn(2, 45)}, Offs(57)},
        {{16, 0}, {}, {NoteOn(9, 57)}, {NoteOff(9, 57), NoteOff(1, 69), NoteOff(2, 45)}},
        {{0, 4}, {ProgramChange(0, 4), ProgramChange(1, 4), ProgramChange(2, 4)}, {NoteOn(0, 57), NoteOn(1, 69), NoteOn(2, 45)}, Offs(57)},
    };
    // clang-format on
    Start({.high = true, .low = true});
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "sound " << c.sound.group << "/" << c.sound.item);
        instrument.ChooseSound(c.sound);
        EXPECT_EQ(Take(), Sent(c.programs));
        EXPECT_EQ(instrument.State().sound.group, c.sound.group);
        EXPECT_EQ(instrument.State().channelBase, c.sound.group == 16 ? 9 : 0);
        instrument.PressAction(101);
        EXPECT_EQ(Take(), Sent(c.press));
        instrument.ReleaseAction(101);
        EXPECT_EQ(Take(), Sent(c.release));
    }
}

// The knob's place on its track is the bend (the window's test pins the top, rest and bottom steps and the
// return to the centre): clamped to the track, sent on the playing channel and the two after it (9, 10, 11
// with percussion) only when the knob moved.
TEST_F(InstrumentTest, TheKnobBendsTheChannelsInPlayOnlyWhenItMoves) {
    // base: the playing channel; step -1: nothing sent
    const struct {
        int base, to, offset, step;
    } moves[] = {{0, 50, 50, -1}, {0, -5, 0, 127}, {0, 0, 0, -1}, {0, 500, 100, 0}, {9, 99, 99, 1}};
    Start();
    instrument.SetBendTravel(100);
    for (const auto& m : moves) {
        SCOPED_TRACE(testing::Message() << "to " << m.to << " channel " << m.base);
        instrument.ChooseSound({m.base ? 16 : 0, 0});
        Take();
        instrument.BendTo(m.to);
        EXPECT_EQ(instrument.State().bendOffset, m.offset);
        EXPECT_EQ(Take(), m.step < 0 ? Events{}
                                     : Sent({PitchBend(m.base, m.step), PitchBend(m.base + 1, m.step),
                                             PitchBend(m.base + 2, m.step)}));
    }
}

TEST_F(InstrumentTest, StoredSettingsFollowThePlay) {
    Start();
    for (int tag : {2, 6, 7, 9}) // Key +1, Volume -1, Modulation +1, PosShift +1
        instrument.PressAction(tag);
    instrument.ToggleHigh();
    instrument.SetJapanese(false);
    instrument.SetKeyboardType(KeyboardType::En101);
    instrument.ChooseSound({3, 2});
    // clang-format off
    EXPECT_EQ(instrument.StoredSettings(), (Settings{.key = 1, .volume = 24, .modulation = 1, .posShift = 1, .index1 = 3, .index2 = 2, .keyboard = 2, .japanese = false, .high = true}));
    // clang-format on
}

// Space is a sustain pedal only where the option is on: the pedal's pair on the controller channels around
// what it holds, nothing for the keyboard's repeats, and every path that lets the keys go lets it up first.
TEST_F(InstrumentTest, SpaceIsASustainPedalWhereTheOptionIsOn) {
    const auto pedal = [](int value) {
        Msgs msgs;
        for (int channel : {0, 1, 2, 9})
            msgs.push_back(midi::ControlChange(channel, 64, value));
        return msgs;
    };
    Start();
    instrument.KeyDown(65, 32);
    instrument.KeyUp(65, 32);
    EXPECT_TRUE(Take().empty()) << "no pedal without the option";
    Start({.sustain = true});
    instrument.KeyDown(65, 32);
    instrument.KeyDown(65, 32);
    instrument.KeyDown(52, 'Z');
    instrument.KeyUp(52, 'Z');
    instrument.KeyUp(65, 32);
    EXPECT_EQ(Take(), Sent(Cat(Cat(pedal(127), Cat({NoteOn(0, 57)}, Offs(57))), pedal(0))));
    const std::pair<const char*, std::function<void()>> letUps[] = {
        {"keys released", [&] { instrument.ReleaseKeys(); }},
        {"option off", [&] { instrument.SetSustain(false); }},
        {"stop", [&] { instrument.Stop(); }}};
    for (const auto& [how, letUp] : letUps) {
        Start({.sustain = true});
        instrument.KeyDown(65, 32);
        Take();
        letUp();
        const Events events = Take();
        EXPECT_EQ(Events(events.begin(), events.begin() + 4), Sent(pedal(0))) << how;
        EXPECT_FALSE(instrument.State().pedalDown) << how;
        instrument.KeyUp(65, 32);
        EXPECT_TRUE(Take().empty()) << how;
        instrument.Port().Open(recordingMidiOpener(log), QString());
    }
}

// With dynamics a typing key strikes at 100, with Shift at 127, with Ctrl at 64; a mouse press at 40 on
// the panel's top edge to 127 on its bottom edge. The doublings strike alike; Note Offs stay at 0.
TEST_F(InstrumentTest, DynamicsStrikeByModifierOrByTheHeightOfThePress) {
    const struct {
        bool dynamics;
        KeyModifiers modifiers;
        int y, velocity; // y < 0: a typing key; else a press at y of a panel 38 high
    } cases[] = {{false, {true, true}, -1, 127},
                 {false, {}, 0, 127},
                 {true, {}, -1, 100},
                 {true, {true, false}, -1, 127},
                 {true, {false, true}, -1, 64},
                 {true, {}, 0, 40},
                 {true, {}, 37, 127},
                 {true, {}, 18, 82}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "dynamics " << c.dynamics << " y " << c.y);
        Start({.high = true, .low = true, .dynamics = c.dynamics});
        if (c.y < 0)
            instrument.KeyDown(52, 'Z', c.modifiers);
        else
            instrument.PressPanel(38, {c.y, 38});
        EXPECT_EQ(Take(),
                  Sent({NoteOn(0, 57, c.velocity), NoteOn(1, 69, c.velocity), NoteOn(2, 45, c.velocity)}));
        c.y < 0 ? static_cast<void>(instrument.KeyUp(52, 'Z')) : instrument.ReleasePanel(38);
        EXPECT_EQ(Take(), Sent(Offs(57)));
    }
}
} // namespace
