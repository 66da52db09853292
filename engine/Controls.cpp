// The ten control steps and the bar clicks.
//
// Every step and every bar click first resets the port, which silences whatever sounds. A step that would
// leave its range is not made at all (no clamping), yet its saved copy and controllers still go out.
#include "engine/Instrument.h"
#include "engine/MidiMessages.h"

namespace {
// One control step (tags 1..10): which control moves, and by how much.
struct StepRule {
    Control control;
    std::int32_t delta;
};

constexpr StepRule kStepRules[] = {
    {Control::Key, -12},     {Control::Key, +1},      {Control::Key, +12},       {Control::Key, -1},
    {Control::Volume, +1},   {Control::Volume, -1},   {Control::Modulation, +1}, {Control::Modulation, -1},
    {Control::PosShift, +1}, {Control::PosShift, -1},
};

// The position shift is no controller: the player's only way to hear it is the next note.
constexpr bool SendsControllers(Control control) {
    return control != Control::PosShift;
}

std::size_t Slot(Control control) {
    return static_cast<std::size_t>(control);
}
} // namespace

void Instrument::SendControllers() {
    for (int channel : midi::kControllerChannels)
        Send(midi::ControlChange(channel, midi::kVolumeController,
                                 midi::ControllerValue(state_.control(Control::Volume))));
    for (int channel : midi::kControllerChannels)
        Send(midi::ControlChange(channel, midi::kModulationController,
                                 midi::ControllerValue(state_.control(Control::Modulation))));
}

void Instrument::SetControl(Control control, std::int32_t value) {
    state_.controls[Slot(control)] = value;
}

void Instrument::ControlStep(std::int32_t tag) {
    port_.Reset();
    const StepRule& rule = kStepRules[tag - 1];
    const ControlRange& range = RangeOf(rule.control);
    const std::int32_t next = state_.control(rule.control) + rule.delta;
    if (next >= range.min && next <= range.max)
        SetControl(rule.control, next);
    state_.saved[Slot(rule.control)] = state_.control(rule.control);
    if (SendsControllers(rule.control))
        SendControllers();
    Changed(kControlsChanged);
}

void Instrument::ToggleBar(Control control) {
    port_.Reset();
    const std::int32_t neutral = RangeOf(control).neutral;
    SetControl(control, state_.control(control) != neutral ? neutral : state_.saved[Slot(control)]);
    if (SendsControllers(control))
        SendControllers();
    Changed(kControlsChanged);
}
