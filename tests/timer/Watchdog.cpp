#include "timer/Watchdog.h"

#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::string what, std::chrono::seconds limit)
    : thread_([this, what = std::move(what), limit] {
          std::unique_lock lock(mutex_);
          if (finished_.wait_for(lock, limit, [this] { return done_; }))
              return;
          std::fprintf(stderr, "watchdog: %s did not finish within %lld s: deadlock\n", what.c_str(),
                       static_cast<long long>(limit.count()));
          std::abort();
      }) {}

Watchdog::~Watchdog() {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_all();
    thread_.join();
}
