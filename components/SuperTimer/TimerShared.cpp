#include "components/SuperTimer/TimerShared.h"

#include "components/SuperTimer/TimerMath.h"
#include "components/SuperTimer/TimerPriority.h"

void TTimerShared::NewEpoch() {
    ++epoch_;
    if (phase_ == TickPhase::Requested)
        phase_ = TickPhase::Idle;
    changed_.notify_all();
}

void TTimerShared::Enable() {
    const std::lock_guard lock(mutex_);
    StartElapsed = Elapsed.load();
    StartTime = Now();
    NextDue = StartTime + Interval;
    Enabled = true;
    NewEpoch();
}

void TTimerShared::Disable() {
    const std::lock_guard lock(mutex_);
    Enabled = false;
    NewEpoch();
}

void TTimerShared::SetCountDown(bool countDown) {
    const std::lock_guard lock(mutex_);
    CountDown = countDown;
    if (!Enabled)
        return;
    StartTime = Now();
    StartElapsed = Elapsed.load();
}

void TTimerShared::SetNiceness(int niceness) {
    const std::lock_guard lock(mutex_);
    niceness_ = niceness;
    if (workerTid_ != 0)
        ApplyNiceness(workerTid_, niceness_);
}

bool TTimerShared::BeginTick() {
    signal_.Drain();
    const std::lock_guard lock(mutex_);
    if (phase_ != TickPhase::Requested)
        return false;
    phase_ = TickPhase::Running;
    return true;
}

void TTimerShared::EndTick() {
    const std::lock_guard lock(mutex_);
    phase_ = TickPhase::Idle;
    changed_.notify_all();
}

void TTimerShared::Kill() {
    const std::lock_guard lock(mutex_);
    dead_ = true;
    Enabled = false;
    NewEpoch();
}

void TTimerShared::WorkerStarted(pid_t tid) {
    const std::lock_guard lock(mutex_);
    workerTid_ = tid;
    ApplyNiceness(workerTid_, niceness_);
}

std::optional<std::uint32_t> TTimerShared::AwaitEnabled() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return dead_ || Enabled; });
    if (dead_)
        return std::nullopt;
    return epoch_.load();
}

bool TTimerShared::SleepUntil(std::uint32_t epoch, std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    return !changed_.wait_until(lock, deadline, [this, epoch] { return !IsCurrent(epoch); });
}

void TTimerShared::HandOverTick(std::uint32_t epoch, std::uint32_t reading) {
    std::unique_lock lock(mutex_);
    if (!IsCurrent(epoch))
        return;
    NextDue = reading + Interval;
    Elapsed = CountedElapsed(CountDown, StartElapsed, StartTime, reading);
    phase_ = TickPhase::Requested;
    signal_.Raise();
    changed_.wait(lock, [this] { return dead_ || phase_ == TickPhase::Idle; });
}
