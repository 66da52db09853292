#pragma once
// The notes a sequencer port left sounding, so that a reset can end exactly those, and the output of such a
// port (ALSA or JACK), which keeps them.

#include <array>
#include <bitset>
#include <vector>

#include "platform/midi/MidiOut.h"
#include "platform/midi/ShortMessage.h"

namespace platform {

class NoteTracker {
public:
    static constexpr int kChannels = 16;
    static constexpr int kNotes = 128;

    // Note On with velocity > 0 marks its note; Note Off, or Note On with velocity 0, clears it.
    void observe(const ShortMessage& message);

    // The messages of a reset, in sending order: a Note Off (velocity 0) for every marked note, by channel
    // and then by note, followed by All Notes Off (controller 123, value 0) on channels 0..15. Clears the
    // table, since the reset ends every note.
    std::vector<ShortMessage> takeResetMessages();

private:
    std::array<std::bitset<kNotes>, kChannels> sounding_;
};

// An output to a sequencer port: every message it passes on, and the reset, go through one note table.
class TrackedPortOutput : public MidiOutput {
public:
    void send(std::uint32_t msg) final;
    // Note Off for every note this port left sounding, then All Notes Off on all 16 channels.
    void reset() final;

protected:
    // Hands one decoded message to the port.
    virtual void write(const ShortMessage& message) = 0;

private:
    NoteTracker notes_;
};

} // namespace platform
