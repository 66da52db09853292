#include "ui/ClavitoMain.h"

#include <QApplication>

#include "components/SuperTimer/SuperTimer.h"
#include "components/WinSize/WinSize.h"
#include "platform/dialogs/MessageBox.h"
#include "ui/MenuData.h"

TMainForm::TMainForm() : TMainForm(Setup{}) {}

TMainForm::TMainForm(Setup setup)
    : setup_(std::move(setup)),
      settingsPath_(setup_.settingsPath.isEmpty() ? DefaultSettingsPath() : setup_.settingsPath) {
    // The port opens while the window is built; the show sequence waits for the result at its first step.
    MidiOut.BeginOpen(setup_.midiOpener, settingsPath_);
    setWindowTitle(QStringLiteral("Clavito"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Input methods would swallow the keys that play the instrument.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    CreateControls();
    CreateMenus();
    CreateTimers();
    MidiOut.setOnLost([this] {
        const bool japanese = Japanese1->isChecked();
        platform::MessageBoxA(this, QString::fromUtf8(japanese ? kOutputLost.japanese : kOutputLost.english),
                              QStringLiteral("Error"));
    });
    WinSize1 = new TWinSize(this);
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
}

void TMainForm::CreateTimers() {
    struct TimerSetup {
        TSuperTimer*& timer;
        std::uint16_t interval;
        void (TMainForm::*tick)();
    };
    const TimerSetup timers[] = {{SuperTimer1, 400, &TMainForm::SuperTimer1Timer},
                                 {SuperTimer2, 32, &TMainForm::SuperTimer2Timer},
                                 {SuperTimer3, 1, &TMainForm::SuperTimer3Timer}};
    for (const TimerSetup& t : timers) {
        t.timer = new TSuperTimer(this);
        t.timer->setInterval(t.interval);
        t.timer->setThreadPriority(tpNormal);
        t.timer->OnTimer = [this, tick = t.tick](TSuperTimer*) { (this->*tick)(); };
    }
}
