#include "platform/midi/MidiOut.h"

#include <utility>

#include <QMetaObject>
#include <QTimer>

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
    told_ = nullptr;
    if (opening_.valid()) {
        take(opening_.wait(kServerDeadline));
    }
    Close();
}

// The call tells this port when it returns; the notice is queued, and dropped with receiver_.
void MidiOut::BeginOpen(const MidiOpener& opener, const QString& settingsPath) {
    if (opener && !output_ && !opening_.valid()) {
        const unsigned call = ++calls_;
        opening_ = PendingCall<MidiOpenResult>([opener, settingsPath] { return opener(settingsPath); },
                                               [this, call] {
                                                   QMetaObject::invokeMethod(
                                                       &receiver_, [this, call] { tell(call, false); },
                                                       Qt::QueuedConnection);
                                               });
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
    told_ = nullptr;
    BeginOpen(opener, settingsPath);
    return take(opening_.wait(kServerDeadline));
}

void MidiOut::OpenInBackground(const MidiOpener& opener, const QString& settingsPath,
                               std::function<void(std::uint32_t)> told) {
    BeginOpen(opener, settingsPath);
    if (output_ || !opener || opening_.finished()) {
        told(Open(opener, settingsPath));
        return;
    }
    told_ = std::move(told);
    QTimer::singleShot(kServerDeadline, &receiver_, [this, call = calls_] { tell(call, true); });
}

// Once the call has returned, or at the deadline, where it is abandoned.
void MidiOut::tell(unsigned call, bool deadlinePassed) {
    if (!told_ || call != calls_ || !(deadlinePassed || opening_.finished())) {
        return;
    }
    const std::function<void(std::uint32_t)> told = std::exchange(told_, nullptr);
    told(take(opening_.wait(std::chrono::steady_clock::duration::zero())));
}

void MidiOut::takeUntold() {
    if (told_) {
        told_ = nullptr;
        take(opening_.wait(kServerDeadline));
    }
}

// The output of an open that succeeded becomes the port's, and gets what was held for it.
std::uint32_t MidiOut::take(std::optional<MidiOpenResult> result) {
    const std::vector<std::optional<std::uint32_t>> held = std::exchange(held_, {});
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
    for (const std::optional<std::uint32_t>& msg : held) {
        if (msg) {
            output_->send(*msg);
        } else {
            output_->reset();
        }
    }
    return MMSYSERR_NOERROR;
}

void MidiOut::ShortMsg(std::uint32_t msg) {
    if (output_) {
        output_->send(msg);
    } else if (told_) {
        held_.emplace_back(msg);
    }
}

void MidiOut::Reset() {
    if (output_) {
        output_->reset();
    } else if (told_) {
        held_.emplace_back(std::nullopt);
    }
}

// The output no longer reports to this port before it leaves it: a report that comes later would find the
// port gone, or holding another output.
void MidiOut::Close() {
    takeUntold();
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
