#include "platform/help/WinHelp.h"
#include "ui/About.h"
#include "ui/ClavitoMain.h"

void TMainForm::Help2Click() {
    platform::WinHelp(this, QStringLiteral("Clavito.hlp"), platform::HELP_FINDER, 0);
}

// A fresh box each time, shown modally and gone when it closes.
void TMainForm::About1Click() {
    TAboutBox box(this);
    box.exec();
}
