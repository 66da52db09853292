#pragma once
// The outputs a player can choose from: the built-in synthesizer and the MIDI inputs of other programs and
// devices, as they are at the moment of asking.

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "platform/midi/MidiSettings.h"

namespace platform {

struct MidiDestination {
    MidiOutputChoice output = MidiOutputChoice::Synth; // Synth, Alsa or Jack
    std::string connect;                               // "client:port" for Alsa and Jack
    bool operator==(const MidiDestination&) const = default;
};

// The synthesizer first, then every ALSA sequencer destination, then every JACK MIDI input. A system without
// a sequencer or a JACK server just lists none of its ports.
std::vector<MidiDestination> listMidiDestinations();
using MidiLister = std::function<std::vector<MidiDestination>()>;

// "ALSA: client:port", "JACK: client:port"; empty for the synthesizer, whose name is the menu's own.
QString midiDestinationName(const MidiDestination& destination);

} // namespace platform
