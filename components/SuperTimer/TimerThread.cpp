#include "components/SuperTimer/TimerThread.h"

#include <optional>

#include <sys/prctl.h>

#include "components/SuperTimer/TimerMath.h"
#include "components/SuperTimer/TimerPriority.h"

namespace {

using std::chrono::steady_clock;

// With the worker's timer slack at 1 ns, a sleep to an absolute deadline ends a few tens of microseconds
// after it; the worker wakes this long before the due millisecond begins and polls the clock only for the
// rest. (A wider span costs a 1 ms timer that share of a core.)
constexpr auto PollSpan = std::chrono::microseconds(60);
constexpr unsigned long TimerSlackNs = 1;

// The moment the clock's reading reaches due, estimated from a reading taken at now. Exact for the real
// clock, whose readings are steady_clock's milliseconds; for another clock merely the next moment to look.
steady_clock::time_point DueMoment(steady_clock::time_point now, std::uint32_t reading, std::uint32_t due) {
    const auto millisecond = std::chrono::floor<std::chrono::milliseconds>(now);
    return millisecond + std::chrono::milliseconds(ClockSince(reading, due));
}

// The first reading at or after the due time, or nullopt when the timer was disabled or enabled anew
// meanwhile. Sleeps until PollSpan before the due moment, then polls without sleeping or yielding.
std::optional<std::uint32_t> WaitUntilDue(TTimerShared& state, std::uint32_t epoch) {
    for (;;) {
        const steady_clock::time_point now = steady_clock::now();
        const std::uint32_t reading = state.Now();
        if (!state.IsCurrent(epoch))
            return std::nullopt;
        if (ClockReached(reading, state.NextDue))
            return reading;
        const steady_clock::time_point wake = DueMoment(now, reading, state.NextDue) - PollSpan;
        if (wake > now && !state.SleepUntil(epoch, wake))
            return std::nullopt;
    }
}

void RunWorker(const std::shared_ptr<TTimerShared>& state) {
    prctl(PR_SET_TIMERSLACK, TimerSlackNs);
    state->WorkerStarted(CurrentThreadId());
    while (const std::optional<std::uint32_t> epoch = state->AwaitEnabled()) {
        // However long the last tick ran, the next one waits at least this long after it.
        const auto rest = steady_clock::now() + std::chrono::milliseconds(RestAfterTick(state->Interval));
        if (!state->SleepUntil(*epoch, rest))
            continue;
        if (const std::optional<std::uint32_t> reading = WaitUntilDue(*state, *epoch))
            state->HandOverTick(*epoch, *reading);
    }
}

} // namespace

TTimerThread::TTimerThread(std::shared_ptr<TTimerShared> state)
    : state_(std::move(state)), thread_([state = state_] { RunWorker(state); }) {}

TTimerThread::~TTimerThread() {
    state_->Kill();
    thread_.join();
}
