#pragma once
// Finding and recognising SoundFont files.

#include <QString>

namespace platform {

// The system's General MIDI SoundFont: default-GM.sf2 in /usr/share/sounds/sf2, else the first .sf2 file
// there by name; empty when there is none.
QString defaultSoundFont();

// Whether FluidSynth takes the file for a SoundFont (false too when FluidSynth is not installed). A cheap
// check of the file's head, made before the real load, which runs in the background.
bool isSoundFontFile(const QString& path);

} // namespace platform
