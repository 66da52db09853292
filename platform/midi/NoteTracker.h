#pragma once
// The notes a sequencer port left sounding, so that a reset can end exactly those.

#include <array>
#include <bitset>
#include <vector>

#include "platform/midi/ShortMessage.h"

namespace platform {

class NoteTracker {
public:
    static constexpr int kChannels = 16;
    static constexpr int kNotes = 128;

    // Note On with velocity > 0 marks its note; Note Off, or Note On with velocity 0, clears it.
    void observe(const ShortMessage& message);
    bool isSounding(int channel, int note) const { return sounding_[channel][note]; }

    // The messages of a reset, in sending order: a Note Off (velocity 0) for every marked note, by channel
    // and then by note, followed by All Notes Off (controller 123, value 0) on channels 0..15. Clears the
    // table, since the reset ends every note.
    std::vector<ShortMessage> takeResetMessages();

private:
    std::array<std::bitset<kNotes>, kChannels> sounding_;
};

} // namespace platform
