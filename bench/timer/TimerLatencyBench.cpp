// How late thread-timer ticks reach their handler on the UI thread, at the main window's three intervals,
// with the UI thread idle and with it busy (a zero-interval QTimer doing 2 ms of work over and over).
//
// A tick is due Interval after the clock reading that released the previous one (the first Interval after
// enabling); the handler learns that reading from Elapsed. Lateness is the moment the handler starts minus
// the due moment, in microseconds; hand-off is the part of it after the worker's releasing reading (the
// rest is the worker's own delay, e.g. while it is preempted). Also shown: heap allocations in the whole
// process between the first and the last tick, per tick, and the process's processor time as a share of one
// core (the worker polls the clock for the last 50 ms of each interval).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <sys/resource.h>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "components/SuperTimer/SuperTimer.h"

namespace {

std::atomic<long> allocations{0};

using Micros = std::chrono::microseconds;

struct Run {
    std::uint16_t interval;
    bool busy;
    int ticks;
};

constexpr Run runs[] = {
    {1, false, 2000}, {32, false, 150}, {400, false, 12}, {1, true, 2000}, {32, true, 150}, {400, true, 12},
};

std::int64_t NowMicros() {
    return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Microseconds from the due clock reading (wrapping milliseconds) to the moment nowUs.
std::int64_t MicrosAfter(std::uint32_t dueMs, std::int64_t nowUs) {
    const auto nowMs = static_cast<std::uint32_t>(nowUs / 1000);
    return static_cast<std::int64_t>(static_cast<std::int32_t>(nowMs - dueMs)) * 1000 + nowUs % 1000;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BusyFor(std::chrono::milliseconds span) {
    QElapsedTimer clock;
    clock.start();
    while (!clock.hasExpired(span.count())) {
    }
}

// Enables right after the millisecond clock turned, so that the enabling reading is the moment itself.
std::uint32_t EnableOnFreshMillisecond(TSuperTimer& timer) {
    const std::uint32_t previous = TimeGetTime();
    std::uint32_t now = previous;
    while (now == previous)
        now = TimeGetTime();
    timer.setEnabled(true);
    return now;
}

struct Result {
    std::vector<std::int64_t> lateness;
    std::vector<std::int64_t> handOff;
    long firstTickAllocations = 0;
    double allocationsPerTick = 0;
    double cpuShare = 0;
};

Result Measure(const Run& run) {
    Result result;
    result.lateness.reserve(static_cast<std::size_t>(run.ticks));
    result.handOff.reserve(static_cast<std::size_t>(run.ticks));
    QTimer load;
    QObject::connect(&load, &QTimer::timeout, [] { BusyFor(std::chrono::milliseconds(2)); });
    if (run.busy)
        load.start(0);

    TSuperTimer timer;
    timer.setInterval(run.interval);
    timer.setThreadPriority(tpNormal);
    std::uint32_t startTime = 0;
    std::uint32_t due = 0;
    timer.OnTimer = [&](TSuperTimer* sender) {
        const std::int64_t now = NowMicros();
        const std::uint32_t reading = startTime + static_cast<std::uint32_t>(sender->Elapsed());
        result.lateness.push_back(MicrosAfter(due, now));
        result.handOff.push_back(MicrosAfter(reading, now));
        due = reading + run.interval;
        if (result.lateness.size() == 1)
            result.firstTickAllocations = allocations;
        if (static_cast<int>(result.lateness.size()) < run.ticks)
            return;
        result.allocationsPerTick =
            static_cast<double>(allocations - result.firstTickAllocations) / (run.ticks - 1);
        QCoreApplication::quit();
    };
    const double cpuBefore = CpuSeconds();
    const std::int64_t wallBefore = NowMicros();
    startTime = EnableOnFreshMillisecond(timer);
    due = startTime + run.interval;
    QCoreApplication::exec();
    timer.setEnabled(false);
    result.cpuShare = (CpuSeconds() - cpuBefore) / (static_cast<double>(NowMicros() - wallBefore) / 1e6);
    return result;
}

std::int64_t Percentile(std::vector<std::int64_t> values, double share) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

void Print(const Run& run, const Result& result) {
    const auto& late = result.lateness;
    std::printf("%8u  %-4s  %5zu  %8lld  %8lld  %8lld  %8lld  %8lld  %11.3f  %5.0f%%\n", run.interval,
                run.busy ? "busy" : "idle", late.size(), static_cast<long long>(Percentile(late, 0.5)),
                static_cast<long long>(Percentile(late, 0.99)),
                static_cast<long long>(*std::max_element(late.begin(), late.end())),
                static_cast<long long>(Percentile(result.handOff, 0.5)),
                static_cast<long long>(Percentile(result.handOff, 0.99)), result.allocationsPerTick,
                result.cpuShare * 100);
}

} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("Tick lateness in microseconds (handler start minus due time); UI busy = 2 ms of work in a "
                "0 ms QTimer\n");
    std::printf("%8s  %-4s  %5s  %8s  %8s  %8s  %8s  %8s  %11s  %6s\n", "interval", "UI", "ticks", "median",
                "p99", "max", "hand p50", "hand p99", "allocs/tick", "cpu");
    for (const Run& run : runs)
        Print(run, Measure(run));
    return 0;
}
