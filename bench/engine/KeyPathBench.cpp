// Key event to MIDI port: how long a typing key's event takes, delivered to the window as the window system
// delivers it (to its QWindow, with the window active), until the short message reaches the port; and the
// instrument's own share, KeyDown/KeyUp on the engine with no window. Reports the median and 99th percentile
// over many key strokes (press and release of "Z" with both doublings on) and whether the paths allocate.
// A path that sends nothing is an error, not a figure. Run: build/bench/engine/key_path_bench
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <linux/input-event-codes.h>

#include "ui/ClavitoMain.h"

namespace {
std::atomic<long> allocations{0};
std::atomic<bool> counting{false};

using Clock = std::chrono::steady_clock;
Clock::time_point lastSend;
long sends = 0;

// A port that only notes the moment each message arrives.
class TimingOutput : public platform::MidiOutput {
public:
    void send(std::uint32_t) override {
        lastSend = Clock::now();
        ++sends;
    }
    void reset() override {}
};

platform::MidiOpenResult OpenTimingOutput(const QString&) {
    return {platform::MMSYSERR_NOERROR, std::make_unique<TimingOutput>()};
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

constexpr int kStrokes = 20000;
constexpr std::uint32_t kScanCode = KEY_Z + 8;

// Runs each step of a stroke kStrokes times; prints the time from each step's start to its last message.
bool Report(const char* path, const std::vector<std::function<void()>>& stroke) {
    std::vector<double> micros;
    micros.reserve(stroke.size() * kStrokes);
    sends = 0;
    allocations = 0;
    for (int i = 0; i < kStrokes; ++i) {
        for (const auto& step : stroke) {
            counting = true;
            const Clock::time_point start = Clock::now();
            step();
            counting = false;
            micros.push_back(std::chrono::duration<double, std::micro>(lastSend - start).count());
        }
    }
    if (sends < 6L * kStrokes) {
        std::fprintf(stderr, "%s: %ld messages for %d strokes: the path did not play\n", path, sends,
                     kStrokes);
        return false;
    }
    std::printf("%s, %d events: median %.2f us, p99 %.2f us, max %.2f us; %ld allocations\n", path,
                static_cast<int>(micros.size()), Percentile(micros, 0.5), Percentile(micros, 0.99),
                *std::max_element(micros.begin(), micros.end()), allocations.load());
    return true;
}
} // namespace

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TMainForm form(TMainForm::Setup{.midiOpener = OpenTimingOutput,
                                    .settingsPath = dir.filePath(QStringLiteral("bench.INI"))});
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "the window never became active\n");
        return 1;
    }
    QTest::keyClick(form.windowHandle(), Qt::Key_F12);
    QTest::keyClick(form.windowHandle(), Qt::Key_F11);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, kScanCode, 0, 0, QStringLiteral("z"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, kScanCode, 0, 0, QStringLiteral("z"));
    const bool windowPlayed = Report("key event to the window -> port",
                                     {[&] { QApplication::sendEvent(form.windowHandle(), &press); },
                                      [&] { QApplication::sendEvent(form.windowHandle(), &release); }});
    form.close();

    Instrument engine;
    engine.Port().Open(OpenTimingOutput, QString());
    Settings doubled;
    doubled.high = doubled.low = true;
    engine.Start(doubled);
    const bool enginePlayed = Report("engine KeyDown/KeyUp -> port", {[&] { engine.KeyDown(kScanCode, 'Z'); },
                                                                      [&] { engine.KeyUp(kScanCode, 'Z'); }});
    return windowPlayed && enginePlayed ? 0 : 1;
}
