#include "platform/midi/MidiOut.h"

namespace platform {

void MidiOut::BeginOpen(const MidiOpener& opener, const QString& settingsPath) {
    if (opener && !output_ && !opening_.valid()) {
        opening_ = std::async(std::launch::async, opener, settingsPath);
    }
}

// A second open while an output is held fails like a device in use and keeps the open output.
std::uint32_t MidiOut::Open(const MidiOpener& opener, const QString& settingsPath) {
    if (output_) {
        return MMSYSERR_ALLOCATED;
    }
    if (!opener) {
        return MMSYSERR_ERROR;
    }
    MidiOpenResult result = opening_.valid() ? opening_.get() : opener(settingsPath);
    if (result.code != MMSYSERR_NOERROR) {
        return result.code;
    }
    if (!result.output) {
        return MMSYSERR_ERROR;
    }
    output_ = std::move(result.output);
    return MMSYSERR_NOERROR;
}

void MidiOut::ShortMsg(std::uint32_t msg) {
    if (output_) {
        output_->send(msg);
    }
}

void MidiOut::Reset() {
    if (output_) {
        output_->reset();
    }
}

void MidiOut::Close() {
    output_.reset();
}

} // namespace platform
