#pragma once
// The worker thread of one timer. It measures time only: it sleeps until shortly before a tick is due, polls
// the clock until the tick is due, then hands the tick to the UI thread and waits until it has run there.
// While its timer is disabled it parks at the top of its loop without using the processor.
//
// The thread holds the shared state, never the timer, and every wait of its loop can be broken by
// TTimerShared::Kill; so the destructor kills and joins, and the join returns at once even while the UI
// thread is busy or blocked.

#include <memory>
#include <thread>

#include "components/SuperTimer/TimerShared.h"

class TTimerThread {
public:
    explicit TTimerThread(std::shared_ptr<TTimerShared> state);
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

private:
    std::shared_ptr<TTimerShared> state_;
    std::thread thread_;
};
