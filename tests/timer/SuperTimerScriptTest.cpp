// Whole timers on a clock the test moves by hand, so that every tick's reading, and with it Elapsed, comes
// out exact: when ticks come, how the count runs, and when the timer stops itself.
#include <optional>
#include <vector>

#include <gtest/gtest.h>
#include <ostream>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/EventPump.h"
#include "timer/FakeClock.h"
#include "timer/Watchdog.h"

namespace {

using namespace std::chrono_literals;

constexpr std::uint16_t interval = 40; // at most 50: the worker polls without sleeping
constexpr std::uint32_t start = 1000;

// One step of a script: the clock is set to `clock`, then either a tick with that Elapsed is awaited, or
// none is expected for a while, or `action` is done to the timer.
struct Step {
    std::uint32_t clock;
    std::optional<std::int32_t> tick;
    void (*action)(TSuperTimer&) = nullptr;
};

constexpr std::nullopt_t quiet = std::nullopt;

struct Script {
    const char* name;
    void (*setup)(TSuperTimer&);
    std::uint32_t enableAt;
    std::vector<Step> steps;
    int stops;
};

void Plain(TSuperTimer&) {}

const Script scripts[] = {
    {"FirstTickIntervalAfterEnabling",
     Plain,
     start,
     {{1039, quiet}, {1040, 40}, {1079, quiet}, {1080, 80}},
     0},
    {"LatenessIsNotMadeUp",
     Plain,
     start,
     {{1040, 40}, {1500, 500}, {1539, quiet}, {1540, 540}, {1579, quiet}},
     0},
    {"DueTimeAcrossTheClockWrap",
     Plain,
     0xFFFFFFE0u,
     {{0xFFFFFFFFu, quiet}, {7, quiet}, {8, 40}, {47, quiet}, {48, 80}},
     0},
    {"StopTicksThreeStopsOnTheThirdTick",
     [](TSuperTimer& t) { t.setStopTicks(3); },
     start,
     {{1040, 40}, {1080, 80}, {1120, 120}, {2000, quiet}},
     1},
    {"LateTicksStopEarlier",
     [](TSuperTimer& t) { t.setStopTicks(3); },
     start,
     {{1130, 130}, {2000, quiet}},
     1},
    {"CountingUpWithStopTicksZeroNeverStops",
     [](TSuperTimer& t) { t.setStopTicks(0); },
     start,
     {{1040, 40}, {9000, 8000}, {9040, 8040}},
     0},
    {"CountDownStopsAtZero",
     [](TSuperTimer& t) {
         t.setElapsed(100);
         t.setCountDown(true);
     },
     start,
     {{1040, 60}, {1080, 20}, {1120, -20}, {2000, quiet}},
     1},
    {"CountDownWithStopTicksZeroStopsBelowOneInterval",
     [](TSuperTimer& t) {
         t.setElapsed(1000);
         t.setCountDown(true);
         t.setStopTicks(0);
     },
     start,
     {{1040, 960}, {1990, 10}, {3000, quiet}},
     1},
    {"SwitchingDirectionContinuesFromTheCount",
     Plain,
     start,
     {{1040, 40}, {1060, quiet, [](TSuperTimer& t) { t.setCountDown(true); }}, {1080, 20}, {1120, -20}},
     1},
    {"ReenablingContinuesTheCount",
     Plain,
     start,
     {{1040, 40},
      {1050, quiet, [](TSuperTimer& t) { t.setEnabled(false); }},
      {1500, quiet},
      {2000, quiet, [](TSuperTimer& t) { t.setEnabled(true); }},
      {2039, quiet},
      {2040, 80}},
     0},
    {"NewIntervalTakesEffectAfterTheWaitUnderWay",
     Plain,
     start,
     {{1040, 40},
      {1040, quiet, [](TSuperTimer& t) { t.setInterval(20); }},
      {1079, quiet},
      {1080, 80},
      {1099, quiet},
      {1100, 100}},
     0},
    {"SettingElapsedDoesNotRebase",
     Plain,
     start,
     {{1040, 40}, {1040, quiet, [](TSuperTimer& t) { t.setElapsed(5000); }}, {1080, 80}},
     0},
};

void PrintTo(const Script& value, std::ostream* out) {
    *out << value.name;
}

class TimerScript : public ::testing::TestWithParam<Script> {
protected:
    TimerScript() {
        timer.setInterval(interval);
        timer.OnTimer = [this](TSuperTimer* sender) {
            EXPECT_EQ(sender, &timer);
            ticks.push_back(sender->Elapsed());
        };
        timer.OnStop = [this](TSuperTimer* sender) {
            EXPECT_EQ(sender, &timer);
            EXPECT_FALSE(sender->Enabled()) << "OnStop came before the timer was disabled";
            ++stops;
        };
    }

    void Run(const Step& step) {
        const std::size_t before = ticks.size();
        fakeclock::Now = step.clock;
        if (step.action)
            step.action(timer);
        if (!step.tick) {
            PumpFor(60ms);
            EXPECT_EQ(ticks.size(), before) << "tick at clock " << step.clock;
            return;
        }
        ASSERT_TRUE(PumpUntil([&] { return ticks.size() > before; })) << "no tick at clock " << step.clock;
        EXPECT_EQ(ticks.size(), before + 1) << "burst at clock " << step.clock;
        EXPECT_EQ(ticks.back(), *step.tick) << "Elapsed at clock " << step.clock;
    }

    Watchdog watchdog{"timer script"};
    TSuperTimer timer{nullptr, fakeclock::Read};
    std::vector<std::int32_t> ticks;
    int stops = 0;
};

TEST_P(TimerScript, TicksAsScripted) {
    const Script& script = GetParam();
    script.setup(timer);
    fakeclock::Now = script.enableAt;
    timer.setEnabled(true);
    for (const Step& step : script.steps)
        Run(step);
    EXPECT_EQ(stops, script.stops);
    EXPECT_EQ(timer.Enabled(), script.stops == 0);
}

INSTANTIATE_TEST_SUITE_P(Scripts, TimerScript, ::testing::ValuesIn(scripts),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
