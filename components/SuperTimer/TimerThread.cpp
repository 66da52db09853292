#include "components/SuperTimer/TimerThread.h"

#include <optional>

#include "components/SuperTimer/TimerMath.h"
#include "components/SuperTimer/TimerPriority.h"

namespace {

// The first reading at or after the due time, or nullopt when the timer was disabled or enabled anew
// meanwhile. Polls without sleeping or yielding: the last stretch before a tick is kept punctual.
std::optional<std::uint32_t> PollUntilDue(const TTimerShared& state, std::uint32_t epoch) {
    for (;;) {
        const std::uint32_t reading = state.Now();
        if (!state.IsCurrent(epoch))
            return std::nullopt;
        if (ClockReached(reading, state.NextDue))
            return reading;
    }
}

void RunWorker(const std::shared_ptr<TTimerShared>& state) {
    state->WorkerStarted(CurrentThreadId());
    while (const std::optional<std::uint32_t> epoch = state->AwaitEnabled()) {
        const std::chrono::milliseconds sleep{SleepBeforePolling(state->Interval)};
        if (!state->SleepWithin(*epoch, sleep))
            continue;
        if (const std::optional<std::uint32_t> reading = PollUntilDue(*state, *epoch))
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
