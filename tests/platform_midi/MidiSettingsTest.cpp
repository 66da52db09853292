#include <gtest/gtest.h>

#include <random>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/midi/MidiSettings.h"

namespace platform {
namespace {

using Section = std::map<std::string, std::string>;

// Keeps the NUL bytes that a plain QByteArray from a literal would stop at.
template <std::size_t N> QByteArray raw(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

class MidiSettingsFile : public testing::Test {
protected:
    QString write(const QByteArray& content) {
        const QString path = dir_.filePath("clavito.INI");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }

    QTemporaryDir dir_;
};

struct SectionCase {
    const char* name;
    QByteArray content;
    Section expected;
};

class SectionTest : public MidiSettingsFile, public testing::WithParamInterface<SectionCase> {};

TEST_P(SectionTest, ReadsTheKeysOfTheFirstMidiSection) {
    EXPECT_EQ(readMidiSection(write(GetParam().content)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    MidiSettings, SectionTest,
    testing::Values(
        SectionCase{"Plain", "[MIDI]\nOutput=jack\nConnect=a:b\n", {{"output", "jack"}, {"connect", "a:b"}}},
        SectionCase{
            "CrLf", "[MIDI]\r\nOutput=alsa\r\nConnect=14:0\r\n", {{"output", "alsa"}, {"connect", "14:0"}}},
        SectionCase{"NoSection", "[Sound]\nOutput=jack\n", {}},
        SectionCase{"KeysBeforeAnySection", "Output=jack\n[MIDI]\nConnect=x:y\n", {{"connect", "x:y"}}},
        SectionCase{"MixedCase",
                    "[mIdI]\noUtPuT=Synth\nSOUNDFONT=/a/B.sf2\n",
                    {{"output", "Synth"}, {"soundfont", "/a/B.sf2"}}},
        SectionCase{"Trimmed", "  [ MIDI ]  \n\t Output \t=\t jack  \n", {{"output", "jack"}}},
        SectionCase{"OtherSectionsAround",
                    "[Sound]\nOutput=x\n[MIDI]\nOutput=jack\n[Options]\nConnect=c:d\n",
                    {{"output", "jack"}}},
        SectionCase{"FirstSectionOnly",
                    "[MIDI]\nOutput=jack\n[Sound]\n[MIDI]\nOutput=alsa\nConnect=c:d\n",
                    {{"output", "jack"}}},
        SectionCase{"FirstKeyWins", "[MIDI]\nOutput=jack\nOUTPUT=alsa\n", {{"output", "jack"}}},
        SectionCase{"EqualsInValue", "[MIDI]\nConnect=a:b=c\n", {{"connect", "a:b=c"}}},
        SectionCase{"EmptyValueAndKey", "[MIDI]\nOutput=\n=x\nnoequals\n", {{"output", ""}}},
        SectionCase{"NoFinalNewline", "[MIDI]\nOutput=jack", {{"output", "jack"}}},
        SectionCase{"Bom", "\xEF\xBB\xBF[MIDI]\nOutput=jack\n", {{"output", "jack"}}},
        SectionCase{"UnclosedHeader", "[MIDI\nOutput=jack\n", {}},
        SectionCase{"GarbageBytes",
                    raw("\xFF\xFE\x00\x01[\x80]\n\x00\x00=\x00\n[MIDI]\nOutput=jack\n\x00=x\n\xC3(=\xFF\n"),
                    {{"output", "jack"}, {std::string(1, '\0'), "x"}, {"\xC3(", "\xFF"}}},
        SectionCase{"Empty", "", {}}),
    [](const testing::TestParamInfo<SectionCase>& info) { return info.param.name; });

TEST_F(MidiSettingsFile, AMissingFileOrAFolderReadsAsEmpty) {
    EXPECT_TRUE(readMidiSection(dir_.filePath("absent.INI")).empty());
    EXPECT_TRUE(readMidiSection(dir_.path()).empty());
    EXPECT_TRUE(readMidiSection(QString()).empty());
}

TEST_F(MidiSettingsFile, RandomBytesNeverBreakTheReader) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(static_cast<int>(random() % 4096), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>("[]=\n\r MIDImidi"[random() % 14] ^ (random() % 8 == 0 ? random() : 0));
        }
        const Section section = readMidiSection(write(bytes));
        for (const auto& [key, value] : section) {
            EXPECT_FALSE(key.empty());
            EXPECT_EQ(key.find('\n'), std::string::npos);
            EXPECT_EQ(value.find('\n'), std::string::npos);
        }
    }
}

TEST_F(MidiSettingsFile, AHugeFileIsReadUpToItsFirstMegabyte) {
    QByteArray content = "[MIDI]\nOutput=jack\n";
    content += QByteArray(2 << 20, 'x');
    content += "\nConnect=late:port\n";
    EXPECT_EQ(readMidiSection(write(content)), (Section{{"output", "jack"}}));
}

struct ChoiceCase {
    const char* value;
    MidiOutputChoice expected;
};

class OutputChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(OutputChoiceTest, NamesTheOutputAndFallsBackToAuto) {
    EXPECT_EQ(midiSettingsFrom({{"output", GetParam().value}}).output, GetParam().expected)
        << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    MidiSettings, OutputChoiceTest,
    testing::Values(ChoiceCase{"synth", MidiOutputChoice::Synth}, ChoiceCase{"ALSA", MidiOutputChoice::Alsa},
                    ChoiceCase{"Jack", MidiOutputChoice::Jack}, ChoiceCase{"auto", MidiOutputChoice::Auto},
                    ChoiceCase{"", MidiOutputChoice::Auto}, ChoiceCase{"pipewire", MidiOutputChoice::Auto},
                    ChoiceCase{"synth2", MidiOutputChoice::Auto}));

TEST(MidiSettings, DefaultsWhenTheSectionIsEmpty) {
    const MidiSettings settings = midiSettingsFrom({});
    EXPECT_EQ(settings.output, MidiOutputChoice::Auto);
    EXPECT_TRUE(settings.connect.empty());
    EXPECT_TRUE(settings.soundFont.isEmpty());
    EXPECT_TRUE(settings.audioDriver.isEmpty());
    EXPECT_TRUE(settings.audioFile.isEmpty());
}

TEST_F(MidiSettingsFile, EveryKeyReachesItsField) {
    const MidiSettings settings = readMidiSettings(
        write("[MIDI]\nOutput=synth\nConnect=midi-monitor:input\nSoundFont=/s/f.sf2\nAudioDriver=file\n"
              "AudioFile=/t/o.wav\n"));
    EXPECT_EQ(settings.output, MidiOutputChoice::Synth);
    EXPECT_EQ(settings.connect, "midi-monitor:input");
    EXPECT_EQ(settings.soundFont, "/s/f.sf2");
    EXPECT_EQ(settings.audioDriver, "file");
    EXPECT_EQ(settings.audioFile, "/t/o.wav");
}

TEST_F(MidiSettingsFile, ReadingNeverWritesTheFile) {
    const QByteArray content = "[Sound]\nIndex1=3\n";
    const QString path = write(content);
    readMidiSettings(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
}

} // namespace
} // namespace platform
