#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

#include "platform/midi/MidiOut.h"
#include "platform/midi/MidiSettings.h"

namespace platform {
namespace {

constexpr char kSmallSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

QString writeFile(const QString& path, const QByteArray& content) {
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(content);
    return path;
}

// Keeps the NUL bytes that a plain QByteArray from a literal would stop at.
template <std::size_t N> QByteArray raw(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

TEST(MidiSettings, ReadsTheKeysOfTheFirstMidiSectionOfAnyFile) {
    const struct {
        std::optional<QByteArray> content; // none: no file at all
        std::map<std::string, std::string> expected;
    } kCases[] = {
        {std::nullopt, {}},
        {"[MIDI]\r\nOutput=alsa\r\nConnect=14:0\r\n", {{"output", "alsa"}, {"connect", "14:0"}}},
        {"Output=jack\n[MIDI]\nConnect=x:y\n", {{"connect", "x:y"}}},
        {"  [ mIdI ]  \n\t oUtPuT \t=\t Synth  \nSOUNDFONT=/a/B.sf2\n",
         {{"output", "Synth"}, {"soundfont", "/a/B.sf2"}}},
        {"[Sound]\nOutput=x\n[MIDI]\nOutput=jack\nOUTPUT=alsa\n[Sound]\n[MIDI]\nConnect=c:d\n",
         {{"output", "jack"}}},
        {"[MIDI\nOutput=jack\n", {}},
        {raw("\xFF\xFE\x00\x01[\x80]\n\x00\x00=\x00\n[MIDI]\nOutput=jack\n\x00=x\n\xC3(=\xFF\n"),
         {{"output", "jack"}, {std::string(1, '\0'), "x"}, {"\xC3(", "\xFF"}}},
        // Only the first megabyte is read.
        {"[MIDI]\nOutput=jack\n" + QByteArray(2 << 20, 'x') + "\nConnect=late:port\n", {{"output", "jack"}}},
    };
    for (const auto& c : kCases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("clavito.INI");
        if (c.content) {
            writeFile(path, *c.content);
        }
        EXPECT_EQ(readMidiSection(path), c.expected)
            << c.content.value_or("(no file)").left(80).toStdString();
    }
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
