#pragma once
// An output that records what the program sends, for the tests in place of a real port: every short message
// as packed, and a mark for each reset and for the output's end (no short message is below 0x80).

#include <memory>
#include <vector>

#include "platform/midi/MidiOut.h"

inline constexpr std::uint32_t kResetMark = 0, kClosedMark = 1;
using MidiLog = std::vector<std::uint32_t>;

// An opener whose outputs append to *log. With code != 0 the open fails with that code and records nothing.
platform::MidiOpener recordingMidiOpener(std::shared_ptr<MidiLog> log,
                                         std::uint32_t code = platform::MMSYSERR_NOERROR);
