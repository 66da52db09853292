// Whole timers on the real clock and the real UI thread: properties, the hand-over of ticks, stopping,
// handlers that switch timers, errors in handlers, and the worker's priority.
#include <algorithm>
#include <chrono>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <gtest/gtest.h>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/EventPump.h"
#include "timer/Watchdog.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(SuperTimer, StartsDisabledWithItsDefaults) {
    QObject owner;
    auto* timer = new TSuperTimer(&owner);
    EXPECT_EQ(timer->parent(), &owner);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 1000);
    EXPECT_EQ(timer->ThreadPriority(), tpHigher);
    EXPECT_FALSE(timer->CountDown());
    EXPECT_EQ(timer->Elapsed(), 0);
    EXPECT_EQ(timer->StopTicks(), -1);
    EXPECT_EQ(timer->Ticks(), 0);
    EXPECT_EQ(timer->Tag, 0);
    EXPECT_FALSE(timer->OnTimer);
    EXPECT_FALSE(timer->OnStop);
}

TEST(SuperTimer, IntervalZeroMeansStopped) {
    TSuperTimer timer;
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 0);
    timer.setEnabled(true);
    EXPECT_FALSE(timer.Enabled()) << "enabled with nothing to count";
    timer.setElapsed(-250);
    EXPECT_EQ(timer.Ticks(), 0);
    timer.setInterval(100);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Ticks(), -2);
}

TEST(SuperTimer, SettersKeepTheirValues) {
    TSuperTimer timer;
    timer.setInterval(32);
    timer.setInterval(32);
    timer.setCountDown(true);
    timer.setCountDown(true);
    timer.setThreadPriority(tpNormal);
    timer.setElapsed(-7);
    timer.setStopTicks(3);
    timer.Tag = 42;
    EXPECT_EQ(timer.Interval(), 32);
    EXPECT_TRUE(timer.CountDown());
    EXPECT_EQ(timer.ThreadPriority(), tpNormal);
    EXPECT_EQ(timer.Elapsed(), -7);
    EXPECT_EQ(timer.StopTicks(), 3);
    EXPECT_EQ(timer.Ticks(), 0);
    EXPECT_FALSE(timer.Enabled());
}

// The moments and counts of the ticks one timer delivered.
struct TickRecord {
    std::vector<Clock::time_point> at;
    std::vector<std::int32_t> elapsed;
    int stops = 0;

    void Attach(TSuperTimer& timer) {
        timer.OnTimer = [this](TSuperTimer* sender) {
            at.push_back(Clock::now());
            elapsed.push_back(sender->Elapsed());
        };
        timer.OnStop = [this](TSuperTimer*) { ++stops; };
    }
};

TEST(SuperTimerTicks, FirstTickComesNoSoonerThanTheInterval) {
    const Watchdog watchdog("first tick");
    for (const std::uint16_t interval : {20, 60}) {
        TSuperTimer timer;
        timer.setInterval(interval);
        TickRecord record;
        record.Attach(timer);
        const auto enabled = Clock::now();
        timer.setEnabled(true);
        ASSERT_TRUE(PumpUntil([&] { return !record.at.empty(); })) << interval;
        timer.setEnabled(false);
        // The clock counts whole milliseconds, so the enabling reading may lag the true moment by up to one.
        EXPECT_GE(record.at.front() - enabled, std::chrono::milliseconds(interval - 1)) << interval;
        EXPECT_GE(record.elapsed.front(), interval);
    }
}

TEST(SuperTimerTicks, SlowHandlerCausesNoBurst) {
    const Watchdog watchdog("slow handler");
    constexpr std::uint16_t interval = 20;
    TSuperTimer timer;
    timer.setInterval(interval);
    std::vector<std::int32_t> readings;
    timer.OnTimer = [&](TSuperTimer* sender) {
        readings.push_back(sender->Elapsed());
        if (readings.size() == 1)
            std::this_thread::sleep_for(3 * std::chrono::milliseconds(interval));
    };
    timer.setEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return readings.size() >= 5; }));
    timer.setEnabled(false);
    // The tick after the slow one is due at once; every tick is due an interval after the reading that
    // released the one before, so lost time is never made up by ticks in quick succession.
    EXPECT_GE(readings[1] - readings[0], 3 * interval);
    for (std::size_t i = 1; i < readings.size(); ++i)
        EXPECT_GE(readings[i] - readings[i - 1], interval) << "tick " << i;
}

TEST(SuperTimerTicks, StopTicksStopsAfterTheThirdTick) {
    const Watchdog watchdog("stop ticks");
    TSuperTimer timer;
    timer.setInterval(30);
    timer.setStopTicks(3);
    TickRecord record;
    record.Attach(timer);
    timer.setEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return record.stops > 0; }));
    PumpFor(100ms);
    EXPECT_EQ(record.stops, 1);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_GE(timer.Ticks(), 3);
    // Late ticks can reach three intervals in fewer calls, never in more.
    EXPECT_GE(record.at.size(), 1u);
    EXPECT_LE(record.at.size(), 3u);
}

TEST(SuperTimerTicks, CountDownStopsWhenTheCountRunsOut) {
    const Watchdog watchdog("count down");
    TSuperTimer timer;
    timer.setInterval(30);
    timer.setElapsed(150);
    timer.setCountDown(true);
    TickRecord record;
    record.Attach(timer);
    timer.setEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return record.stops > 0; }));
    PumpFor(100ms);
    EXPECT_EQ(record.stops, 1);
    EXPECT_FALSE(timer.Enabled());
    ASSERT_FALSE(record.elapsed.empty());
    EXPECT_LE(record.elapsed.back(), 0);
    for (std::size_t i = 0; i + 1 < record.elapsed.size(); ++i) {
        EXPECT_GT(record.elapsed[i], 0) << "ran on after the count ran out";
        EXPECT_GT(record.elapsed[i], record.elapsed[i + 1]);
    }
}

TEST(SuperTimerTicks, HandlerHandsOverToAnotherTimer) {
    const Watchdog watchdog("hand-over between timers");
    TSuperTimer delay;
    TSuperTimer repeat;
    delay.setInterval(40);
    delay.setStopTicks(1);
    repeat.setInterval(10);
    std::vector<char> order;
    delay.OnTimer = [&](TSuperTimer*) {
        order.push_back('d');
        delay.setEnabled(false);
        repeat.setEnabled(true);
    };
    delay.OnStop = [&](TSuperTimer*) { order.push_back('s'); };
    repeat.OnTimer = [&](TSuperTimer* sender) {
        order.push_back('r');
        if (std::count(order.begin(), order.end(), 'r') == 2)
            sender->setEnabled(false);
    };
    delay.setEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return order.size() == 4; }));
    PumpFor(100ms);
    // The stop test of the delay's tick still runs after its handler disabled it.
    EXPECT_EQ(order, (std::vector<char>{'d', 's', 'r', 'r'}));
    EXPECT_FALSE(delay.Enabled());
    EXPECT_FALSE(repeat.Enabled());
}

class CountingTimer : public TSuperTimer {
public:
    int ticks = 0;

protected:
    void DoTick() override {
        ++ticks;
        TSuperTimer::DoTick();
    }
};

TEST(SuperTimerTicks, DescendantsTickRunsInPlaceOfTheBase) {
    const Watchdog watchdog("overridden tick");
    CountingTimer timer;
    timer.setInterval(5);
    int handled = 0;
    timer.OnTimer = [&](TSuperTimer*) { ++handled; };
    timer.setEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return handled == 3; }));
    timer.setEnabled(false);
    EXPECT_EQ(timer.ticks, 3);
}

TEST(SuperTimerTicks, AtMostOneTickIsOutstanding) {
    const Watchdog watchdog("outstanding ticks");
    TSuperTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    timer.OnTimer = [&](TSuperTimer*) { ++ticks; };
    timer.setEnabled(true);
    std::this_thread::sleep_for(100ms); // a hundred intervals with the UI thread busy
    QCoreApplication::processEvents();
    timer.setEnabled(false);
    EXPECT_GE(ticks, 1);
    EXPECT_LE(ticks, 2) << "ticks queued up while the UI thread was busy";
}

TEST(SuperTimerTicks, NoTickRunsOnceDisabled) {
    const Watchdog watchdog("tick after disabling");
    for (int round = 0; round < 20; ++round) {
        TSuperTimer timer;
        timer.setInterval(1);
        int ticks = 0;
        timer.OnTimer = [&](TSuperTimer*) { ++ticks; };
        timer.setEnabled(true);
        std::this_thread::sleep_for(10ms); // the worker hands a tick over and waits for it
        timer.setEnabled(false);
        PumpFor(20ms);
        EXPECT_EQ(ticks, 0) << "round " << round;
    }
}

TEST(SuperTimerTicks, ErrorInAHandlerEndsItsTick) {
    const Watchdog watchdog("error in a handler");
    TSuperTimer timer;
    timer.setInterval(2);
    timer.setStopTicks(1);
    int calls = 0;
    int stops = 0;
    timer.OnTimer = [&](TSuperTimer*) {
        if (++calls == 1)
            throw std::runtime_error("handler failed");
    };
    timer.OnStop = [&](TSuperTimer*) { ++stops; };
    auto* notifier = timer.findChild<QSocketNotifier*>();
    ASSERT_NE(notifier, nullptr);
    timer.setEnabled(true);
    // Delivered by hand, so that the error reaches the test instead of the event loop.
    bool thrown = false;
    while (!thrown) {
        QEvent activation(QEvent::SockAct);
        try {
            QCoreApplication::sendEvent(notifier, &activation);
        } catch (const std::runtime_error&) {
            thrown = true;
        }
    }
    EXPECT_EQ(stops, 0) << "the stop test ran after the error";
    ASSERT_TRUE(PumpUntil([&] { return stops == 1; })) << "the worker was not released by the failed tick";
    EXPECT_EQ(calls, 2);
}

// The niceness of every thread of this process.
std::vector<int> ThreadNicenesses() {
    std::vector<int> result;
    DIR* tasks = opendir("/proc/self/task");
    while (const dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(std::string("/proc/self/task/") + entry->d_name + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // After the name in parentheses: state, then fields 4 to 19 of which niceness is the last.
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        for (int i = 3; i <= 19 && fields >> field; ++i) {
        }
        result.push_back(std::stoi(field));
    }
    closedir(tasks);
    return result;
}

int ThreadsAt(int niceness) {
    const std::vector<int> all = ThreadNicenesses();
    return static_cast<int>(std::count(all.begin(), all.end(), niceness));
}

TEST(SuperTimerPriority, WorkerTakesItsPriorityAtStartAndOnChange) {
    const Watchdog watchdog("priority");
    TSuperTimer timer;
    timer.setThreadPriority(tpLower);
    EXPECT_EQ(ThreadsAt(5), 0) << "a worker ran before the timer was enabled";
    timer.setEnabled(true);
    ASSERT_TRUE(PumpUntil([] { return ThreadsAt(5) == 1; }));
    timer.setThreadPriority(tpLowest);
    EXPECT_EQ(ThreadsAt(5), 0);
    EXPECT_EQ(ThreadsAt(10), 1);
    timer.setEnabled(false);
    timer.setThreadPriority(tpIdle);
    EXPECT_EQ(ThreadsAt(19), 1) << "not applied while disabled";
    // A raise needs a privilege; refused, the worker keeps the niceness it has.
    timer.setThreadPriority(tpTimeCritical);
    EXPECT_EQ(ThreadsAt(19) + ThreadsAt(-15), 1);
}

} // namespace
