#pragma once
// What a timer (UI thread) and its worker thread share. Both hold it through a shared_ptr, so the worker
// never touches the timer object itself.
//
// Single values are atomics, readable by either side at any time. Whatever must change together (enabling,
// rebasing, handing over a tick, ending) changes under the mutex, and every change the worker may be waiting
// for is announced on the condition variable. Each enabling and each disabling starts a new epoch; a worker
// that finds the epoch changed under it drops what it was waiting for and starts over at the top of its loop,
// where a disabled timer's worker parks.
//
// A tick is handed over in three phases: the worker asks for it (Requested) and rings the tick signal; the UI
// thread takes it (Running) and runs it; ending it (Idle) releases the worker. Disabling withdraws a tick
// that was asked for but not yet taken, so no tick starts after its timer was disabled or destroyed. The
// worker only ever waits on this object's condition variable, never on the UI thread itself, so ending it
// cannot deadlock: Kill wakes it wherever it stands.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <sys/types.h>

#include "components/SuperTimer/TickSignal.h"
#include "components/SuperTimer/TimerClock.h"

class TTimerShared {
public:
    explicit TTimerShared(TTimerClock clock) : clock_(clock) {}

    std::atomic<bool> Enabled{false};
    std::atomic<std::uint16_t> Interval{1000};
    std::atomic<bool> CountDown{false};
    std::atomic<std::int32_t> Elapsed{0};
    std::atomic<std::int32_t> StartElapsed{0};
    std::atomic<std::uint32_t> StartTime{0};
    std::atomic<std::uint32_t> NextDue{0};

    std::uint32_t Now() const { return clock_(); }
    int TickHandle() const { return signal_.Handle(); }
    bool IsDead() const { return dead_; }

    // UI thread.
    void Enable();
    void Disable();
    void SetCountDown(bool countDown);
    void SetNiceness(int niceness);
    bool BeginTick();
    void EndTick();
    void Kill();

    // Worker thread.
    void WorkerStarted(pid_t tid);
    std::optional<std::uint32_t> AwaitEnabled();
    // Sleeps to deadline; false, at once, when the epoch ends first.
    bool SleepUntil(std::uint32_t epoch, std::chrono::steady_clock::time_point deadline);
    bool IsCurrent(std::uint32_t epoch) const { return epoch_ == epoch; }
    void HandOverTick(std::uint32_t epoch, std::uint32_t reading);

private:
    enum class TickPhase : std::uint8_t { Idle, Requested, Running };

    void NewEpoch();

    const TTimerClock clock_;
    TTickSignal signal_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::atomic<std::uint32_t> epoch_{0};
    std::atomic<bool> dead_{false};
    TickPhase phase_ = TickPhase::Idle;
    pid_t workerTid_ = 0;
    int niceness_ = 0;
};
