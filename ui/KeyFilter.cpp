// The typing keyboard. The window sees every key event of the application before any control does; each
// physical key is turned into a virtual-key code by its position under the keyboard type in force, and the
// instrument plays the panel its key map gives.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWindow>

#include "engine/KeyMap.h"
#include "platform/keys/VirtualKeys.h"
#include "ui/ClavitoMain.h"

// Key events reach this filter (installed on the application) several times each: first addressed to the
// focus window's QWindow, then to the focus widget and each parent it propagates to. Only the first
// delivery is acted on, so every event is handled once and before any control sees it. Auto-repeat releases
// are dropped; auto-repeat presses are key-downs. The Apps key's release pops up the sound menu.
bool TMainForm::HandleKeyEvent(QObject* watched, QEvent* event) {
    if (!watched->isWindowType())
        return false;
    const bool ours = watched == static_cast<QObject*>(windowHandle()) &&
                      QGuiApplication::focusWindow() == windowHandle() && !QApplication::activePopupWidget();
    if (!ours) {
        // Another window (a menu, a popup, a dialog) has the keyboard: nothing held may go on sounding.
        engine_.ReleaseKeys();
        return false;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const std::uint16_t vk = platform::VirtualKeyFromEvent(*keyEvent, engine_.State().keyboard);
    const Qt::KeyboardModifiers modifiers = keyEvent->modifiers();
    if (event->type() == QEvent::KeyPress)
        engine_.KeyDown(keyEvent->nativeScanCode(), vk,
                        {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)});
    else if (!keyEvent->isAutoRepeat() && engine_.KeyUp(keyEvent->nativeScanCode(), vk) == kAppsKey)
        SoundPanelMouseUp();
    return false;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return HandleKeyEvent(watched, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (RouteMouseButton(watched, static_cast<QMouseEvent*>(event)))
            return true;
        break;
    case QEvent::MouseMove:
        PitchBendPointerMove(watched, *static_cast<QMouseEvent*>(event));
        break;
    case QEvent::WindowDeactivate:
        if (watched == this)
            engine_.ReleaseKeys();
        break;
    case QEvent::Show:
        if (qobject_cast<QMenu*>(watched))
            engine_.ReleaseKeys();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
