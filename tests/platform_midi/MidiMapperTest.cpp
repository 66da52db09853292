#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

#include "platform/midi/MidiOut.h"

namespace platform {
namespace {

constexpr char kSmallSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

QString writeFile(const QString& path, const QByteArray& content) {
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(content);
    return path;
}

// Every open here must find no JACK server, whatever runs on the machine, and must not start one.
TEST(MidiOpen, ReportsWhyNoOutputOpened) {
    setenv("JACK_DEFAULT_SERVER", ("clavito-absent-" + std::to_string(getpid())).c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray absent = dir.filePath("absent.sf2").toUtf8();
    const QByteArray wave =
        writeFile(dir.filePath("wave.sf2"), QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)).toUtf8();
    const bool sequencer = QFileInfo::exists("/dev/snd/seq");
    const bool soundFont = QFileInfo::exists(kSmallSoundFont);
    const struct {
        QByteArray midiSection;
        std::uint32_t code;
        bool applies;
    } kCases[] = {
        {"Output=SYNTH\nAudioDriver=file\nSoundFont=" + absent, MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=file\nSoundFont=" + wave, MIDIERR_NOMAP, true},
        {"Output=synth\nAudioDriver=file\nSoundFont=" + dir.path().toUtf8(), MIDIERR_NOMAP, true},
        {QByteArray("Output=synth\nAudioDriver=no-such-driver\nSoundFont=") + kSmallSoundFont,
         MIDIERR_NODEVICE, soundFont},
        {QByteArray("Output=synth\nAudioDriver=jack\nSoundFont=") + kSmallSoundFont, MIDIERR_NODEVICE,
         soundFont},
        {"Output=jack\n", MIDIERR_NODEVICE, true},
        {"Output=alsa\n", MIDIERR_NODEVICE, !sequencer},
        // An unknown output is auto, and auto with nothing to open owes no SoundFont: no device is what
        // counts.
        {"Output=surround\nSoundFont=" + absent, MIDIERR_NODEVICE, !sequencer},
    };
    for (const auto& c : kCases) {
        if (!c.applies) {
            continue;
        }
        MidiOut port;
        EXPECT_EQ(
            port.Open(openMidiMapper, writeFile(dir.filePath("clavito.INI"), "[MIDI]\n" + c.midiSection)),
            c.code)
            << c.midiSection.toStdString();
        EXPECT_FALSE(port.isOpen());
        port.ShortMsg(0x7F3C90);
        port.Reset();
    }
}

} // namespace
} // namespace platform
