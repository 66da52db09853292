#include "components/SuperTimer/TimerPriority.h"

#include <sys/resource.h>
#include <unistd.h>

pid_t CurrentThreadId() {
    return gettid();
}

void ApplyNiceness(pid_t tid, int niceness) {
    // On Linux PRIO_PROCESS with a thread id addresses that one thread.
    static_cast<void>(setpriority(PRIO_PROCESS, static_cast<id_t>(tid), niceness));
}
