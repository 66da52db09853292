#include "platform/midi/MidiOut.h"

#include <QMetaObject>

namespace platform {

void MidiOutput::onLost(std::function<void()> handler) {
    std::lock_guard lock(mutex_);
    lostHandler_ = std::move(handler);
    if (lost_ && lostHandler_) {
        lostHandler_();
    }
}

// The handler runs under the lock, so that once onLost({}) has returned no report is still on its way.
void MidiOutput::reportLost() {
    std::lock_guard lock(mutex_);
    if (!lost_ && lostHandler_) {
        lostHandler_();
    }
    lost_ = true;
}

// An open still running is waited for like any other, so that what it opened is closed here too.
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
    destination_ = result->destination;
    output_->onLost([this, serial = ++serial_] {
        QMetaObject::invokeMethod(
            &receiver_, [this, serial] { lost(serial); }, Qt::QueuedConnection);
    });
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

// The output no longer reports to this port before it leaves it: a report that comes later would find the
// port gone, or holding another output.
void MidiOut::Close() {
    if (!output_) {
        return;
    }
    output_->onLost({});
    callWithinDeadline([output = std::move(output_)]() mutable {
        output.reset();
        return true;
    });
}

std::optional<MidiDestination> MidiOut::destination() const {
    return output_ ? std::optional(destination_) : std::nullopt;
}

void MidiOut::lost(unsigned serial) {
    if (output_ && serial == serial_ && onLost_) {
        onLost_();
    }
}

} // namespace platform
