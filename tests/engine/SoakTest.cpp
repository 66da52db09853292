// A long random performance on the real window: keys pressed, repeated and released (several at once), all
// three mouse buttons pressed and released over random panels, focus losses, a menu opening, control steps,
// octave toggles and keyboard-type changes. After every event the notes the recorded MIDI leaves sounding
// must be those of a model written from the rules of playing: a panel's press sounds its note (and the
// doublings) unless the panel is down already, its release ends them as they compute at that moment, and a
// control step silences everything. Set CLAVITO_SOAK_SEED to replay a run.
#include <QAction>
#include <QMenu>
#include <bitset>
#include <random>

#include "components/SuperTimer/SuperTimer.h"
#include "support/FormFixture.h"

namespace {
using Sounding = std::bitset<16 * 128>;

// The note table by its rule: the odd indices hold the white keys upwards from A2 (index 87), an even index
// the black key between its two neighbours, or nothing where they are a semitone apart.
int White(int k) {
    static constexpr int kSteps[] = {2, 1, 2, 2, 1, 2, 2}; // A to B, B to C, ...
    int note = 45;
    for (int i = 0; i < k; ++i)
        note += kSteps[i % 7];
    return note;
}
int TableNote(int index) {
    if (index % 2)
        return White((index - 87) / 2);
    const int below = White((index - 88) / 2);
    return White((index - 88) / 2 + 1) - below == 2 ? below + 1 : 0;
}

// Panels by rows: the number, Q, home and Z rows, each a run of panels and of physical keys.
int TagOf(int panel) {
    static constexpr int kControlTags[] = {2, 1, 4, 3, 5, 6, 7, 8, 9, 10}; // Panel49 .. Panel58
    if (panel <= 13)
        return 112 + 2 * panel;
    if (panel <= 25)
        return 2 * panel + 87;
    if (panel <= 37)
        return 2 * panel + 48;
    if (panel <= 48)
        return 2 * panel + 25;
    return kControlTags[panel - 49];
}
struct KeyRun {
    int evdev, count, panel;
};
constexpr KeyRun kKeyRuns[] = {
    {KEY_1, 12, 1},      {KEY_Q, 12, 14},   {KEY_A, 11, 26},    {KEY_Z, 10, 38},     {KEY_UP, 1, 49},
    {KEY_LEFT, 1, 50},   {KEY_DOWN, 1, 51}, {KEY_RIGHT, 1, 52}, {KEY_PAGEUP, 1, 53}, {KEY_PAGEDOWN, 1, 54},
    {KEY_INSERT, 2, 55}, {KEY_HOME, 1, 57}, {KEY_END, 1, 58}};
constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

class Soak : public FormFixture {
protected:
    std::mt19937 rng;
    std::vector<std::pair<int, int>> keys; // every (evdev, panel) played
    std::map<int, int> heldKeys;           // evdev to panel
    std::array<int, 3> pressedBy{};        // the panel each button pressed, 0 when it is up
    std::array<bool, 59> down{};
    Sounding model, actual;
    std::size_t seen = 0;

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    void Set(int channel, int note, bool on) {
        if (note >= 0 && note <= 127)
            model.set(static_cast<std::size_t>(channel * 128 + note), on);
    }
    void Action(int tag, bool press) {
        if (tag <= 10) {
            if (press)
                model.reset(); // the step resets the port
            return;
        }
        const int value = TableNote(tag - 2 * form->PosShift);
        if (value == 0)
            return;
        const int n = value + form->Key;
        Set(form->ChannelBase, n, press);
        if (press && form->ChannelBase != 0)
            return;
        if (n <= 115 && (!press || form->High1->isChecked()))
            Set(1, n + 12, press);
        if (n >= 12 && (!press || form->Low1->isChecked()))
            Set(2, n - 12, press);
    }
    void ModelKeyDown(int panel) {
        if (!down[panel] || TagOf(panel) < 30)
            Action(TagOf(panel), true);
        down[panel] = true;
    }
    void ModelKeyUp(int panel) {
        if (down[panel] || TagOf(panel) < 30)
            Action(TagOf(panel), false);
        down[panel] = false;
    }
    void ModelMouseDown(int panel) {
        if (!down[panel])
            Action(TagOf(panel), true);
        down[panel] = true;
    }
    void ModelMouseUp(int panel) {
        down[panel] = false;
        Action(TagOf(panel), false);
    }
    int RandomPanel() {
        int panel;
        do
            panel = 1 + Pick(58);
        while (panel == 13 || panel == 37 || panel == 48); // hidden under 101 English
        return panel;
    }
    bool ButtonsUp() const { return pressedBy == std::array<int, 3>{}; }
    void ReleaseHeldKeys() {
        for (const auto& [evdev, panel] : heldKeys)
            ModelKeyUp(panel);
    }

    void KeyEvent() {
        const auto [evdev, panel] = keys[static_cast<std::size_t>(Pick(static_cast<int>(keys.size())))];
        const bool held = heldKeys.count(evdev);
        if (held && Pick(2)) {
            KeyUp(evdev);
            heldKeys.erase(evdev);
            ModelKeyUp(panel);
        } else if (held || heldKeys.size() < 6) {
            if (held)
                Key(QEvent::KeyRelease, evdev, true);
            KeyDown(evdev, held);
            heldKeys[evdev] = panel;
            ModelKeyDown(panel);
        }
    }
    void MouseEvent() {
        const int slot = Pick(3);
        const int panel = RandomPanel();
        const QPoint at = At(form->Panel(panel), QPoint(Pick(30) - 15, Pick(30) - 15));
        if (pressedBy[static_cast<std::size_t>(slot)]) {
            QTest::mouseRelease(form->windowHandle(), kButtons[slot], Qt::NoModifier, at);
            ModelMouseUp(pressedBy[static_cast<std::size_t>(slot)]);
            pressedBy[static_cast<std::size_t>(slot)] = 0;
            return;
        }
        QTest::mousePress(form->windowHandle(), kButtons[slot], Qt::NoModifier, at);
        pressedBy[static_cast<std::size_t>(slot)] = slot != 0 && pressedBy[0] ? pressedBy[0] : panel;
        ModelMouseDown(pressedBy[static_cast<std::size_t>(slot)]);
    }
    void WindowEvent() {
        switch (Pick(4)) {
        case 0: {
            QWidget other;
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
            ReleaseHeldKeys();
            break;
        }
        case 1:
            form->SoundPopup->popup(QPoint(0, 0));
            ReleaseHeldKeys();
            form->SoundPopup->hide();
            break;
        case 2:
            (Pick(2) ? form->High1 : form->Low1)->trigger();
            break;
        default:
            if (heldKeys.empty())
                (std::array{form->N1061, form->N981, form->N1011})[static_cast<std::size_t>(Pick(3))]
                    ->trigger();
        }
    }

    // The notes the recorded messages leave sounding; every Note On at velocity 127, every Note Off at 0.
    void Replay() {
        const std::vector<platform::MidiEvent>& events = *log;
        for (; seen < events.size(); ++seen) {
            if (events[seen].kind == platform::MidiEvent::Reset) {
                actual.reset();
                continue;
            }
            const std::uint32_t m = events[seen].msg;
            const std::uint32_t kind = m & 0xF0, velocity = (m >> 16) & 0x7F;
            const std::size_t at = (m & 0x0F) * 128 + ((m >> 8) & 0x7F);
            if (kind == 0x90 || kind == 0x80) {
                ASSERT_EQ(velocity, kind == 0x90 ? 127u : 0u);
                actual.set(at, kind == 0x90);
            }
        }
    }
    // The notes that sound in one set and not in the other, as "channel:note+" (actual) or "-" (model).
    std::string Difference() const {
        std::string text;
        for (std::size_t i = 0; i < model.size(); ++i)
            if (model[i] != actual[i])
                text += std::to_string(i / 128) + ":" + std::to_string(i % 128) + (actual[i] ? "+ " : "- ");
        return text;
    }
    bool FieldsInRange() const {
        return form->Key >= -46 && form->Key <= 39 && form->Volume >= 0 && form->Volume <= 32 &&
               form->Modulation >= 0 && form->Modulation <= 32 && form->PosShift >= 0 && form->PosShift <= 6;
    }
};

TEST_F(Soak, ARandomPerformanceSoundsExactlyWhatThePanelsHold) {
    const char* given = std::getenv("CLAVITO_SOAK_SEED");
    const unsigned seed = given ? static_cast<unsigned>(std::stoul(given)) : std::random_device{}();
    SCOPED_TRACE(testing::Message() << "CLAVITO_SOAK_SEED=" << seed);
    rng.seed(seed);
    for (const KeyRun& run : kKeyRuns)
        for (int i = 0; i < run.count; ++i)
            keys.emplace_back(run.evdev + i, run.panel + i);
    StartActive();
    // The mouse repeat of a held control panel runs on its own clock, which the model cannot follow.
    form->SuperTimer1->setInterval(65535);
    Replay();
    model = actual;
    for (int event = 0; event < 100000; ++event) {
        const int kind = Pick(100);
        if (kind < 60)
            KeyEvent();
        else if (kind < 98)
            MouseEvent();
        else if (ButtonsUp()) {
            WindowEvent();
            // The offscreen platform leaves no window active when a popup closes; a desktop's would not.
            QCoreApplication::processEvents();
            form->activateWindow();
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == form->windowHandle(); }));
        }
        Replay();
        ASSERT_TRUE(actual == model) << "after event " << event << ": " << Difference();
        ASSERT_TRUE(FieldsInRange()) << "after event " << event;
    }
    for (std::size_t slot = 0; slot < 3; ++slot)
        if (pressedBy[slot])
            QTest::mouseRelease(form->windowHandle(), kButtons[slot], Qt::NoModifier, At(form->Panel(1)));
    for (const auto& [evdev, panel] : heldKeys)
        KeyUp(evdev);
    Replay();
    EXPECT_TRUE(actual.none());
}
} // namespace
