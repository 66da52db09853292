#pragma once
// The ALSA sequencer output: a port "out" of the client "Clavito", through RtMidi.

#include <memory>
#include <string>
#include <string_view>

#include "platform/midi/MidiOut.h"
#include "platform/midi/NoteTracker.h"

class RtMidiOut;

namespace platform {

// Opens the port and, when connect is not empty, connects it to that destination. No sequencer gives
// MIDIERR_NODEVICE; a destination that cannot be connected is reported on stderr and the port stays open
// unconnected.
MidiOpenResult openSequencerOutput(const std::string& connect);

// An RtMidi port name split into its name part and, for an ALSA port ("client name:port name
// client-id:port-id"), its numeric address; the address is empty for any other name. The numbers change from
// boot to boot, so the name part is what a setting stores.
struct AlsaPortName {
    std::string_view name, address;
};
AlsaPortName splitAlsaPortName(std::string_view portName);

// Whether the RtMidi name of a destination port names "client:port". RtMidi lists JACK ports by their full
// name "client:port" and ALSA ports as "client name:port name client-id:port-id"; an ALSA destination may be
// given by the whole name, by its name part or by its numeric address.
bool portNameMatches(std::string_view portName, std::string_view destination);

class SequencerOutput : public TrackedPortOutput {
public:
    explicit SequencerOutput(std::unique_ptr<RtMidiOut> port);
    ~SequencerOutput() override;

protected:
    void write(const ShortMessage& message) override;

private:
    std::unique_ptr<RtMidiOut> port_;
};

} // namespace platform
