// Whole timers on the real clock and the real UI thread: handlers that switch timers, ticks inside a nested
// event loop, and no tick once disabled or destroyed.
#include <memory>
#include <string>
#include <thread>

#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "components/SuperTimer/SuperTimer.h"
#include "timer/Watchdog.h"

namespace {

using namespace std::chrono_literals;

// The auto-repeat hand-over: the delay's handler disables it and enables the repeat; the delay's stop test
// still runs after its handler.
TEST(SuperTimer, HandlerDisablesItsTimerAndEnablesAnother) {
    const Watchdog watchdog("hand-over between timers");
    TSuperTimer delay;
    TSuperTimer repeat;
    delay.setInterval(40);
    delay.setStopTicks(1);
    repeat.setInterval(10);
    std::string order;
    delay.OnTimer = [&](TSuperTimer*) {
        order += 'd';
        delay.setEnabled(false);
        repeat.setEnabled(true);
    };
    delay.OnStop = [&](TSuperTimer*) { order += 's'; };
    repeat.OnTimer = [&](TSuperTimer* sender) { sender->setEnabled((order += 'r') != "dsrr"); };
    delay.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 4; }));
    QTest::qWait(100);
    EXPECT_EQ(order, "dsrr");
}

TEST(SuperTimer, NoTickRunsOnceDisabled) {
    const Watchdog watchdog("tick after disabling");
    for (int round = 0; round < 20; ++round) {
        TSuperTimer timer;
        timer.setInterval(1);
        int ticks = 0;
        timer.OnTimer = [&](TSuperTimer*) { ++ticks; };
        timer.setEnabled(true);
        std::this_thread::sleep_for(10ms); // the worker hands a tick over and waits for it
        timer.setEnabled(false);
        QTest::qWait(20);
        EXPECT_EQ(ticks, 0) << "round " << round;
    }
}

// A menu's modal loop that a timer closes from its third tick returns.
TEST(SuperTimer, TicksRunInsideAMenusLoop) {
    const Watchdog watchdog("ticks inside a nested loop");
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
    timer.setEnabled(false);
    EXPECT_EQ(ticks, 3);
}

TEST(SuperTimer, DestroyedWhileItsWorkerWaits) {
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
