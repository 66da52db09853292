// The thread timer on the UI thread's event loop. The scripts run on a clock the test moves by hand, enabled
// just before the clock wraps, so that every tick's reading, and with it Elapsed, comes out exact.
#include <unistd.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "components/SuperTimer/SuperTimer.h"

namespace {

// A deadlock ends the test's process instead of hanging the suite.
[[maybe_unused]] const unsigned kWatchdog = alarm(60);

std::atomic<std::uint32_t> clockNow{0};
std::uint32_t ReadClock() {
    return clockNow;
}
void SetClock(std::uint32_t sinceEnabling) {
    clockNow = 0xFFFFFFF0u + sinceEnabling;
}

using Action = void (*)(TSuperTimer&);
// at: milliseconds after enabling; elapsed: of the tick now awaited, none when no tick may come
// clang-format off
struct Step { std::uint32_t at; std::optional<std::int32_t> elapsed; };
struct Script { const char* name; Action before, firstTick; std::vector<Step> steps; bool stops; };
// clang-format on
constexpr std::nullopt_t no = std::nullopt;

const Script kScripts[] = {
    // clang-format off
    {"FirstTickOnTime", nullptr, nullptr, {{10, no}, {39, no}, {40, 40}, {79, no}, {80, 80}}, false},
    // The first tick runs past the next due time: that tick must neither start inside it nor come twice.
    {"LateTickComesOnce", nullptr, [](TSuperTimer&) { SetClock(500), QTest::qWait(60); }, {{40, 40}, {500, 500}, {539, no}, {540, 540}, {579, no}}, false},
    {"StopTicksStopsOnTheThird", [](TSuperTimer& t) { t.setStopTicks(3); }, nullptr, {{40, 40}, {80, 80}, {120, 120}, {999, no}}, true},
    {"CountDownStopsAtZero", [](TSuperTimer& t) { t.setElapsed(100), t.setCountDown(true); }, nullptr, {{40, 60}, {80, 20}, {120, -20}, {999, no}}, true},
    {"CountDownSwitchedWhileRunning", nullptr, [](TSuperTimer& t) { t.setCountDown(true); }, {{40, 40}, {80, 0}, {999, no}}, true},
    // clang-format on
};

class TimerScript : public ::testing::TestWithParam<Script> {};

TEST_P(TimerScript, TicksAsScripted) {
    const Script& script = GetParam();
    TSuperTimer timer{nullptr, ReadClock};
    timer.setInterval(40);
    std::vector<std::int32_t> ticks;
    bool inTick = false;
    int stops = 0;
    timer.OnTimer = [&](TSuperTimer* sender) {
        EXPECT_FALSE(inTick) << "a tick began inside another";
        inTick = true;
        ticks.push_back(sender->Elapsed());
        if (ticks.size() == 1 && script.firstTick)
            script.firstTick(*sender);
        inTick = false;
    };
    timer.OnStop = [&](TSuperTimer* sender) { stops += sender->Enabled() ? 100 : 1; }; // disabled first
    if (script.before)
        script.before(timer);
    SetClock(0);
    timer.setEnabled(true);
    std::size_t seen = 0;
    for (const Step& step : script.steps) {
        SetClock(step.at);
        if (!step.elapsed) {
            QTest::qWait(60);
            EXPECT_EQ(ticks.size(), seen) << "early tick or burst at " << step.at;
            continue;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() > seen; }, 20000)) << "no tick at " << step.at;
        EXPECT_EQ(ticks[seen++], *step.elapsed) << "at " << step.at;
    }
    EXPECT_EQ(stops, script.stops ? 1 : 0);
    EXPECT_EQ(timer.Enabled(), !script.stops);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TimerScript, ::testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

// The auto-repeat hand-over: the delay's handler disables it and enables the repeat; the delay's stop test
// still runs after its handler.
TEST(SuperTimer, HandlerDisablesItsTimerAndEnablesAnother) {
    TSuperTimer delay, repeat;
    delay.setInterval(40);
    delay.setStopTicks(1);
    repeat.setInterval(10);
    std::string order;
    delay.OnTimer = [&](TSuperTimer*) { order += 'd', delay.setEnabled(false), repeat.setEnabled(true); };
    delay.OnStop = [&](TSuperTimer*) { order += 's'; };
    repeat.OnTimer = [&](TSuperTimer* sender) { sender->setEnabled((order += 'r') != "dsrr"); };
    delay.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 4; }));
    QTest::qWait(100);
    EXPECT_EQ(order, "dsrr");
}

// Interval 1 leaves the worker waiting for its tick to be taken, 65535 leaves it asleep; either way no tick
// runs once the timer is disabled or destroyed, and destroying never waits for the UI thread.
TEST(SuperTimer, NoTickAfterDisablingOrDestroying) {
    int ticks = 0;
    for (int round = 0; round < 200; ++round) {
        auto timer = std::make_unique<TSuperTimer>();
        timer->setInterval(round % 2 ? 1 : 65535);
        timer->OnTimer = [&ticks](TSuperTimer*) { ++ticks; };
        timer->setEnabled(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(round % 4));
        round % 8 < 4 ? timer->setEnabled(false) : timer.reset();
        QTest::qWait(2);
    }
    EXPECT_EQ(ticks, 0);
}

TEST(SuperTimer, TicksRunInsideAMenusLoop) {
    QMenu menu;
    menu.addAction("Piano");
    TSuperTimer timer;
    timer.setInterval(10);
    int ticks = 0;
    timer.OnTimer = [&](TSuperTimer*) {
        if (++ticks == 3)
            menu.close();
    };
    timer.setEnabled(true);
    menu.exec(QPoint(10, 10));
    EXPECT_EQ(ticks, 3);
}

} // namespace
