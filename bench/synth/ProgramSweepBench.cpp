// How long the calling (UI) thread is held by the built-in synthesizer while every General MIDI program and
// the percussion kit are selected in turn, as the Sound menu does: three Program Changes and a Note On per
// step. With dynamic sample loading a Program Change reads the preset's samples from disk; the synthesizer's
// worker does that, and the caller should only ever wait for a queue. Also shown: how long the worker took
// per step (what the caller would wait if it played the Program Change itself).
// Usage: program_sweep_bench [SoundFont] [audio driver]; default FluidR3_GM.sf2 on the file driver.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QTemporaryDir>

#include "platform/midi/SynthOutput.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

struct Step {
    double callerMs;
    double workerMs;
};

Step Select(platform::SynthOutput& out, int channel, int program, int note) {
    const Clock::time_point start = Clock::now();
    if (channel == 9) {
        out.send(0xC9 | program << 8);
    } else {
        for (int c = 0; c < 3; ++c)
            out.send(static_cast<std::uint32_t>(0xC0 + c) | static_cast<std::uint32_t>(program) << 8);
    }
    out.send(static_cast<std::uint32_t>(0x90 + channel) | static_cast<std::uint32_t>(note) << 8 |
             0x7Fu << 16);
    const Clock::time_point returned = Clock::now();
    out.waitUntilIdle();
    const Clock::time_point idle = Clock::now();
    out.send(static_cast<std::uint32_t>(0x80 + channel) | static_cast<std::uint32_t>(note) << 8);
    return {Ms(returned - start), Ms(idle - start)};
}

} // namespace

int main(int argc, char** argv) {
    const QString soundFont = argc > 1 ? argv[1] : "/usr/share/sounds/sf2/FluidR3_GM.sf2";
    const QString driver = argc > 2 ? argv[2] : "file";
    QTemporaryDir dir;
    const Clock::time_point opening = Clock::now();
    platform::MidiOpenResult opened = platform::openSynthOutput(
        {platform::MidiOutputChoice::Synth, {}, soundFont, driver, dir.filePath("sweep.wav")});
    if (opened.code != platform::MMSYSERR_NOERROR) {
        std::printf("the synthesizer did not open (%u)\n", opened.code);
        return 1;
    }
    auto& out = dynamic_cast<platform::SynthOutput&>(*opened.output);
    const double openMs = Ms(Clock::now() - opening);
    out.waitUntilIdle();
    std::printf("open %.1f ms (caller), SoundFont in after %.1f ms\n", openMs, Ms(Clock::now() - opening));
    std::vector<Step> steps;
    for (int program = 0; program < 128; ++program)
        steps.push_back(Select(out, 0, program, 60));
    steps.push_back(Select(out, 9, 0, 36));
    std::vector<double> caller, worker;
    for (const Step& s : steps) {
        caller.push_back(s.callerMs);
        worker.push_back(s.workerMs);
    }
    std::sort(caller.begin(), caller.end());
    std::sort(worker.begin(), worker.end());
    std::printf("%zu steps (128 programs on channels 0-2, the percussion kit on 9)\n", steps.size());
    std::printf("caller (UI thread) held per step: median %.3f ms, max %.3f ms\n", caller[caller.size() / 2],
                caller.back());
    std::printf("worker per step (sample reads):   median %.3f ms, max %.3f ms\n", worker[worker.size() / 2],
                worker.back());
    return 0;
}
