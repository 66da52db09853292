// Mouse presses on the key panels, and the auto-repeat of a held control panel: one step at the press,
// one more after the Delay timer's 400 ms, then one every Repeat tick (32 ms) until the release. While a
// button holds the pitch-bend knob, each move of the pointer that the window gets puts the knob at the
// pointer's height along its track. The window system's implicit grab of a pressed button sends the window
// the moves outside it too (X11 and Wayland alike), so nothing polls the pointer, and a knob held still
// costs nothing.
//
// Only the left button captures the mouse: while it is down every press goes to the control it pressed;
// otherwise a press goes to the control under the pointer. Qt instead grabs the pointer for whichever button
// went down first and sends every later press and release there, so a right button held on one panel would
// swallow the left clicks on the others; the filter below hands each press on to its proper control.
// A button's release goes to the control that got its press, the right and middle buttons' too, so a panel
// pressed with the right button and released over another panel rises and ends its own note, instead of
// leaving it sounding while the other panel's release runs.
#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include "components/SuperTimer/SuperTimer.h"
#include "engine/ActionTags.h"
#include "ui/ClavitoMain.h"

namespace {
constexpr Qt::MouseButton kRoutedButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};

int ButtonSlot(Qt::MouseButton button) {
    for (int slot = 0; slot < 3; ++slot) {
        if (kRoutedButtons[slot] == button)
            return slot;
    }
    return -1;
}
} // namespace

bool TMainForm::RouteMouseButton(QObject* watched, QMouseEvent* event) {
    auto* receiver = qobject_cast<QWidget*>(watched);
    const int slot = ButtonSlot(event->button());
    if (routing_ || !receiver || receiver->window() != this || slot < 0)
        return false;
    QWidget* target = nullptr;
    if (event->type() == QEvent::MouseButtonRelease) {
        target = pressedBy_[slot];
        pressedBy_[slot] = nullptr;
    } else {
        const bool captured = slot != 0 && (event->buttons() & Qt::LeftButton) && pressedBy_[0];
        const QPoint global = event->globalPosition().toPoint();
        QWidget* under = childAt(mapFromGlobal(global));
        target = captured ? pressedBy_[0].data() : (under ? under : this);
        pressedBy_[slot] = target;
    }
    // Qt's own delivery of the event, and its propagation to the parents of a control that ignored it.
    if (!target || target == receiver || receiver->isAncestorOf(target))
        return false;
    const QPointF local = target->mapFromGlobal(event->globalPosition());
    QMouseEvent handed(event->type(), local, event->scenePosition(), event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    routing_ = true;
    QApplication::sendEvent(target, &handed);
    routing_ = false;
    return true;
}

void TMainForm::PanelMouseDown(int panel, int y) {
    if (!engine_.PressPanel(panel, {y, w_.Panel(panel)->height()}))
        return;
    if (timers_.Repeat->Enabled() || bending_)
        return;
    const std::int32_t tag = PanelTag(panel);
    if (IsControlTag(tag)) {
        repeatTag_ = tag;
        timers_.Delay->setEnabled(true);
    }
}

void TMainForm::PanelMouseUp(int panel) {
    engine_.ReleasePanel(panel);
    if (IsControlTag(PanelTag(panel))) {
        timers_.Delay->setEnabled(false);
        timers_.Repeat->setEnabled(false);
    }
}

// Every tick of either timer is a step; the Delay's one tick hands the steps on to the Repeat. The release
// disables both, which withdraws a tick already on its way too (SuperTimer.h).
void TMainForm::AutoRepeatTimer(TSuperTimer* timer) {
    engine_.PressAction(repeatTag_);
    if (timer != timers_.Delay)
        return;
    timers_.Delay->setEnabled(false);
    timers_.Repeat->setEnabled(true);
}

void TMainForm::PitchBendPanelMouseDown(int y) {
    bendGrabY_ = y;
    if (!timers_.Delay->Enabled() && !timers_.Repeat->Enabled())
        bending_ = true;
}

// The left button returns the knob to the centre; any other leaves the bend where it is.
void TMainForm::PitchBendPanelMouseUp(Qt::MouseButton button) {
    bending_ = false;
    if (button == Qt::LeftButton)
        engine_.CentreBend();
}

// Qt sends the moves to the control of the button that went down first, which need not be the knob; the
// application's filter sees each move first addressed to the window, whatever control then gets it, and
// that delivery is the one acted on.
void TMainForm::PitchBendPointerMove(QObject* watched, const QMouseEvent& event) {
    if (!bending_ || watched != windowHandle())
        return;
    const int y = w_.mainPanel->mapFromGlobal(event.globalPosition().toPoint()).y() - bendGrabY_;
    engine_.BendTo(y - w_.PitchBendTrack->y());
}
