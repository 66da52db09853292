#include "platform/midi/MidiOut.h"

namespace platform {

MidiOut::~MidiOut() {
    if (std::optional<MidiOpenResult> opened = opening_.wait(kServerDeadline)) {
        output_ = std::move(opened->output);
    }
    Close();
}

void MidiOut::BeginOpen(const MidiOpener& opener, const QString& settingsPath) {
    if (opener && !output_ && !opening_.valid()) {
        opening_ = PendingCall<MidiOpenResult>([opener, settingsPath] { return opener(settingsPath); });
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
    BeginOpen(opener, settingsPath);
    std::optional<MidiOpenResult> result = opening_.wait(kServerDeadline);
    if (!result) {
        return MIDIERR_NODEVICE;
    }
    if (result->code != MMSYSERR_NOERROR) {
        return result->code;
    }
    if (!result->output) {
        return MMSYSERR_ERROR;
    }
    output_ = std::move(result->output);
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
    if (!output_) {
        return;
    }
    callWithinDeadline([output = std::move(output_)]() mutable {
        output.reset();
        return true;
    });
}

} // namespace platform
