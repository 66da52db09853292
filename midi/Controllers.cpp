#include <QAction>
#include <QMenu>

#include "midi/Messages.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"

void TMainForm::SendControllers() {
    for (int channel : midi::kControllerChannels)
        Send(midi::ControlChange(channel, midi::kVolumeController, midi::ControllerValue(Volume)));
    for (int channel : midi::kControllerChannels)
        Send(midi::ControlChange(channel, midi::kModulationController, midi::ControllerValue(Modulation)));
}

// The drum set first, then the current instrument on the melody channels (none when percussion is chosen).
void TMainForm::SendProgram() {
    Send(midi::ProgramChange(midi::kPercussionChannel, 0));
    if (Index1 == kPercussionPosition)
        return;
    const int program = Menu->Sound->actions()[Index1]->menu()->actions()[Index2]->data().toInt();
    for (int channel : midi::kMelodyChannels)
        Send(midi::ProgramChange(channel, program));
}
