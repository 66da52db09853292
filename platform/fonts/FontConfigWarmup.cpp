#include "platform/fonts/FontConfigWarmup.h"

#include <fontconfig/fontconfig.h>

namespace platform {

// FcInit loads the configuration once per process and is safe to call from any thread; a failure leaves Qt
// to try again and report it as it always would.
FontConfigWarmup::FontConfigWarmup() : thread_([] { FcInit(); }) {}

FontConfigWarmup::~FontConfigWarmup() {
    wait();
}

void FontConfigWarmup::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace platform
