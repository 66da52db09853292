#include "timer/EventPump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    // Wakes the loop now and then, so that the condition is looked at even when no event comes.
    QTimer poke;
    poke.start(2);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(limit.count()))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void PumpFor(std::chrono::milliseconds span) {
    QElapsedTimer clock;
    clock.start();
    PumpUntil([&clock, span] { return clock.hasExpired(span.count()); }, span * 2);
}
