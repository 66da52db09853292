// The typing keyboard. The window sees every key event of the application before any control does; each
// physical key is turned into a virtual-key code by its position, and the key map of the keyboard type in
// force maps the code to a key panel, whose bevel is the key's pressed state.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWindow>

#include "engine/PanelLayout.h"
#include "platform/keys/VirtualKeys.h"
#include "ui/ClavitoMain.h"

using platform::TBevelCut;

namespace {
constexpr std::uint16_t kAppsKey = 93;
constexpr int kFirstRepeatlessTag = 30; // tags from here on (the notes) do not repeat while held
} // namespace

KeyboardType TMainForm::CurrentKeyboardType() const {
    if (N1011->isChecked())
        return KeyboardType::En101;
    if (N981->isChecked())
        return KeyboardType::Pc98;
    return KeyboardType::Jp106;
}

std::uint8_t TMainForm::KeyToPanel(TBevelCut state, std::uint16_t key) {
    const int number = PanelForKey(CurrentKeyboardType(), key);
    if (number == 0)
        return 0;
    platform::TPanel* panel = Panel(number);
    if (panel->BevelOuter() != state) {
        panel->setBevelOuter(state);
        return static_cast<std::uint8_t>(panel->Tag);
    }
    return panel->Tag >= kFirstRepeatlessTag ? 0 : static_cast<std::uint8_t>(panel->Tag);
}

void TMainForm::FormKeyDown(std::uint16_t key) {
    PressAction(KeyToPanel(TBevelCut::bvLowered, key));
}

void TMainForm::FormKeyUp(std::uint16_t key) {
    if (key == kAppsKey) {
        SoundPanelMouseUp();
        return;
    }
    ReleaseAction(KeyToPanel(TBevelCut::bvRaised, key));
}

// Key events reach this filter (installed on the application) several times each: first addressed to the
// focus window's QWindow, then to the focus widget and each parent it propagates to. Only the first
// delivery is acted on, so every event is handled once and before any control sees it. The code a physical
// key produced at its key-down is kept, so its key-up maps the same code, as a keyboard layout would.
// Auto-repeat releases are dropped; auto-repeat presses are key-downs.
bool TMainForm::HandleKeyEvent(QObject* watched, QEvent* event) {
    if (!watched->isWindowType())
        return false;
    const bool ours = watched == static_cast<QObject*>(windowHandle()) &&
                      QGuiApplication::focusWindow() == windowHandle() && !QApplication::activePopupWidget();
    if (!ours) {
        // Another window (a menu, a popup, a dialog) has the keyboard: nothing held may go on sounding.
        ReleaseHeldKeys();
        return false;
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const std::uint32_t scan = keyEvent->nativeScanCode();
    const std::size_t slot = scan < heldKeys_.size() ? scan : 0;
    if (event->type() == QEvent::KeyPress) {
        const std::uint16_t key = platform::VirtualKeyFromEvent(*keyEvent, CurrentKeyboardType());
        if (slot != 0 && key != 0)
            heldKeys_[slot] = key;
        FormKeyDown(key);
    } else if (!keyEvent->isAutoRepeat()) {
        std::uint16_t key = slot != 0 ? heldKeys_[slot] : 0;
        if (key == 0)
            key = platform::VirtualKeyFromEvent(*keyEvent, CurrentKeyboardType());
        if (slot != 0)
            heldKeys_[slot] = 0;
        FormKeyUp(key);
    }
    return false;
}

void TMainForm::ReleaseHeldKeys() {
    for (std::uint16_t& key : heldKeys_) {
        if (key == 0)
            continue;
        const std::uint16_t released = key;
        key = 0;
        if (released != kAppsKey)
            FormKeyUp(released);
    }
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
    case QEvent::WindowDeactivate:
        if (watched == this)
            ReleaseHeldKeys();
        break;
    case QEvent::Show:
        if (qobject_cast<QMenu*>(watched))
            ReleaseHeldKeys();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

static void ApplyKeyboardLayout(TMainForm& form, const KeyboardTypeLayout& layout) {
    for (int number : {13, 37, 48})
        form.Panel(number)->setVisible(layout.extraPanelsVisible);
    if (layout.panel48Caption)
        form.Panel(48)->setCaption(QString::fromUtf8(layout.panel48Caption));
    form.Panel(12)->setCaption(QString::fromUtf8(layout.panel12Caption));
    form.Panel(24)->setCaption(QString::fromUtf8(layout.panel24Caption));
    form.Panel(25)->setCaption(QString::fromUtf8(layout.panel25Caption));
    form.Panel(36)->setCaption(QString::fromUtf8(layout.panel36Caption));
    form.Panel(13)->setYenForBackslash(layout.panel13ShiftJis);
}

void TMainForm::N1061Click() {
    N1061->setChecked(true);
    N1062->setChecked(true);
    ApplyKeyboardLayout(*this, KeyboardTypeLayoutFor(KeyboardType::Jp106));
}

void TMainForm::N981Click() {
    N981->setChecked(true);
    N982->setChecked(true);
    ApplyKeyboardLayout(*this, KeyboardTypeLayoutFor(KeyboardType::Pc98));
}

void TMainForm::N1011Click() {
    N1011->setChecked(true);
    N1012->setChecked(true);
    ApplyKeyboardLayout(*this, KeyboardTypeLayoutFor(KeyboardType::En101));
}
