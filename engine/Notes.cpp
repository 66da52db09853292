// Panels and their actions: a control step, or a note with its doublings on their own channels. The note of
// a tag is the note table moved by the position shift and transposed by Key; a release recomputes its note
// from the state of that moment.
#include <algorithm>

#include "engine/ActionTags.h"
#include "engine/Instrument.h"
#include "engine/MidiMessages.h"
#include "engine/NoteTable.h"

namespace {
constexpr int kHighestDoubledUp = 115;
constexpr int kLowestDoubledDown = 12;
} // namespace

void Instrument::PressAction(std::int32_t tag, int velocity) {
    if (IsControlTag(tag))
        ControlStep(tag);
    else if (IsNoteTag(tag))
        PlayNote(tag, velocity);
}

void Instrument::ReleaseAction(std::int32_t tag) {
    if (IsNoteTag(tag))
        StopNote(tag);
}

// With dynamics, a press at the panel's top edge strikes at 40, one at its bottom edge at 127, in a straight
// line between.
bool Instrument::PressPanel(int panel, PressPoint point) {
    if (!IsKeyPanel(panel) || state_.isHeld(panel))
        return false;
    state_.held[static_cast<std::size_t>(panel - 1)] = true;
    Changed(kPanelsChanged);
    int velocity = kFullVelocity;
    if (state_.dynamics && point.height > 1) {
        constexpr int kTop = 40;
        velocity =
            kTop + (kFullVelocity - kTop) * std::clamp(point.y, 0, point.height - 1) / (point.height - 1);
    }
    PressAction(PanelTag(panel), velocity);
    return true;
}

void Instrument::ReleasePanel(int panel) {
    if (!IsKeyPanel(panel))
        return;
    if (state_.isHeld(panel)) {
        state_.held[static_cast<std::size_t>(panel - 1)] = false;
        Changed(kPanelsChanged);
    }
    ReleaseAction(PanelTag(panel));
}

void Instrument::PlayNote(std::int32_t tag, int velocity) {
    const int entry = NoteAt(tag - 2 * state_.control(Control::PosShift));
    if (entry == 0)
        return;
    const int n = entry + state_.control(Control::Key);
    Send(midi::NoteOn(state_.channelBase, n, velocity));
    if (state_.channelBase != 0)
        return;
    if (state_.high && n <= kHighestDoubledUp)
        Send(midi::NoteOn(midi::kHighChannel, n + 12, velocity));
    if (state_.low && n >= kLowestDoubledDown)
        Send(midi::NoteOn(midi::kLowChannel, n - 12, velocity));
}

// The doubling Note Offs go out whatever the options and the base channel, so that a doubled note always
// ends, even when its option was switched off while the key was held.
void Instrument::StopNote(std::int32_t tag) {
    const int entry = NoteAt(tag - 2 * state_.control(Control::PosShift));
    if (entry == 0)
        return;
    const int n = entry + state_.control(Control::Key);
    Send(midi::NoteOff(state_.channelBase, n));
    if (n <= kHighestDoubledUp)
        Send(midi::NoteOff(midi::kHighChannel, n + 12));
    if (n >= kLowestDoubledDown)
        Send(midi::NoteOff(midi::kLowChannel, n - 12));
}
