#pragma once
// Thread priorities of the timer's worker, carried out as Linux niceness of the worker thread alone.

#include <array>
#include <sys/types.h>

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// Niceness for each TThreadPriority, in the order of the enumeration. Raising a thread above niceness 0
// needs a privilege (or an RLIMIT_NICE allowance) that a desktop user usually lacks.
inline constexpr std::array<int, 7> ThreadNiceness{19, 10, 5, 0, -5, -10, -15};

constexpr int NicenessOf(TThreadPriority priority) {
    return ThreadNiceness[static_cast<std::size_t>(priority)];
}

// The kernel's id of the calling thread.
pid_t CurrentThreadId();

// Gives the thread tid this niceness. A change the system refuses leaves the thread as it was, silently:
// the timer then ticks at the priority it has.
void ApplyNiceness(pid_t tid, int niceness);
