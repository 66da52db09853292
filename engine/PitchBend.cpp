// The pitch-bend knob: its position along its track is the bend, fully up at the top. Messages go out only
// when the knob moves.
#include <algorithm>

#include "engine/Instrument.h"
#include "engine/MidiMessages.h"

namespace {
constexpr int kCentreStep = 64;

int BendStep(int offset, int travel) {
    const int step = 127 - (offset * 128) / travel;
    return step < 0 ? 0 : step;
}
} // namespace

void Instrument::SetBendTravel(std::int32_t travel) {
    state_.bendTravel = travel;
    state_.bendOffset = travel / 2;
    Changed(kBendChanged);
}

// The bend goes to the playing channel and its two doubling channels (so percussion bends 9, 10 and 11).
void Instrument::BendTo(std::int32_t offset) {
    offset = std::clamp(offset, 0, state_.bendTravel);
    if (offset == state_.bendOffset)
        return;
    state_.bendOffset = offset;
    const int step = BendStep(offset, state_.bendTravel);
    for (int channel = 0; channel < 3; ++channel)
        Send(midi::PitchBend(state_.channelBase + channel, step));
    Changed(kBendChanged);
}

void Instrument::CentreBend() {
    for (int channel : midi::kControllerChannels)
        Send(midi::PitchBend(channel, kCentreStep));
    state_.bendOffset = state_.bendTravel / 2;
    Changed(kBendChanged);
}
