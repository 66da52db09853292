#include <array>

#include "platform/midi/JackOutput.h"
#include "platform/midi/MidiOut.h"
#include "platform/midi/MidiSettings.h"
#include "platform/midi/SequencerOutput.h"
#include "platform/midi/SynthOutput.h"

namespace platform {

namespace {

// An open output, with what it plays into.
MidiOpenResult playingInto(MidiOpenResult result, MidiOutputChoice output, const std::string& connect) {
    result.destination = {output, connect};
    return result;
}

MidiOpenResult openSynth(const MidiSettings& settings) {
    return playingInto(openSynthOutput(settings), MidiOutputChoice::Synth, {});
}

MidiOpenResult openAlsa(const MidiSettings& settings) {
    return playingInto(openSequencerOutput(settings.connect), MidiOutputChoice::Alsa, settings.connect);
}

MidiOpenResult openJack(const MidiSettings& settings) {
    return playingInto(openJackOutput(settings.connect), MidiOutputChoice::Jack, settings.connect);
}

// "auto" takes the first of these that opens.
constexpr std::array kAutoOrder = {&openSynth, &openAlsa, &openJack};

MidiOpenResult openFirstAvailable(const MidiSettings& settings) {
    for (const auto open : kAutoOrder) {
        if (MidiOpenResult result = open(settings); result.code == MMSYSERR_NOERROR) {
            return result;
        }
    }
    return {MIDIERR_NODEVICE, nullptr};
}

} // namespace

MidiOpenResult openMidiMapper(const QString& settingsPath) {
    const MidiSettings settings = readMidiSettings(settingsPath);
    switch (settings.output) {
    case MidiOutputChoice::Synth:
        return openSynth(settings);
    case MidiOutputChoice::Alsa:
        return openAlsa(settings);
    case MidiOutputChoice::Jack:
        return openJack(settings);
    case MidiOutputChoice::Auto:
        break;
    }
    return openFirstAvailable(settings);
}

} // namespace platform
