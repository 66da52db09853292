#include "components/SuperTimer/SuperTimer.h"

#include <QSocketNotifier>

#include "components/SuperTimer/TimerMath.h"
#include "components/SuperTimer/TimerShared.h"
#include "components/SuperTimer/TimerThread.h"

namespace {

// Ends a tick however DoTick leaves, so that the worker is released even when a handler throws. Touches
// the timer only while the timer is alive: a handler may have destroyed it.
class TickScope {
public:
    TickScope(std::shared_ptr<TTimerShared> state, bool& serving)
        : state_(std::move(state)), serving_(serving) {
        serving_ = true;
    }
    ~TickScope() {
        if (!state_->IsDead())
            serving_ = false;
        state_->EndTick();
    }
    TickScope(const TickScope&) = delete;
    TickScope& operator=(const TickScope&) = delete;

private:
    std::shared_ptr<TTimerShared> state_;
    bool& serving_;
};

} // namespace

TSuperTimer::TSuperTimer(QObject* owner) : TSuperTimer(owner, TimeGetTime) {}

TSuperTimer::TSuperTimer(QObject* owner, TTimerClock clock)
    : QObject(owner), state_(std::make_shared<TTimerShared>(clock)),
      tickNotifier_(new QSocketNotifier(state_->TickHandle(), QSocketNotifier::Read, this)) {
    // Stored for the worker, which takes it on when it starts.
    state_->SetNiceness(NicenessOf(threadPriority_));
    connect(tickNotifier_, &QSocketNotifier::activated, this, &TSuperTimer::ServeTick);
}

TSuperTimer::~TSuperTimer() {
    setEnabled(false);
    state_->Kill();
    worker_.reset();
    ReleaseTickNotifier();
}

// The notifier goes before the tick signal it watches. Destroyed from inside its own tick, the timer cannot
// delete the notifier that is still delivering that tick: it is detached and left to the event loop.
void TSuperTimer::ReleaseTickNotifier() {
    if (!serving_) {
        delete tickNotifier_;
        return;
    }
    tickNotifier_->setEnabled(false);
    tickNotifier_->disconnect(this);
    tickNotifier_->setParent(nullptr);
    tickNotifier_->deleteLater();
}

bool TSuperTimer::Enabled() const {
    return state_->Enabled;
}

void TSuperTimer::setEnabled(bool enabled) {
    if (enabled == Enabled() || (enabled && Interval() == 0))
        return;
    if (!enabled) {
        state_->Disable();
        return;
    }
    // The worker comes first, parked, so that a thread that cannot be started leaves the timer disabled.
    if (!worker_)
        worker_ = std::make_unique<TTimerThread>(state_);
    state_->Enable();
}

std::uint16_t TSuperTimer::Interval() const {
    return state_->Interval;
}

void TSuperTimer::setInterval(std::uint16_t interval) {
    if (interval == Interval())
        return;
    if (interval == 0)
        setEnabled(false);
    state_->Interval = interval;
}

void TSuperTimer::setThreadPriority(TThreadPriority priority) {
    if (priority == threadPriority_)
        return;
    threadPriority_ = priority;
    state_->SetNiceness(NicenessOf(priority));
}

bool TSuperTimer::CountDown() const {
    return state_->CountDown;
}

void TSuperTimer::setCountDown(bool countDown) {
    if (countDown != CountDown())
        state_->SetCountDown(countDown);
}

std::int32_t TSuperTimer::Elapsed() const {
    return state_->Elapsed;
}

void TSuperTimer::setElapsed(std::int32_t elapsed) {
    state_->Elapsed = elapsed;
}

std::int32_t TSuperTimer::Ticks() const {
    return TicksOf(Elapsed(), Interval());
}

void TSuperTimer::DoTick() {
    // Held so that the dead flag can still be read when a handler destroyed this timer.
    const std::shared_ptr<TTimerShared> state = state_;
    if (OnTimer)
        OnTimer(this);
    if (state->IsDead() || !ShouldStop(CountDown(), Elapsed(), Ticks(), StopTicks()))
        return;
    setEnabled(false);
    if (OnStop)
        OnStop(this);
}

void TSuperTimer::ServeTick() {
    const std::shared_ptr<TTimerShared> state = state_;
    if (!state->BeginTick())
        return;
    const TickScope scope(state, serving_);
    DoTick();
}
