// Mouse presses on the key panels, and the auto-repeat of a held control panel: one step at the press,
// one more after SuperTimer1's 400 ms, then one every SuperTimer2's 32 ms until the release.
//
// The window system sends the release of every button, not only the left one, to the panel that got the
// press. So a panel pressed with the right button and released over another panel rises and ends its own
// note, instead of leaving it sounding while the other panel's release runs.
#include "components/SuperTimer/SuperTimer.h"
#include "engine/ActionTags.h"
#include "ui/ClavitoMain.h"

using platform::TBevelCut;

void TMainForm::PanelMouseDown(platform::TPanel* sender, Qt::MouseButton) {
    if (sender->BevelOuter() == TBevelCut::bvLowered)
        return;
    sender->setBevelOuter(TBevelCut::bvLowered);
    PressAction(sender->Tag);
    if (SuperTimer2->Enabled() || SuperTimer3->Enabled())
        return;
    if (IsControlTag(sender->Tag)) {
        SuperTimer1->Tag = sender->Tag;
        SuperTimer1->setEnabled(true);
    }
}

void TMainForm::PanelMouseUp(platform::TPanel* sender, Qt::MouseButton) {
    if (sender->BevelOuter() != TBevelCut::bvRaised)
        sender->setBevelOuter(TBevelCut::bvRaised);
    ReleaseAction(sender->Tag);
    if (IsControlTag(sender->Tag)) {
        SuperTimer1->setEnabled(false);
        SuperTimer2->setEnabled(false);
    }
}

// A tick that was already on its way when the release disabled the timer performs no step.
void TMainForm::SuperTimer1Timer() {
    if (!SuperTimer1->Enabled())
        return;
    PressAction(SuperTimer1->Tag);
    SuperTimer1->setEnabled(false);
    SuperTimer2->setEnabled(true);
}

void TMainForm::SuperTimer2Timer() {
    if (!SuperTimer2->Enabled())
        return;
    PressAction(SuperTimer1->Tag);
}
