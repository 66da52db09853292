// The sound chosen from a menu, and the sound popup under the sound display.
#include <QMenu>

#include "ui/ClavitoMain.h"

void TMainForm::SoundPanelMouseUp() {
    const QPoint corner(w_.SoundPanel->x(), w_.SoundPanel->y() + w_.SoundPanel->height());
    Menus().soundPopup->popup(w_.mainPanel->mapToGlobal(corner));
}

// The display names the sound by the caption of the menu it was chosen from.
void TMainForm::ChooseSound(SoundChoice sound, bool popup) {
    soundFromPopup_ = popup;
    engine_.ChooseSound(sound);
}
