// The thread timer on the UI thread's event loop, as the auto-repeat uses it: no tick early, none twice, none
// after the timer is disabled or destroyed. The scripts run on a clock the test moves by hand, enabled just
// before the clock wraps, so that every tick's reading, and with it Elapsed, comes out exact.
#include <unistd.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

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

// at: milliseconds after enabling; elapsed: of the tick now awaited, none when no tick may come
// clang-format off
struct Step { std::uint32_t at; std::optional<std::int32_t> elapsed; };
struct Script { const char* name; void (*firstTick)(); std::vector<Step> steps; };
// clang-format on
constexpr std::nullopt_t no = std::nullopt;

const Script kScripts[] = {
    // clang-format off
    {"FirstTickOnTime", nullptr, {{10, no}, {39, no}, {40, 40}, {79, no}, {80, 80}}},
    // The first tick runs past the next due time: that tick must neither start inside it nor come twice.
    {"LateTickComesOnce", [] { SetClock(500), QTest::qWait(60); }, {{40, 40}, {500, 500}, {539, no}, {540, 540}, {579, no}}},
    // clang-format on
};

class TimerScript : public ::testing::TestWithParam<Script> {};

TEST_P(TimerScript, TicksAsScripted) {
    const Script& script = GetParam();
    TSuperTimer timer{nullptr, ReadClock};
    timer.setInterval(40);
    std::vector<std::int32_t> ticks;
    bool inTick = false;
    timer.OnTimer = [&](TSuperTimer* sender) {
        EXPECT_FALSE(inTick) << "a tick began inside another";
        inTick = true;
        ticks.push_back(sender->Elapsed());
        if (ticks.size() == 1 && script.firstTick)
            script.firstTick();
        inTick = false;
    };
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
}

INSTANTIATE_TEST_SUITE_P(Scripts, TimerScript, ::testing::ValuesIn(kScripts),
                         [](const auto& info) { return std::string(info.param.name); });

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

} // namespace
