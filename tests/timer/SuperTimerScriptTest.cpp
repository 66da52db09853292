// Whole timers on a clock the test moves by hand, so that every tick's reading, and with it Elapsed, comes
// out exact: when ticks come, and when the timer stops itself.
#include <optional>
#include <vector>

#include <QTest>
#include <gtest/gtest.h>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/FakeClock.h"
#include "timer/Watchdog.h"

namespace {

// The clock is set to `clock`, then the next tick, with this Elapsed, is awaited, or no new one is expected.
struct Step {
    std::uint32_t clock;
    std::optional<std::int32_t> tick;
};

constexpr std::nullopt_t quiet = std::nullopt;

struct Script {
    const char* name;
    void (*setup)(TSuperTimer&);
    std::vector<Step> steps;
    int stops;
    void (*firstTick)(TSuperTimer&) = nullptr; // what the first tick's handler does besides recording
};

const Script scripts[] = {
    {"FirstTickNotEarly", [](TSuperTimer&) {}, {{1039, quiet}, {1040, 40}, {1079, quiet}, {1080, 80}}, 0},
    // The handler runs until the next tick is due; that tick must neither start inside it nor come twice.
    {"SlowHandlerCausesNoBurstNorOverlap",
     [](TSuperTimer&) {},
     {{1040, 40}, {1500, 500}, {1539, quiet}, {1540, 540}, {1579, quiet}},
     0,
     [](TSuperTimer&) {
         fakeclock::Now = 1500;
         QTest::qWait(60);
     }},
    // Switching direction while running continues from the present count.
    {"CountDownSwitchedWhileRunning",
     [](TSuperTimer&) {},
     {{1040, 40}, {1080, 0}, {2000, quiet}},
     1,
     [](TSuperTimer& t) { t.setCountDown(true); }},
    {"StopTicksThreeStopsOnTheThirdTick",
     [](TSuperTimer& t) { t.setStopTicks(3); },
     {{1040, 40}, {1080, 80}, {1120, 120}, {2000, quiet}},
     1},
    {"CountDownStopsAtZero",
     [](TSuperTimer& t) {
         t.setElapsed(100);
         t.setCountDown(true);
     },
     {{1040, 60}, {1080, 20}, {1120, -20}, {2000, quiet}},
     1},
};

class TimerScript : public ::testing::TestWithParam<Script> {};

TEST_P(TimerScript, TicksAsScripted) {
    const Script& script = GetParam();
    const Watchdog watchdog("timer script");
    TSuperTimer timer{nullptr, fakeclock::Read};
    std::vector<std::int32_t> ticks;
    int stops = 0;
    timer.setInterval(40); // at most 50: no rest after a tick, the next is due Interval after its reading
    bool inTick = false;
    timer.OnTimer = [&](TSuperTimer* sender) {
        EXPECT_FALSE(inTick) << "a tick began inside another";
        inTick = true;
        ticks.push_back(sender->Elapsed());
        if (ticks.size() == 1 && script.firstTick)
            script.firstTick(*sender);
        inTick = false;
    };
    timer.OnStop = [&](TSuperTimer* sender) {
        EXPECT_FALSE(sender->Enabled()) << "OnStop came before the timer was disabled";
        ++stops;
    };
    script.setup(timer);
    fakeclock::Now = 1000;
    timer.setEnabled(true);
    std::size_t expected = 0;
    for (const Step& step : script.steps) {
        fakeclock::Now = step.clock;
        if (!step.tick) {
            QTest::qWait(60);
            EXPECT_EQ(ticks.size(), expected) << "early tick or burst at clock " << step.clock;
            continue;
        }
        ++expected;
        ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= expected; }, 10000)) << "at " << step.clock;
        EXPECT_EQ(ticks[expected - 1], *step.tick) << "Elapsed at clock " << step.clock;
    }
    EXPECT_EQ(stops, script.stops);
    EXPECT_EQ(timer.Enabled(), script.stops == 0);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TimerScript, ::testing::ValuesIn(scripts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
