// Key-to-sound time: presses a key through XTest in whatever window has the focus and takes the time to the
// first non-silent sample that arrives at a JACK audio input of its own, wired to the given output port.
// Prints one line per press, then the median and the 90th percentile. Reports only; passes or fails nothing.
//
// Usage: keysound_bench <jack output port> [presses] [key name]
// Times are JACK's microsecond clock: the press just before XTest sends it; the sound when the cycle that
// brings the first sample whose magnitude passes kLoud reaches this input, plus that sample's offset in the
// cycle. (The dummy driver's frame-time estimate drifts by tens of milliseconds, so it is not used.) Each
// press waits for silence first, so a release tail is never taken for the next onset.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr float kLoud = 1e-3f; // -60 dBFS
constexpr jack_time_t kQuietBeforePressUs = 150'000;
constexpr auto kHold = std::chrono::milliseconds(80);
constexpr auto kGiveUp = std::chrono::seconds(2);
constexpr int kWarmUp = 2;

struct Recorder {
    jack_client_t* client = nullptr;
    jack_port_t* input = nullptr;
    jack_nframes_t rate = 48000;
    std::atomic<bool> armed{false};
    std::atomic<jack_time_t> onset{0};
    std::atomic<jack_time_t> lastLoud{0};
};

int Process(jack_nframes_t frames, void* arg) {
    auto* recorder = static_cast<Recorder*>(arg);
    const auto* samples = static_cast<const float*>(jack_port_get_buffer(recorder->input, frames));
    const jack_time_t start = jack_get_time();
    for (jack_nframes_t i = 0; i < frames; ++i) {
        if (std::fabs(samples[i]) < kLoud)
            continue;
        const jack_time_t at = start + jack_time_t{i} * 1'000'000 / recorder->rate;
        recorder->lastLoud = at;
        if (recorder->armed.exchange(false))
            recorder->onset = at;
    }
    return 0;
}

bool WaitFor(auto condition, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[index];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <jack output port> [presses] [key name]\n", argv[0]);
        return 2;
    }
    const int presses = argc > 2 ? std::atoi(argv[2]) : 40;
    const char* keyName = argc > 3 ? argv[3] : "z";
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const KeyCode key = XKeysymToKeycode(display, XStringToKeysym(keyName));
    Recorder recorder;
    recorder.client = jack_client_open("onset-recorder", JackNoStartServer, nullptr);
    if (!recorder.client) {
        std::fprintf(stderr, "no JACK server\n");
        return 1;
    }
    recorder.rate = jack_get_sample_rate(recorder.client);
    recorder.input = jack_port_register(recorder.client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(recorder.client, Process, &recorder);
    jack_activate(recorder.client);
    if (jack_connect(recorder.client, argv[1], jack_port_name(recorder.input)) != 0) {
        std::fprintf(stderr, "cannot connect %s\n", argv[1]);
        return 1;
    }
    std::vector<double> latencies;
    for (int press = -kWarmUp; press < presses; ++press) {
        const bool quiet = WaitFor([&] { return jack_get_time() - recorder.lastLoud > kQuietBeforePressUs; },
                                   std::chrono::seconds(5));
        recorder.onset = 0;
        recorder.armed = true;
        const jack_time_t pressed = jack_get_time();
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XFlush(display);
        const bool heard = WaitFor([&] { return recorder.onset != 0; }, kGiveUp);
        recorder.armed = false;
        std::this_thread::sleep_for(kHold);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        XFlush(display);
        if (press < 0)
            continue;
        if (!quiet || !heard) {
            std::printf("press %2d: %s\n", press + 1, quiet ? "no sound" : "no silence before the press");
            continue;
        }
        const double ms = static_cast<double>(recorder.onset - pressed) / 1000.0;
        latencies.push_back(ms);
        std::printf("press %2d: %.2f ms\n", press + 1, ms);
    }
    jack_client_close(recorder.client);
    XCloseDisplay(display);
    if (latencies.empty()) {
        std::printf("no press was heard\n");
        return 1;
    }
    std::printf("presses heard %zu of %d   median %.2f ms   p90 %.2f ms\n", latencies.size(), presses,
                Percentile(latencies, 0.5), Percentile(latencies, 0.9));
    return 0;
}
