#pragma once
// The doorbell by which a worker asks the UI thread to run a tick: an eventfd that the UI thread's event
// loop watches. Ringing it allocates nothing and never blocks, and the event loop notices it in nested loops
// (menus, dialogs) as well as in the main one.

class TTickSignal {
public:
    // Throws std::system_error when the system has no descriptor left.
    TTickSignal();
    ~TTickSignal();
    TTickSignal(const TTickSignal&) = delete;
    TTickSignal& operator=(const TTickSignal&) = delete;

    int Handle() const { return fd_; }
    // Makes the descriptor readable (any thread).
    void Raise();
    // Makes it unreadable again (the watching thread).
    void Drain();

private:
    int fd_;
};
