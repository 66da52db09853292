// The sound popup under the sound display.
#include <QMenu>

#include "ui/ClavitoMain.h"

void TMainForm::SoundPanelMouseUp() {
    const QPoint corner(w_.SoundPanel->x(), w_.SoundPanel->y() + w_.SoundPanel->height());
    Menus().soundPopup->popup(w_.mainPanel->mapToGlobal(corner));
}
