#pragma once
// Turns a deadlock in a threaded test into a message and an abort instead of a hang.

#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

class Watchdog {
public:
    explicit Watchdog(const char* what)
        : thread_([what, done = done_.get_future()] {
              if (done.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
                  std::fprintf(stderr, "watchdog: %s did not finish: deadlock\n", what);
                  std::abort();
              }
          }) {}
    ~Watchdog() {
        done_.set_value();
        thread_.join();
    }

private:
    std::promise<void> done_;
    std::thread thread_;
};
