#pragma once
// Section "MIDI" of the settings file: the mapper's own settings. Read at open, never written.
//
//   Output      "synth", "alsa", "jack" or "auto" (the default; any other value counts as "auto")
//   Connect     alsa/jack: the destination port "client:port" to connect at open; empty connects nothing
//   SoundFont   synth: the SoundFont file; empty: the system's GM SoundFont
//   AudioDriver synth: FluidSynth's audio driver; empty: "pulseaudio", then "alsa", then "jack"
//   AudioFile   synth with AudioDriver "file": the WAV file the synthesizer renders into (for tests and
//               recordings; FluidSynth's own default name otherwise)
//
// Section and key names match without regard to case; values are trimmed. Only the first "MIDI" section
// counts, and within it the first line of each key, as the private profile services do.

#include <map>
#include <string>

#include <QString>

namespace platform {

enum class MidiOutputChoice { Auto, Synth, Alsa, Jack };

struct MidiSettings {
    MidiOutputChoice output = MidiOutputChoice::Auto;
    std::string connect;
    QString soundFont;
    QString audioDriver;
    QString audioFile;
};

// Every "key=value" line of the section, keys in lower case. Empty for a missing or unreadable file.
std::map<std::string, std::string> readMidiSection(const QString& settingsPath);

MidiSettings midiSettingsFrom(const std::map<std::string, std::string>& section);

inline MidiSettings readMidiSettings(const QString& settingsPath) {
    return midiSettingsFrom(readMidiSection(settingsPath));
}

} // namespace platform
