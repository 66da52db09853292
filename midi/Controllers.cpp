#include "midi/Messages.h"
#include "ui/ClavitoMain.h"

namespace {
constexpr int kControllerChannels[] = {0, 1, 2, midi::kPercussionChannel};
}

void TMainForm::SendControllers() {
    for (int channel : kControllerChannels)
        Send(midi::ControlChange(channel, midi::kVolumeController, midi::ControllerValue(Volume)));
    for (int channel : kControllerChannels)
        Send(midi::ControlChange(channel, midi::kModulationController, midi::ControllerValue(Modulation)));
}
