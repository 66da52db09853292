#pragma once
// TSuperTimer: a non-visual timer whose ticks are timed by a worker thread of its own and run on the UI
// thread, down to an interval of 1 ms. Besides ticking it keeps a running count of milliseconds (Elapsed), up
// or, with CountDown, down, and it can stop itself after StopTicks ticks or when a count-down runs out.
//
// Every property, DoTick and the handlers belong to the UI thread (the thread that created the timer, which
// must run a Qt event loop). A tick is delivered whenever that thread's event loop runs, nested loops of
// menus and dialogs included. Choices of this timer where one had to be made:
// - Enabling a timer whose Interval is 0 leaves it disabled.
// - A tick is never run once its timer was disabled, not even one the worker had already handed over.
// - A tick whose handler throws still ends (the worker goes on timing); the error travels on to the event
//   loop, and the stop test of that tick is skipped.
// - A handler may destroy its own timer; the rest of that tick is then skipped.
// The worker hands a tick over through a doorbell the UI thread's event loop watches, then waits on the state
// it shares with the timer rather than on the UI thread; so a tick costs no allocation, and destruction,
// which wakes the worker and joins it, never waits for the UI thread and cannot deadlock.

#include <cstdint>
#include <functional>
#include <memory>

#include <QObject>

#include "components/SuperTimer/TimerClock.h"
#include "components/SuperTimer/TimerPriority.h"

class QSocketNotifier;
class TTimerShared;
class TTimerThread;

class TSuperTimer : public QObject {
    Q_OBJECT

public:
    explicit TSuperTimer(QObject* owner = nullptr);
    // The same with another clock, for checking behaviour across the wrap of the millisecond clock.
    TSuperTimer(QObject* owner, TTimerClock clock);
    ~TSuperTimer() override;

    bool Enabled() const;
    void setEnabled(bool enabled);
    std::uint16_t Interval() const;
    void setInterval(std::uint16_t interval);
    TThreadPriority ThreadPriority() const { return threadPriority_; }
    void setThreadPriority(TThreadPriority priority);
    bool CountDown() const;
    void setCountDown(bool countDown);
    std::int32_t Elapsed() const;
    void setElapsed(std::int32_t elapsed);
    std::int32_t StopTicks() const { return stopTicks_; }
    void setStopTicks(std::int32_t stopTicks) { stopTicks_ = stopTicks; }
    std::int32_t Ticks() const;

    std::function<void(TSuperTimer*)> OnTimer;
    std::function<void(TSuperTimer*)> OnStop;
    int Tag = 0;

protected:
    // One tick, on the UI thread: OnTimer, then the stop test.
    virtual void DoTick();

private:
    void ServeTick();
    void ReleaseTickNotifier();

    TThreadPriority threadPriority_ = tpHigher;
    std::int32_t stopTicks_ = -1;
    std::shared_ptr<TTimerShared> state_;
    QSocketNotifier* tickNotifier_;
    std::unique_ptr<TTimerThread> worker_;
    bool serving_ = false;
};
