// Opening the port: why an output does not open and what an open throws, which destination a stored name
// means, and what a sequencer port writes.
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

#include "platform/midi/MidiOut.h"
#include "platform/midi/NoteTracker.h"
#include "platform/midi/SequencerOutput.h"
#include "support/Files.h"

namespace platform {
namespace {

// No JACK server is found, whatever runs on the machine, and none is started.
TEST(MidiOut, ReportsWhyNoOutputOpened) {
    setenv("JACK_DEFAULT_SERVER", ("clavito-absent-" + std::to_string(getpid())).c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    QTemporaryDir dir;
    const QString settings = dir.filePath("clavito.INI");
    const QByteArray absent = QFile::encodeName(dir.filePath("absent.sf2")),
                     text = QFile::encodeName(settings);
    const QByteArray font = "\nSoundFont=/usr/share/sounds/sf2/TimGM6mb.sf2";
    const bool sequencer = QFileInfo::exists("/dev/snd/seq");
    const std::tuple<QByteArray, std::uint32_t, bool> cases[] = {
        // the MIDI section, the result, whether here
        // clang-format off
        {"Output=SYNTH\nAudioDriver=file\nSoundFont=" + absent, MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=file\nSoundFont=" + text, MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=no-such-driver" + font, MIDIERR_NODEVICE, true},
        {"Output=synth\nAudioDriver=jack" + font, MIDIERR_NODEVICE, true},
        {"Output=jack\n", MIDIERR_NODEVICE, true},
        {"Output=alsa\n", MIDIERR_NODEVICE, !sequencer},
        {"Output=surround\nSoundFont=" + absent, MIDIERR_NODEVICE, !sequencer}, // auto owes no SoundFont
        // clang-format on
    };
    for (const auto& [midiSection, code, applies] : cases) {
        ASSERT_TRUE(WriteFile(settings, "[MIDI]\n" + midiSection));
        if (applies) {
            EXPECT_EQ(MidiOut().Open(openMidiMapper, settings), code) << midiSection.data();
        }
    }
    // What an open throws, on the thread that opens in the background, is thrown at the caller.
    const auto throwing = [](const QString&) -> MidiOpenResult { throw std::runtime_error("no server"); };
    EXPECT_THROW(MidiOut().Open(throwing, settings), std::runtime_error);
}

// Each packed message as its bytes, in order; at a reset a Note Off for each note the port left sounding,
// then All Notes Off on every channel. A Note Off or a Note On of velocity 0 ends a note of its own channel
// only. Running status, SysEx framing and stray data bytes never go out; data bytes lose their high bit.
TEST(TrackedPortOutput, WritesTheExactBytesAndAResetEndsWhatWasLeftSounding) {
    struct Port : TrackedPortOutput {
        std::vector<std::string> written;
        void write(const ShortMessage& message) override {
            const QByteArray bytes(reinterpret_cast<const char*>(message.bytes.data()),
                                   qsizetype(message.length));
            written.push_back(bytes.toHex(' ').toUpper().toStdString());
        }
    } port;
    for (const std::uint32_t msg :
         {0x0028C0u, 0x6407B0u, 0x7F3990u, 0x403980u, 0x7F4591u, 0x004592u, 0x7F2492u, 0x002492u, 0x7F2499u,
          0x004000E0u, 0x7F3C40u, 0xF0u, 0xF8u, 0xFF8093u})
        port.send(msg);
    port.reset();
    // clang-format off
    std::vector<std::string> expected = {"C0 28", "B0 07 64", "90 39 7F", "80 39 40", "91 45 7F", "92 45 00", "92 24 7F",
                                         "92 24 00", "99 24 7F", "E0 00 40", "F8", "93 00 7F",
                                         "81 45 00", "83 00 00", "89 24 00"}; // the reset: the notes left sounding first
    // clang-format on
    for (const char channel : std::string_view("0123456789ABCDEF"))
        expected.push_back(std::string("B") + channel + " 7B 00");
    EXPECT_EQ(port.written, expected);
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

} // namespace
} // namespace platform
