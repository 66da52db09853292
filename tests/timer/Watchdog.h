#pragma once
// Turns a deadlock in a threaded test into a message and an abort instead of a hang.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Aborts the program, naming what hung, when its scope is not left within the limit.
class Watchdog {
public:
    explicit Watchdog(std::string what, std::chrono::seconds limit = std::chrono::seconds(20));
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread thread_;
};
