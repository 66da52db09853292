// The typing keyboard: the key map of the keyboard type in force maps a virtual-key code to a key panel.
// A held key repeats a control panel's step; a note panel does not sound again until its key is released.
// A key's release lifts the panel its press lowered, even when the keyboard type changed in between.
#include "engine/Instrument.h"
#include "engine/KeyMap.h"

#include <utility>

namespace {
constexpr int kFirstRepeatlessTag = 30; // tags from here on (the notes) do not repeat while held

std::size_t Slot(std::uint32_t physicalKey) {
    return physicalKey < 256 ? physicalKey : 0;
}

// With dynamics a key strikes at 100, at 127 with Shift and at 64 with Ctrl.
int KeyVelocity(KeyModifiers modifiers) {
    return modifiers.shift ? 127 : modifiers.ctrl ? 64 : 100;
}
} // namespace

// The tag to act on when the panel goes down (or up): its own when it changes state, else its own only for a
// repeating control.
std::int32_t Instrument::PanelKeyAction(bool down, int panel) {
    if (panel == 0)
        return 0;
    const int tag = PanelTag(panel);
    if (state_.isHeld(panel) != down) {
        state_.held[static_cast<std::size_t>(panel - 1)] = down;
        Changed(kPanelsChanged);
        return tag;
    }
    return tag >= kFirstRepeatlessTag ? 0 : tag;
}

void Instrument::KeyDown(std::uint32_t physicalKey, std::uint16_t vk, KeyModifiers modifiers) {
    const int panel = PanelForKey(state_.keyboard, vk);
    const std::size_t slot = Slot(physicalKey);
    if (slot != 0 && vk != 0)
        keysDown_[slot] = {vk, panel};
    if (vk == kSpaceKey && state_.sustain)
        SetPedal(true);
    PressAction(PanelKeyAction(true, panel), state_.dynamics ? KeyVelocity(modifiers) : kFullVelocity);
}

// The Apps key plays no panel: its release pops up the sound menu. Space's release lets the pedal up.
void Instrument::TypingKeyUp(const TypingKey& key) {
    if (key.vk == kSpaceKey)
        SetPedal(false);
    if (key.vk != kAppsKey)
        ReleaseAction(PanelKeyAction(false, key.panel));
}

std::uint16_t Instrument::KeyUp(std::uint32_t physicalKey, std::uint16_t vk) {
    const std::size_t slot = Slot(physicalKey);
    const TypingKey key = slot != 0 && keysDown_[slot].vk != 0
                              ? std::exchange(keysDown_[slot], TypingKey{})
                              : TypingKey{vk, PanelForKey(state_.keyboard, vk)};
    TypingKeyUp(key);
    return key.vk;
}

void Instrument::ReleaseKeys() {
    for (TypingKey& key : keysDown_) {
        const TypingKey released = std::exchange(key, TypingKey{});
        if (released.vk != 0)
            TypingKeyUp(released);
    }
}
