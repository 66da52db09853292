// A long random performance on the real window: keys pressed, repeated and released (several at once), all
// three mouse buttons pressed and released anywhere on random panels, focus losses, a menu opening, control
// steps, octave toggles, keyboard-type and sound changes (while no key is held). After every event the notes
// the recorded MIDI leaves sounding must be those of a model written from the rules of playing: a panel's
// press sounds its note (and the doublings) unless the panel is down already, its release ends them as they
// compute at that moment, and a control step silences everything. After the last release nothing sounds. Set
// CLAVITO_SOAK_SEED to replay a run.
#include <QAction>
#include <QMenu>
#include <bitset>
#include <map>
#include <random>

#include "components/SuperTimer/SuperTimer.h"
#include "support/FormFixture.h"

namespace {
// The note table by its rule: the odd indices hold the white keys upwards from A2 (index 87), an even index
// the black key between its two neighbours, or nothing where they are a semitone apart.
int White(int k) {
    int note = 45;
    for (int i = 0; i < k; ++i)
        note += (i % 7 == 1 || i % 7 == 4) ? 1 : 2; // B to C and E to F are semitones
    return note;
}
int TableNote(int index) {
    if (index % 2)
        return White((index - 87) / 2);
    const int below = White((index - 88) / 2);
    return White((index - 88) / 2 + 1) - below == 2 ? below + 1 : 0;
}

// The tags of the four rows of note panels, then of the ten control panels (Panel49 .. Panel58).
int TagOf(int panel) {
    constexpr int kControlTags[] = {2, 1, 4, 3, 5, 6, 7, 8, 9, 10};
    return panel <= 13   ? 112 + 2 * panel
           : panel <= 25 ? 2 * panel + 87
           : panel <= 37 ? 2 * panel + 48
           : panel <= 48 ? 2 * panel + 25
                         : kControlTags[panel - 49];
}

// Runs of physical keys and the panels they play, the same on every keyboard type.
constexpr int kKeyRuns[][3] = {
    {KEY_1, 12, 1},      {KEY_Q, 12, 14},   {KEY_A, 11, 26},    {KEY_Z, 10, 38},     {KEY_UP, 1, 49},
    {KEY_LEFT, 1, 50},   {KEY_DOWN, 1, 51}, {KEY_RIGHT, 1, 52}, {KEY_PAGEUP, 1, 53}, {KEY_PAGEDOWN, 1, 54},
    {KEY_INSERT, 2, 55}, {KEY_HOME, 1, 57}, {KEY_END, 1, 58}};
constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

class Soak : public FormFixture {
protected:
    std::mt19937 rng;
    std::vector<std::pair<int, int>> keys; // (evdev, panel)
    std::map<int, int> heldKeys;           // evdev to panel
    std::array<int, 3> pressedBy{};        // the panel each button pressed, 0 while it is up
    std::array<bool, 59> down{};
    std::bitset<16 * 128> model, actual;
    std::size_t seen = 0;

    int Pick(std::size_t n) { return static_cast<int>(rng() % n); }
    void Set(int channel, int note, bool on) {
        model.set(static_cast<std::size_t>(channel * 128 + note), on);
    }
    void Action(int tag, bool press) {
        if (tag <= 10 && press)
            model.reset(); // the step resets the port
        const int value = tag <= 10 ? 0 : TableNote(tag - 2 * Value(Control::PosShift));
        if (value == 0)
            return;
        const int n = value + Value(Control::Key), base = State().channelBase;
        Set(base, n, press);
        if (n <= 115 && (!press || (base == 0 && State().high)))
            Set(1, n + 12, press);
        if (n >= 12 && (!press || (base == 0 && State().low)))
            Set(2, n - 12, press);
    }
    // A typing key repeats a control panel's step while it is down; the mouse never acts on a panel down.
    // A key finds its panel up when the mouse raised it already; a mouse release always acts.
    void Act(int panel, bool press, bool byKey) {
        if (press ? !down[panel] || (byKey && TagOf(panel) <= 10) : down[panel] || !byKey)
            Action(TagOf(panel), press);
        down[panel] = press;
    }

    void KeyEvent() {
        const auto [evdev, panel] = keys[static_cast<std::size_t>(Pick(keys.size()))];
        const bool held = heldKeys.count(evdev);
        if (held && Pick(2)) {
            Key(QEvent::KeyRelease, evdev);
            heldKeys.erase(evdev);
            Act(panel, false, true);
        } else if (held || heldKeys.size() < 6) {
            if (held) // the window system's repeat: a release (dropped) and a press
                Key(QEvent::KeyRelease, evdev, true);
            Key(QEvent::KeyPress, evdev, held);
            heldKeys[evdev] = panel;
            Act(panel, true, true);
        }
    }
    void MouseEvent() {
        const unsigned slot = Pick(3);
        int panel = 1 + Pick(58);
        if (!W().Panel(panel)->isVisible()) // hidden under 101 English
            return;
        // Anywhere on the panel: where it overlaps a neighbour, either is pressed, but never a label.
        const QRect area = W().Panel(panel)->geometry();
        const QPoint point = area.topLeft() + QPoint(Pick(area.width()), Pick(area.height()));
        auto* under = qobject_cast<platform::TPanel*>(W().mainPanel->childAt(point));
        ASSERT_TRUE(under) << "a label lies on Panel" << panel;
        for (panel = 1; panel < 58 && W().Panel(panel) != under;)
            ++panel;
        const QPoint at = W().mainPanel->mapTo(form.get(), point);
        if (pressedBy[slot]) {
            QTest::mouseRelease(form->windowHandle(), kButtons[slot], Qt::NoModifier, at);
            Act(std::exchange(pressedBy[slot], 0), false, false);
            return;
        }
        QTest::mousePress(form->windowHandle(), kButtons[slot], Qt::NoModifier, at);
        pressedBy[slot] = slot != 0 && pressedBy[0] ? pressedBy[0] : panel; // only the left captures
        Act(pressedBy[slot], true, false);
    }
    // Another window or a menu takes the keyboard (the held keys end), or an option changes.
    void WindowEvent() {
        QWidget other;
        const unsigned kind = Pick(4);
        if (kind == 0)
            Activate(&other);
        else if (kind == 1)
            form->Menus().soundPopup->popup(QPoint(0, 0)), form->Menus().soundPopup->hide();
        else if (kind == 2)
            (Pick(2) ? form->Menus().high : form->Menus().low)->trigger();
        else if (heldKeys.empty()) // a held key would be released on another channel or panel
            std::array{form->Menus(true).soundPopup->actions().last(),
                       OpenGroup(form->Menus(true).soundPopup, 0)->actions()[0],
                       form->Menus(true).keyboard[0], form->Menus(true).keyboard[1],
                       form->Menus(true).keyboard[2]}[Pick(5)]
                ->trigger();
        for (const auto& [evdev, panel] : kind < 2 ? heldKeys : std::map<int, int>{})
            Act(panel, false, true);
        // The offscreen platform leaves no window active when a popup closes; a desktop's would not.
        QCoreApplication::processEvents();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == form->windowHandle(); }));
    }

    // The notes the recorded messages leave sounding; every Note On at velocity 127, every Note Off at 0.
    void Replay() {
        for (; seen < log->size(); ++seen) {
            const std::uint32_t m = (*log)[seen], kind = m & 0xF0;
            if (m == kResetMark)
                actual.reset();
            else if (kind == 0x90 || kind == 0x80) {
                ASSERT_EQ((m >> 16) & 0x7F, kind == 0x90 ? 127u : 0u);
                actual.set((m & 0x0F) * 128 + ((m >> 8) & 0x7F), kind == 0x90);
            }
        }
    }
};

TEST_F(Soak, ARandomPerformanceSoundsExactlyWhatThePanelsHold) {
    const char* given = std::getenv("CLAVITO_SOAK_SEED");
    const unsigned seed = given ? static_cast<unsigned>(std::stoul(given)) : std::random_device{}();
    SCOPED_TRACE(testing::Message() << "CLAVITO_SOAK_SEED=" << seed);
    rng.seed(seed);
    for (const auto& [evdev, count, panel] : kKeyRuns)
        for (int i = 0; i < count; ++i)
            keys.emplace_back(evdev + i, panel + i);
    StartActive();
    // The mouse repeat of a held control panel runs on its own clock, which the model cannot follow.
    form->Timers().Delay->setInterval(65535);
    for (int event = 0; event < 100000; ++event) {
        const unsigned kind = Pick(100);
        if (kind < 60)
            KeyEvent();
        else if (kind < 98)
            MouseEvent();
        else if (pressedBy == std::array<int, 3>{})
            WindowEvent();
        Replay();
        ASSERT_TRUE(actual == model) << "after event " << event << ", sounding " << actual << "\nnot "
                                     << model;
    }
    for (const auto& [evdev, panel] : heldKeys)
        Key(QEvent::KeyRelease, evdev);
    for (int slot = 0; slot < 3; ++slot)
        if (pressedBy[slot])
            QTest::mouseRelease(form->windowHandle(), kButtons[slot], Qt::NoModifier, At(W().Panel(1)));
    Replay();
    EXPECT_TRUE(actual.none()) << "left sounding after the last release: " << actual;
}
} // namespace
