#pragma once
// The instrument without a window: the whole performance state and every rule of playing. A view turns the
// player's input into these calls and draws what State() holds; after a call that changed what it shows,
// the instrument tells it which parts changed (one call of the change listener, with a set of Change bits).
//
// Key panels are known by their numbers 1..58 (engine/PanelLayout.h), actions by their tags
// (engine/ActionTags.h), typing keys by virtual-key codes (engine/KeyMap.h). Every message goes out through
// the one port, which the instrument owns and which its user opens.

#include <array>
#include <cstdint>
#include <functional>

#include "engine/ControlRanges.h"
#include "engine/PanelLayout.h"
#include "engine/Settings.h"
#include "engine/Sounds.h"
#include "platform/keys/KeyboardType.h"
#include "platform/midi/MidiOut.h"

enum Change : unsigned {
    kPanelsChanged = 1u << 0,   // a key panel went down or up
    kControlsChanged = 1u << 1, // Key, Volume, Modulation, PosShift or a saved copy
    kSoundChanged = 1u << 2,
    kDoublingsChanged = 1u << 3,
    kKeyboardChanged = 1u << 4,
    kLanguageChanged = 1u << 5,
    kBendChanged = 1u << 6,
    kPlayOptionsChanged = 1u << 7, // sustain on Space, dynamics
    kPedalChanged = 1u << 8,
    kEverythingChanged = (1u << 9) - 1,
};
using Changes = unsigned;

struct Performance {
    std::array<std::int32_t, kControlCount> controls{}; // by Control
    std::array<std::int32_t, kControlCount> saved{};    // what a click on a control's bar brings back
    std::int32_t channelBase = 0;                       // 0 for an instrument, 9 for percussion
    SoundChoice sound;
    bool high = false; // octave doublings
    bool low = false;
    KeyboardType keyboard = KeyboardType::Jp106;
    bool japanese = true; // menu language; the window starts with the Japanese menus on its bar
    std::array<bool, kKeyPanelCount> held{}; // panel n is down while held[n - 1]
    std::int32_t bendTravel = 0;             // the knob's track, in steps of its position
    std::int32_t bendOffset = 0;             // the knob's position below the top of its track
    bool sustain = false;                    // Space is a sustain pedal
    bool dynamics = false;                   // keys and mouse strike notes softer or harder
    bool pedalDown = false;

    std::int32_t control(Control c) const { return controls[static_cast<std::size_t>(c)]; }
    bool isHeld(int panel) const { return held[static_cast<std::size_t>(panel - 1)]; }
};

// What a typing key's modifiers say about its strike, where dynamics are on.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
};

// Where a mouse press fell on a panel, from its top edge (0) down to height - 1; height 0 for nowhere known.
struct PressPoint {
    int y = 0;
    int height = 0;
};

class Instrument {
public:
    static constexpr int kFullVelocity = 127;
    using ChangeListener = std::function<void(Changes)>;

    void SetChangeListener(ChangeListener listener) { listener_ = std::move(listener); }
    const Performance& State() const { return state_; }
    platform::MidiOut& Port() { return port_; }

    // The start: the port reset, the stored settings taken in, the sound's programs and the controllers sent.
    void Start(const Settings& settings);
    // The settings to keep, but for the window's place (x and y stay 0).
    Settings StoredSettings() const;
    // The port reset and closed.
    void Stop();
    // After the port was reopened on another output: silence, then the sound and controllers again.
    void Resend();

    // What a panel's press and release do, by its tag: a control step, or a note and its doublings, struck
    // with this velocity.
    void PressAction(std::int32_t tag, int velocity = kFullVelocity);
    void ReleaseAction(std::int32_t tag);
    // A mouse button on a key panel. A press on a panel that is down already does nothing (false); a release
    // always ends the panel's action.
    bool PressPanel(int panel, PressPoint point = {});
    void ReleasePanel(int panel);

    // A typing key, known by its physical key (any number below 256; 0 for none) and the virtual-key code it
    // produced. Its key-up ends what its key-down began, whatever the code or the keyboard type at the
    // key-up. KeyUp returns the code its key-down produced.
    void KeyDown(std::uint32_t physicalKey, std::uint16_t vk, KeyModifiers modifiers = {});
    std::uint16_t KeyUp(std::uint32_t physicalKey, std::uint16_t vk);
    // Every typing key still down is released (another window took the keyboard).
    void ReleaseKeys();

    void ToggleBar(Control control); // between the neutral value and the saved copy
    void ToggleHigh();
    void ToggleLow();
    void SetKeyboardType(KeyboardType type);
    void ChooseSound(const SoundChoice& sound);
    void SetJapanese(bool japanese);
    void SetSustain(bool on);
    void SetDynamics(bool on);

    // The knob: its track at start, a move (clamped to the track; messages only when it moved), and the
    // return to the centre.
    void SetBendTravel(std::int32_t travel);
    void BendTo(std::int32_t offset);
    void CentreBend();

private:
    void Send(std::uint32_t msg) { port_.ShortMsg(msg); }
    void SendControllers();
    void SendProgram();
    void ControlStep(std::int32_t tag);
    void SetControl(Control control, std::int32_t value);
    void PlayNote(std::int32_t tag, int velocity);
    void SetPedal(bool down);
    void StopNote(std::int32_t tag);
    struct TypingKey {
        std::uint16_t vk = 0; // the code it produced when it went down; 0 = not down
        int panel = 0;        // the panel it lowered, 0 for none
    };
    std::int32_t PanelKeyAction(bool down, int panel);
    void TypingKeyUp(const TypingKey& key);
    void Changed(Changes changes);

    platform::MidiOut port_;
    Performance state_;
    // What each physical key did when it went down.
    std::array<TypingKey, 256> keysDown_{};
    ChangeListener listener_;
};
