#include "platform/midi/NoteTracker.h"

namespace platform {

namespace {

constexpr std::uint8_t kAllNotesOff = 123;

} // namespace

void NoteTracker::observe(const ShortMessage& message) {
    const std::uint8_t kind = message.kind();
    if (kind == kNoteOn && message.data2() > 0) {
        sounding_[message.channel()].set(message.data1());
    } else if (kind == kNoteOn || kind == kNoteOff) {
        sounding_[message.channel()].reset(message.data1());
    }
}

std::vector<ShortMessage> NoteTracker::takeResetMessages() {
    std::vector<ShortMessage> messages;
    for (int channel = 0; channel < kChannels; ++channel) {
        for (int note = 0; note < kNotes; ++note) {
            if (sounding_[channel][note]) {
                messages.push_back(channelMessage(kNoteOff, channel, static_cast<std::uint8_t>(note), 0));
            }
        }
        sounding_[channel].reset();
    }
    for (int channel = 0; channel < kChannels; ++channel) {
        messages.push_back(channelMessage(kControlChange, channel, kAllNotesOff, 0));
    }
    return messages;
}

void TrackedPortOutput::send(std::uint32_t msg) {
    if (const auto message = decodeShortMessage(msg)) {
        notes_.observe(*message);
        write(*message);
    }
}

void TrackedPortOutput::reset() {
    for (const ShortMessage& message : notes_.takeResetMessages()) {
        write(message);
    }
}

} // namespace platform
