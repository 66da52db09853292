// Key event to MIDI port: how long the window takes from a typing key's event to the short message handed
// to its port, and whether that path allocates. Reports the median and 99th percentile over many key
// strokes (press and release of "Z" with both doublings on). Run: build/bench/engine/key_path_bench
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <linux/input-event-codes.h>

#include "ui/ClavitoMain.h"

namespace {
std::atomic<long> allocations{0};
std::atomic<bool> counting{false};

using Clock = std::chrono::steady_clock;
Clock::time_point lastSend;

// A port that only notes the moment each message arrives.
class TimingOutput : public platform::MidiOutput {
public:
    void send(std::uint32_t) override { lastSend = Clock::now(); }
    void reset() override {}
};

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
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
    TMainForm form(TMainForm::Setup{[](const QString&) {
                                        return platform::MidiOpenResult{0, std::make_unique<TimingOutput>()};
                                    },
                                    dir.filePath(QStringLiteral("bench.INI"))});
    form.show();
    form.High1Click();
    form.Low1Click();

    constexpr int kStrokes = 20000;
    const quint32 scanCode = KEY_Z + 8;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, scanCode, 0, 0, QStringLiteral("z"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, scanCode, 0, 0, QStringLiteral("z"));
    std::vector<double> micros;
    micros.reserve(2 * kStrokes);
    long pathAllocations = 0;
    for (int i = 0; i < kStrokes; ++i) {
        for (QKeyEvent* event : {&press, &release}) {
            allocations = 0;
            counting = true;
            const Clock::time_point start = Clock::now();
            QApplication::sendEvent(&form, event);
            counting = false;
            pathAllocations += allocations;
            micros.push_back(std::chrono::duration<double, std::micro>(lastSend - start).count());
        }
    }
    std::printf("key event -> port, %d events: median %.2f us, p99 %.2f us, max %.2f us\n",
                static_cast<int>(micros.size()), Percentile(micros, 0.5), Percentile(micros, 0.99),
                *std::max_element(micros.begin(), micros.end()));
    std::printf("allocations in the whole event dispatch: %ld over %d events\n", pathAllocations,
                static_cast<int>(micros.size()));

    // The note path proper: key map, bevel, note table, doublings, port.
    allocations = 0;
    counting = true;
    for (int i = 0; i < kStrokes; ++i) {
        form.FormKeyDown('Z');
        form.FormKeyUp('Z');
    }
    counting = false;
    std::printf("allocations on the note path (FormKeyDown/FormKeyUp): %ld over %d strokes\n",
                allocations.load(), kStrokes);
    form.close();
    return 0;
}
