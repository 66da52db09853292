#pragma once
// Finding and recognising SoundFont files.

#include <QString>

namespace platform {

// The system's General MIDI SoundFont: default-GM.sf2 in /usr/share/sounds/sf2, else the first .sf2 file
// there by name; empty when there is none.
QString defaultSoundFont();

// Whether the file starts like a SoundFont 2: a RIFF chunk of form type "sfbk". A cheap check made before
// the real load, which runs in the background.
bool isSoundFontFile(const QString& path);

} // namespace platform
