// The start and stop of a performance, the sound, the doublings, the keyboard type and the menu language.
#include "engine/Instrument.h"

#include "engine/KeyMap.h"
#include "engine/MidiMessages.h"

void Instrument::Changed(Changes changes) {
    if (listener_)
        listener_(changes);
}

void Instrument::Start(const Settings& settings) {
    port_.Reset();
    state_.controls = {settings.key, settings.volume, settings.modulation, settings.posShift};
    state_.saved = state_.controls;
    state_.sound = {settings.index1, settings.index2};
    state_.channelBase = IsPercussion(state_.sound) ? midi::kPercussionChannel : 0;
    state_.high = settings.high;
    state_.low = settings.low;
    state_.keyboard = KeyboardTypeFromCode(settings.keyboard);
    state_.japanese = settings.japanese;
    state_.sustain = settings.sustain;
    state_.dynamics = settings.dynamics;
    SendProgram();
    SendControllers();
    Changed(kEverythingChanged);
}

Settings Instrument::StoredSettings() const {
    Settings settings;
    settings.key = state_.control(Control::Key);
    settings.volume = state_.control(Control::Volume);
    settings.modulation = state_.control(Control::Modulation);
    settings.posShift = state_.control(Control::PosShift);
    settings.index1 = state_.sound.group;
    settings.index2 = state_.sound.item;
    settings.keyboard = KeyboardTypeCode(state_.keyboard);
    settings.japanese = state_.japanese;
    settings.high = state_.high;
    settings.low = state_.low;
    settings.sustain = state_.sustain;
    settings.dynamics = state_.dynamics;
    return settings;
}

// A pedal still down is let up first, so that a synth outside never goes on sustaining.
void Instrument::Stop() {
    SetPedal(false);
    port_.Reset();
    port_.Close();
}

void Instrument::Resend() {
    port_.Reset();
    SendProgram();
    SendControllers();
}

// The drum set first, then the current instrument on the melody channels (none when percussion is chosen).
void Instrument::SendProgram() {
    Send(midi::ProgramChange(midi::kPercussionChannel, 0));
    if (IsPercussion(state_.sound))
        return;
    for (int channel : midi::kMelodyChannels)
        Send(midi::ProgramChange(channel, ProgramOf(state_.sound)));
}

// Percussion plays on its own channel without doublings and needs no program; an instrument plays from
// channel 0 on.
void Instrument::ChooseSound(const SoundChoice& sound) {
    state_.sound = IsPercussion(sound) ? SoundChoice{kPercussionPosition, 0} : sound;
    if (IsPercussion(sound)) {
        state_.channelBase = midi::kPercussionChannel;
    } else {
        state_.channelBase = 0;
        for (int channel : midi::kMelodyChannels)
            Send(midi::ProgramChange(channel, ProgramOf(sound)));
    }
    Changed(kSoundChanged);
}

void Instrument::ToggleHigh() {
    state_.high = !state_.high;
    Changed(kDoublingsChanged);
}

void Instrument::ToggleLow() {
    state_.low = !state_.low;
    Changed(kDoublingsChanged);
}

void Instrument::SetKeyboardType(KeyboardType type) {
    state_.keyboard = type;
    Changed(kKeyboardChanged);
}

void Instrument::SetJapanese(bool japanese) {
    state_.japanese = japanese;
    Changed(kLanguageChanged);
}

// The pedal goes to every channel the controllers go to; only a change of its state is sent, so the
// keyboard's repeats of Space send nothing.
void Instrument::SetPedal(bool down) {
    if (state_.pedalDown == down)
        return;
    state_.pedalDown = down;
    for (int channel : midi::kControllerChannels)
        Send(midi::ControlChange(channel, midi::kSustainController, down ? 127 : 0));
    Changed(kPedalChanged);
}

void Instrument::SetSustain(bool on) {
    if (!on)
        SetPedal(false);
    state_.sustain = on;
    Changed(kPlayOptionsChanged);
}

void Instrument::SetDynamics(bool on) {
    state_.dynamics = on;
    Changed(kPlayOptionsChanged);
}
