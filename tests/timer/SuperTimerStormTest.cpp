// Timers enabled, disabled and destroyed in quick succession while their workers hand ticks over: nothing may
// crash, hang (the watchdog aborts) or run a tick of a disabled or destroyed timer.
#include <array>
#include <memory>
#include <random>
#include <thread>

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/Watchdog.h"

namespace {

using namespace std::chrono_literals;

TEST(SuperTimerStorm, RandomOperationsWhileTicksArePending) {
    const Watchdog watchdog("storm of timer operations");
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        std::array<std::unique_ptr<TSuperTimer>, 3> timers;
        int ticks = 0;
        int misplaced = 0;
        // Handlers too destroy, disable and enable timers.
        const auto tick = [&](std::size_t slot, TSuperTimer* sender) {
            ++ticks;
            if (sender != timers[slot].get() || !sender->Enabled())
                ++misplaced;
            const int choice = pick(20);
            auto& next = timers[(slot + 1) % timers.size()];
            if (choice == 0)
                timers[slot].reset();
            else if (choice == 1)
                sender->setEnabled(false);
            else if (choice == 2 && next)
                next->setEnabled(true);
        };
        for (int i = 0; i < 400; ++i) {
            const auto slot = static_cast<std::size_t>(pick(3));
            auto& timer = timers[slot];
            const int op = pick(6);
            if (op == 0) {
                timer = std::make_unique<TSuperTimer>();
                timer->setInterval(1);
                timer->OnTimer = [&tick, slot](TSuperTimer* sender) { tick(slot, sender); };
                timer->setEnabled(true);
            } else if (op == 1)
                timer.reset();
            else if (op == 2 && timer)
                timer->setEnabled(pick(2));
            else if (op == 3)
                std::this_thread::sleep_for(std::chrono::microseconds(pick(2000)));
            else
                QCoreApplication::processEvents();
        }
        for (auto& timer : timers)
            timer.reset();
        QTest::qWait(5);
        EXPECT_EQ(misplaced, 0) << "seed " << seed;
        EXPECT_GT(ticks, 0) << "seed " << seed;
    }
}

TEST(SuperTimerStorm, DestroyedWhileItsWorkerWaits) {
    const Watchdog watchdog("destroying a timer whose worker waits");
    int ticks = 0;
    for (int round = 0; round < 200; ++round) {
        // Interval 1 leaves the worker waiting for its tick to be taken, 65535 leaves it asleep.
        auto timer = std::make_unique<TSuperTimer>();
        timer->setInterval(round % 2 ? 1 : 65535);
        timer->OnTimer = [&ticks](TSuperTimer*) { ++ticks; };
        timer->setEnabled(true);
        std::this_thread::sleep_for(std::chrono::microseconds(round % 4 * 1000));
        timer.reset();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(ticks, 0);
}

} // namespace
