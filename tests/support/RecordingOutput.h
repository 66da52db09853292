#pragma once
// An output that records what the program sends, for the widget tests in place of a real port.

#include <memory>
#include <vector>

#include "platform/midi/MidiOut.h"

struct MidiEvent {
    enum Kind { Message, Reset, Close } kind;
    std::uint32_t msg = 0;
    bool operator==(const MidiEvent&) const = default;
};
using MidiLog = std::vector<MidiEvent>;

// An opener whose outputs append to *log (a Close event when the output is destroyed).
// With code != 0 the open fails with that code and records nothing.
platform::MidiOpener recordingMidiOpener(std::shared_ptr<MidiLog> log,
                                         std::uint32_t code = platform::MMSYSERR_NOERROR);
