// Timers enabled, disabled and destroyed from the UI thread in quick succession while their workers hand
// ticks over: nothing may crash, hang (the watchdog aborts after 20 s) or run a tick of a disabled or
// destroyed timer.
#include <array>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/EventPump.h"
#include "timer/Watchdog.h"

namespace {

using namespace std::chrono_literals;

// A few timers under random operations; every tick checks that its timer is alive and enabled.
class Storm {
public:
    explicit Storm(unsigned seed) : random_(seed) {}

    void Step() {
        const std::size_t slot = Pick(slots_.size());
        switch (Pick(9)) {
        case 0:
            Create(slot);
            break;
        case 1:
            Destroy(slot);
            break;
        case 2:
            WithTimer(slot, [](TSuperTimer& t) { t.setEnabled(true); });
            break;
        case 3:
            WithTimer(slot, [](TSuperTimer& t) { t.setEnabled(false); });
            break;
        case 4:
            WithTimer(slot, [this](TSuperTimer& t) { t.setInterval(static_cast<std::uint16_t>(Pick(3))); });
            break;
        case 5:
            WithTimer(slot, [](TSuperTimer& t) { t.setCountDown(!t.CountDown()); });
            break;
        case 6:
            WithTimer(slot, [this](TSuperTimer& t) { t.setThreadPriority(Pick(2) ? tpNormal : tpLower); });
            break;
        case 7:
            std::this_thread::sleep_for(std::chrono::microseconds(Pick(2000)));
            break;
        default:
            QCoreApplication::processEvents();
            break;
        }
    }

    void DestroyAll() {
        for (std::size_t slot = 0; slot < slots_.size(); ++slot)
            Destroy(slot);
    }

    int ticks = 0;
    int misplaced = 0;

private:
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    template <class Op> void WithTimer(std::size_t slot, Op op) {
        if (slots_[slot])
            op(*slots_[slot]);
    }

    void Create(std::size_t slot) {
        Destroy(slot);
        auto* timer = new TSuperTimer;
        timer->setInterval(1);
        timer->setThreadPriority(tpNormal);
        timer->OnTimer = [this, slot](TSuperTimer* sender) { Tick(slot, sender); };
        slots_[slot] = timer;
        live_.insert(timer);
    }

    void Destroy(std::size_t slot) {
        live_.erase(slots_[slot]);
        delete slots_[slot];
        slots_[slot] = nullptr;
    }

    void Tick(std::size_t slot, TSuperTimer* sender) {
        ++ticks;
        if (!live_.count(sender) || !sender->Enabled())
            ++misplaced;
        switch (Pick(40)) {
        case 0:
            Destroy(slot);
            break;
        case 1:
            sender->setEnabled(false);
            break;
        case 2:
            WithTimer((slot + 1) % slots_.size(), [](TSuperTimer& t) { t.setEnabled(true); });
            break;
        default:
            break;
        }
    }

    std::mt19937 random_;
    std::array<TSuperTimer*, 3> slots_{};
    std::set<TSuperTimer*> live_;
};

TEST(SuperTimerStorm, RandomOperationsWhileTicksArePending) {
    const Watchdog watchdog("storm of timer operations");
    for (unsigned seed = 1; seed <= 4; ++seed) {
        Storm storm(seed);
        for (int i = 0; i < 400; ++i)
            storm.Step();
        storm.DestroyAll();
        PumpFor(5ms);
        EXPECT_EQ(storm.misplaced, 0) << "seed " << seed;
        EXPECT_GT(storm.ticks, 0) << "seed " << seed;
    }
}

TEST(SuperTimerStorm, DestroyedWhileItsWorkerWaitsForTheTick) {
    const Watchdog watchdog("destroying a timer with a tick handed over");
    int ticks = 0;
    for (int round = 0; round < 200; ++round) {
        auto timer = std::make_unique<TSuperTimer>();
        timer->setInterval(1);
        timer->OnTimer = [&ticks](TSuperTimer*) { ++ticks; };
        timer->setEnabled(true);
        std::this_thread::sleep_for(std::chrono::microseconds(round % 4 * 1000));
        timer.reset();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(ticks, 0);
}

TEST(SuperTimerStorm, DestroyedWhileItsWorkerSleeps) {
    const Watchdog watchdog("destroying a timer whose worker sleeps 65 s");
    for (int round = 0; round < 100; ++round) {
        TSuperTimer timer;
        timer.setInterval(65535);
        timer.setEnabled(true);
        if (round % 2)
            std::this_thread::sleep_for(1ms);
    }
}

TEST(SuperTimerStorm, DestroyedByItsOwnHandler) {
    const Watchdog watchdog("a timer destroyed by its own handler");
    for (int round = 0; round < 50; ++round) {
        int calls = 0;
        int stops = 0;
        auto* timer = new TSuperTimer;
        timer->setInterval(1);
        timer->setStopTicks(1);
        timer->OnTimer = [&calls](TSuperTimer* sender) {
            ++calls;
            delete sender;
        };
        timer->OnStop = [&stops](TSuperTimer*) { ++stops; };
        timer->setEnabled(true);
        ASSERT_TRUE(PumpUntil([&calls] { return calls > 0; }));
        PumpFor(3ms);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(stops, 0) << "the tick went on after its timer was destroyed";
    }
}

TEST(SuperTimerStorm, DestroyedWithTheirOwner) {
    const Watchdog watchdog("timers destroyed with their owner");
    int ticks = 0;
    for (int round = 0; round < 100; ++round) {
        auto owner = std::make_unique<QObject>();
        for (int i = 0; i < 3; ++i) {
            auto* timer = new TSuperTimer(owner.get());
            timer->setInterval(1);
            timer->OnTimer = [&ticks](TSuperTimer*) { ++ticks; };
            timer->setEnabled(true);
        }
        if (round % 2)
            QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(round % 3 * 500));
        const int before = ticks;
        owner.reset();
        PumpFor(1ms);
        EXPECT_EQ(ticks, before) << "round " << round;
    }
}

} // namespace
