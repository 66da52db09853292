// Opening the port: why an output does not open, and which destination a stored name means.
#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <thread>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

#include "platform/midi/MidiOut.h"
#include "platform/midi/PendingCall.h"
#include "platform/midi/SequencerOutput.h"

namespace platform {
namespace {

// No JACK server is found, whatever runs on the machine, and none is started.
TEST(MidiOut, ReportsWhyNoOutputOpened) {
    setenv("JACK_DEFAULT_SERVER", ("clavito-absent-" + std::to_string(getpid())).c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    QTemporaryDir dir;
    const QByteArray absent = dir.filePath("absent.sf2").toUtf8(),
                     text = dir.filePath("clavito.INI").toUtf8();
    const QByteArray font = "\nSoundFont=/usr/share/sounds/sf2/TimGM6mb.sf2";
    const bool sequencer = QFileInfo::exists("/dev/snd/seq");
    const struct {
        QByteArray midiSection;
        std::uint32_t code;
        bool applies;
    } cases[] = {
        // clang-format off
        {"Output=SYNTH\nAudioDriver=file\nSoundFont=" + absent, MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=file\nSoundFont=" + text, MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=file\nSoundFont=" + dir.path().toUtf8(), MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=no-such-driver" + font, MIDIERR_NODEVICE, true},
        {"Output=synth\nAudioDriver=jack" + font, MIDIERR_NODEVICE, true},
        {"Output=jack\n", MIDIERR_NODEVICE, true},
        {"Output=alsa\n", MIDIERR_NODEVICE, !sequencer},
        {"Output=surround\nSoundFont=" + absent, MIDIERR_NODEVICE, !sequencer}, // auto owes no SoundFont
        // clang-format on
    };
    for (const auto& c : cases) {
        QFile settings(text);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write("[MIDI]\n" + c.midiSection) > 0);
        settings.close();
        MidiOut port;
        if (!c.applies)
            continue;
        EXPECT_EQ(port.Open(openMidiMapper, settings.fileName()), c.code) << c.midiSection.data();
    }
}

// ALSA names a port "client:port client-id:port-id"; the stored name may be either part.
TEST(SequencerOutput, PortNamesMatchWholeNamesOnly) {
    constexpr char kThrough[] = "Midi Through:Midi Through Port-0 14:0";
    const std::tuple<const char*, const char*, bool> cases[] = {
        // clang-format off
        {"midi-monitor:input", "midi-monitor:input", true},
        {"midi-monitor:input", "midi-monitor:in", false},
        {kThrough, "14:0", true},
        {"Midi Through:Midi Through Port-0 114:0", "14:0", false},
        {kThrough, "Midi Through:Midi Through Port-0", true},
        {kThrough, "Midi Through:Midi", false},
        {"a:b", "", false},
        // clang-format on
    };
    for (const auto& [portName, destination, matches] : cases)
        EXPECT_EQ(portNameMatches(portName, destination), matches) << portName << " / " << destination;
}

// A result that tells which thread destroyed it.
struct TellsWhereDestroyed {
    void operator()(std::promise<std::thread::id>* where) const {
        where->set_value(std::this_thread::get_id());
    }
};
using Told = std::unique_ptr<std::promise<std::thread::id>, TellsWhereDestroyed>;

// A call that has not returned by the deadline is abandoned, and what it returns at last is destroyed on its
// own thread, never by the caller; a call that returns gives its result, and one that throws throws at the
// caller.
TEST(PendingCall, AnAbandonedResultIsDestroyedOnTheCallsThreadAndAThrowReachesTheCaller) {
    std::promise<void> release;
    std::promise<std::thread::id> callThread, destroyedOn;
    PendingCall<Told> blocked([&] {
        callThread.set_value(std::this_thread::get_id());
        release.get_future().wait();
        return Told(&destroyedOn);
    });
    EXPECT_FALSE(blocked.wait(std::chrono::milliseconds(1)).has_value());
    EXPECT_FALSE(blocked.valid());
    release.set_value();
    EXPECT_EQ(destroyedOn.get_future().get(), callThread.get_future().get());

    EXPECT_EQ(PendingCall<int>([] { return 7; }).wait(std::chrono::hours(1)), 7);
    EXPECT_THROW(
        PendingCall<int>([]() -> int { throw std::runtime_error("no server"); }).wait(std::chrono::hours(1)),
        std::runtime_error);
}

} // namespace
} // namespace platform
