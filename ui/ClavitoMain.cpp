#include "ui/ClavitoMain.h"

#include <QApplication>

#include "components/SuperTimer/SuperTimer.h"
#include "components/WinSize/WinSize.h"
#include "platform/dialogs/MessageBox.h"
#include "ui/MenuData.h"

TMainForm::TMainForm(Setup setup) : setup_(std::move(setup)) {
    // The port opens while the window is built; the show sequence takes the result whenever it comes.
    engine_.Port().BeginOpen(setup_.midiOpener, setup_.settingsPath);
    setWindowTitle(QStringLiteral("Clavito"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Input methods would swallow the keys that play the instrument.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    CreateControls();
    CreateMenus();
    CreateTimers();
    // A port whose server went away is told once, in the menu language; play goes on silently.
    engine_.Port().setOnLost([this] {
        const bool japanese = engine_.State().japanese;
        platform::MessageBoxA(this, QString::fromUtf8(MenuText(kOutputLost, japanese)),
                              QStringLiteral("Error"));
    });
    winSize_ = new TWinSize(this);
    engine_.SetChangeListener([this](Changes changes) { Refresh(changes); });
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    engine_.SetChangeListener({});
}

void TMainForm::CreateTimers() {
    const std::pair<TSuperTimer*&, std::uint16_t> timers[] = {{timers_.Delay, 400}, {timers_.Repeat, 32}};
    for (const auto& [timer, interval] : timers) {
        timer = new TSuperTimer(this);
        timer->setInterval(interval);
        timer->setThreadPriority(tpNormal);
        timer->OnTimer = [this](TSuperTimer* ticked) { AutoRepeatTimer(ticked); };
    }
}
