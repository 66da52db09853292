#include "platform/midi/MidiSettings.h"

#include <array>
#include <utility>

#include "platform/profile/ProfileFile.h"

namespace platform {

namespace {

constexpr std::array<std::pair<const char*, MidiOutputChoice>, 4> kOutputNames = {{
    {"auto", MidiOutputChoice::Auto},
    {"synth", MidiOutputChoice::Synth},
    {"alsa", MidiOutputChoice::Alsa},
    {"jack", MidiOutputChoice::Jack},
}};

QString value(const char* key, const QString& settingsPath) {
    return GetPrivateProfileString(QLatin1String(kMidiSection), QLatin1String(key), settingsPath)
        .value_or(QString());
}

MidiOutputChoice outputChoice(const QString& name) {
    for (const auto& [text, choice] : kOutputNames) {
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
            return choice;
        }
    }
    return MidiOutputChoice::Auto;
}

} // namespace

MidiSettings readMidiSettings(const QString& settingsPath) {
    return {outputChoice(value(kOutputKey, settingsPath)), value(kConnectKey, settingsPath).toStdString(),
            value("SoundFont", settingsPath), value("AudioDriver", settingsPath),
            value("AudioFile", settingsPath)};
}

QString midiOutputName(MidiOutputChoice choice) {
    for (const auto& [text, known] : kOutputNames) {
        if (known == choice) {
            return QLatin1String(text);
        }
    }
    return {};
}

} // namespace platform
