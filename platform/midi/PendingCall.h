#pragma once
// A call into a sound server that may never return. A JACK server stopped with SIGSTOP blocks every call
// of its clients (open, port registration, close) for as long as it stays stopped, and libjack has no
// timeout of its own; the window and the exit must not wait for that.
//
// The call runs on a thread of its own and its caller waits for the result up to a deadline. A call that
// has not returned by then is abandoned: its thread is detached and keeps the result, which it destroys
// itself when the call returns at last, so an output that opened too late is closed there, and an output
// whose close never returns is left to the process's exit. That leak is deliberate: it is the price of
// never waiting on a server, and it happens only while a server does not answer.

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace platform {

// How long an open, a close (the reset before it included) or a listing of ports waits on a server.
inline constexpr std::chrono::seconds kServerDeadline{2};

template <class Result> class PendingCall {
public:
    PendingCall() = default;
    // onFinished, when given, runs on the call's thread once the result is there to be taken, unless the call
    // has been abandoned by then: a caller that must not wait learns so when to take it.
    template <class Work>
    explicit PendingCall(Work work, std::function<void()> onFinished = {})
        : state_(std::make_shared<State>()) {
        state_->onFinished = std::move(onFinished);
        thread_ = std::thread([state = state_, work = std::move(work)]() mutable { state->run(work); });
    }
    PendingCall(PendingCall&&) noexcept = default;
    PendingCall& operator=(PendingCall&& other) noexcept {
        abandon();
        state_ = std::move(other.state_);
        thread_ = std::move(other.thread_);
        return *this;
    }
    ~PendingCall() { abandon(); }

    // Whether a call is running or its result is still to be taken.
    bool valid() const { return thread_.joinable(); }
    // Whether the call has returned, so that wait gives its result at once.
    bool finished() const { return valid() && state_->hasFinished(); }

    // The call's result, or nothing when it has not returned within limit; the call is then abandoned. What
    // the call threw is thrown here.
    std::optional<Result> wait(std::chrono::steady_clock::duration limit) {
        if (!valid()) {
            return std::nullopt;
        }
        if (!state_->finishedWithin(limit)) {
            abandon();
            return std::nullopt;
        }
        std::exception_ptr error;
        std::optional<Result> result = state_->take(error);
        thread_.join();
        state_.reset();
        if (error) {
            std::rethrow_exception(error);
        }
        return result;
    }

private:
    // The result stays on the call's thread until it is taken or abandoned, so that an abandoned result is
    // always destroyed there and never by a caller that must not wait.
    struct State {
        std::mutex mutex;
        std::condition_variable changed;
        bool finished = false;
        Result* result = nullptr; // on the call's thread; null when the call threw
        std::exception_ptr error;
        bool taken = false;
        bool abandoned = false;
        std::function<void()> onFinished; // runs under the mutex, so that abandon() is final

        template <class Work> void run(Work& work) {
            std::optional<Result> made;
            std::exception_ptr thrown;
            try {
                made.emplace(work());
            } catch (...) {
                thrown = std::current_exception();
            }
            std::unique_lock lock(mutex);
            result = made ? &*made : nullptr;
            error = thrown;
            finished = true;
            if (onFinished && !abandoned) {
                onFinished();
            }
            changed.notify_all();
            changed.wait(lock, [this] { return taken || abandoned; });
        }
        bool hasFinished() {
            std::lock_guard lock(mutex);
            return finished;
        }
        bool finishedWithin(std::chrono::steady_clock::duration limit) {
            std::unique_lock lock(mutex);
            return changed.wait_for(lock, limit, [this] { return finished; });
        }
        std::optional<Result> take(std::exception_ptr& thrown) {
            std::lock_guard lock(mutex);
            taken = true;
            changed.notify_all();
            thrown = error;
            return result ? std::optional<Result>(std::move(*result)) : std::nullopt;
        }
        void abandon() {
            std::lock_guard lock(mutex);
            abandoned = true;
            changed.notify_all();
        }
    };

    void abandon() {
        if (thread_.joinable()) {
            state_->abandon();
            thread_.detach();
        }
        state_.reset();
    }

    std::shared_ptr<State> state_;
    std::thread thread_;
};

// Calls work on a thread of its own and waits up to kServerDeadline (see PendingCall).
template <class Work> auto callWithinDeadline(Work work) {
    return PendingCall<decltype(work())>(std::move(work)).wait(kServerDeadline);
}

} // namespace platform
