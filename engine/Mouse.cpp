// Mouse presses on the key panels, and the auto-repeat of a held control panel: one step at the press,
// one more after SuperTimer1's 400 ms, then one every SuperTimer2's 32 ms until the release.
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

#include "components/SuperTimer/SuperTimer.h"
#include "engine/ActionTags.h"
#include "ui/ClavitoMain.h"

using platform::TBevelCut;

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
