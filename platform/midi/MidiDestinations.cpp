#include "platform/midi/MidiDestinations.h"

#include <memory>

#include <rtmidi/RtMidi.h>

#include "platform/midi/PendingCall.h"
#include "platform/midi/SequencerOutput.h"

namespace platform {

namespace {

void ignoreError(RtMidiError::Type, const std::string&, void*) {}

std::vector<MidiDestination> portsOf(RtMidi::Api api, MidiOutputChoice output) {
    std::vector<MidiDestination> destinations;
    try {
        RtMidiOut probe(api, "Clavito list");
        probe.setErrorCallback(&ignoreError, nullptr);
        const unsigned count = probe.getPortCount();
        for (unsigned i = 0; i < count; ++i) {
            const std::string name = probe.getPortName(i);
            destinations.push_back(
                {output, api == RtMidi::LINUX_ALSA ? std::string(splitAlsaPortName(name).name) : name});
        }
    } catch (const RtMidiError&) {
        // No sequencer or no server: nothing of that kind to list.
    }
    return destinations;
}

void append(std::vector<MidiDestination>& to, const std::vector<MidiDestination>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

} // namespace

std::vector<MidiDestination> listMidiDestinations() {
    std::vector<MidiDestination> destinations{{MidiOutputChoice::Synth, {}}};
    append(destinations, portsOf(RtMidi::LINUX_ALSA, MidiOutputChoice::Alsa));
    // A JACK server that does not answer lists no ports rather than holding the menu.
    append(destinations, callWithinDeadline([] {
                             return portsOf(RtMidi::UNIX_JACK, MidiOutputChoice::Jack);
                         }).value_or(std::vector<MidiDestination>()));
    return destinations;
}

QString midiDestinationName(const MidiDestination& destination) {
    const QString port = QString::fromStdString(destination.connect);
    switch (destination.output) {
    case MidiOutputChoice::Alsa:
        return QStringLiteral("ALSA: ") + port;
    case MidiOutputChoice::Jack:
        return QStringLiteral("JACK: ") + port;
    case MidiOutputChoice::Synth:
    case MidiOutputChoice::Auto:
        break;
    }
    return {};
}

} // namespace platform
