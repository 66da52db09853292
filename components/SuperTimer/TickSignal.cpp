#include "components/SuperTimer/TickSignal.h"

#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

TTickSignal::TTickSignal() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (fd_ < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
}

TTickSignal::~TTickSignal() {
    close(fd_);
}

void TTickSignal::Raise() {
    const std::uint64_t one = 1;
    // Only a counter at its limit refuses, and a raised signal is all that is needed.
    static_cast<void>(write(fd_, &one, sizeof one));
}

void TTickSignal::Drain() {
    std::uint64_t count = 0;
    // Reading resets the counter; an empty one fails with EAGAIN, which leaves it as wanted.
    static_cast<void>(read(fd_, &count, sizeof count));
}
