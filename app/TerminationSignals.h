#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a call on the UI thread (through a self-pipe read by the event loop),
// since nothing but async-signal-safe work may run inside the signal handler itself.
#include <functional>
#include <memory>

class QSocketNotifier;

class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
