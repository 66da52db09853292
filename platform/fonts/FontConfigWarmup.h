#pragma once
// Reading the desktop's font configuration (dozens of files, then the font caches) is the largest single
// cost of the window's first text, and Qt pays it on the UI thread. A warm-up reads it on a thread of its
// own while the application connects to the display; Qt then finds it loaded.

#include <thread>

namespace platform {

class FontConfigWarmup {
public:
    FontConfigWarmup();
    ~FontConfigWarmup();
    FontConfigWarmup(const FontConfigWarmup&) = delete;
    FontConfigWarmup& operator=(const FontConfigWarmup&) = delete;

    // Returns once the configuration is loaded. Call it before the first text is measured or drawn: Qt
    // would otherwise load a second configuration of its own at the same time and throw one away.
    void wait();

private:
    std::thread thread_;
};

} // namespace platform
