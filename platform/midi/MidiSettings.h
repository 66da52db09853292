#pragma once
// Section "MIDI" of the settings file: the mapper's own settings, read through the profile reader at open.
// The output chooser writes "Output" and "Connect"; the rest is edited by hand.
//
//   Output      "synth", "alsa", "jack" or "auto" (the default; any other value counts as "auto")
//   Connect     alsa/jack: the destination port "client:port" to connect at open; empty connects nothing
//   SoundFont   synth: the SoundFont file; empty: the system's GM SoundFont
//   AudioDriver synth: FluidSynth's audio driver; empty: "pulseaudio", then "alsa", then "jack"
//   AudioFile   synth with AudioDriver "file": the WAV file the synthesizer renders into (for tests and
//               recordings; FluidSynth's own default name otherwise)

#include <string>

#include <QString>

namespace platform {

inline constexpr char kMidiSection[] = "MIDI";
inline constexpr char kOutputKey[] = "Output";
inline constexpr char kConnectKey[] = "Connect";

enum class MidiOutputChoice { Auto, Synth, Alsa, Jack };

struct MidiSettings {
    MidiOutputChoice output = MidiOutputChoice::Auto;
    std::string connect;
    QString soundFont;
    QString audioDriver;
    QString audioFile;
};

MidiSettings readMidiSettings(const QString& settingsPath);

// The value "Output" holds for a choice.
QString midiOutputName(MidiOutputChoice choice);

} // namespace platform
