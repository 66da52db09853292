// The pitch-bend knob: while a button is held on it, SuperTimer3 polls the pointer every millisecond and
// the knob follows the pointer's height along the track. Messages go out only when the knob moves.
#include <QCursor>

#include "components/SuperTimer/SuperTimer.h"
#include "midi/Messages.h"
#include "ui/ClavitoMain.h"

namespace {
constexpr int kCentreStep = 64;

int BendStep(int y, int trackTop, int travel) {
    const int step = 127 - ((y - trackTop) * 128) / travel;
    return step < 0 ? 0 : step;
}
} // namespace

void TMainForm::PitchBendPanelMouseDown(Qt::MouseButton, int y) {
    BendGrabY = y;
    if (!SuperTimer1->Enabled() && !SuperTimer2->Enabled())
        SuperTimer3->setEnabled(true);
}

void TMainForm::PitchBendPanelMouseUp(Qt::MouseButton button) {
    SuperTimer3->setEnabled(false);
    if (button != Qt::LeftButton)
        return;
    for (int channel : midi::kControllerChannels)
        Send(midi::PitchBend(channel, kCentreStep));
    const int rest = PitchBendPanel2->y() + BendTravel / 2;
    PitchBendPanel->move(PitchBendPanel->x(), rest);
    BendTop = rest;
}

void TMainForm::SuperTimer3Timer() {
    const int trackTop = PitchBendPanel2->y();
    int y = MainPanel->mapFromGlobal(QCursor::pos()).y() - BendGrabY;
    if (y < trackTop)
        y = trackTop;
    else if (y > trackTop + BendTravel)
        y = trackTop + BendTravel;
    if (y == BendTop || !SuperTimer3->Enabled())
        return;
    BendTop = y;
    PitchBendPanel->move(PitchBendPanel->x(), y);
    const int step = BendStep(y, trackTop, BendTravel);
    for (int offset = 0; offset < 3; ++offset)
        Send(midi::PitchBend(ChannelBase + offset, step));
}
