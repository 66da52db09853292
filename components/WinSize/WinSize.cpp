#include "components/WinSize/WinSize.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include "platform/dialogs/MessageBox.h"

namespace {

QWidget* findForm(QObject* owner) {
    for (QObject* object = owner; object != nullptr; object = object->parent()) {
        if (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr && widget->isWindow()) {
            return widget;
        }
    }
    return nullptr;
}

bool asksForSizeLimits(QEvent::Type type) {
    return type == QEvent::Show || type == QEvent::Resize || type == QEvent::WindowStateChange;
}

} // namespace

TWinSize::TWinSize(QObject* owner) : QObject(owner), form_(findForm(owner)) {
    if (form_ == nullptr) {
        platform::ShowApplicationError(
            QStringLiteral("The window size limiter has no form among its owners."));
        return;
    }
    form_->installEventFilter(this);
}

TWinSize::~TWinSize() {
    if (form_ != nullptr) {
        form_->removeEventFilter(this);
    }
}

void TWinSize::WMGetMinMaxInfo(winsize::MINMAXINFO& info) const {
    winsize::OverrideMinMaxInfo(*this, info);
}

winsize::MINMAXINFO TWinSize::systemMinMaxInfo() const {
    const QScreen* screen = form_->screen() != nullptr ? form_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return winsize::SystemMinMaxInfo(winsize::kLargestWindowSize, winsize::kLargestWindowSize,
                                         winsize::kLargestWindowSize, winsize::kLargestWindowSize);
    }
    const QSize whole = screen->size();
    const QSize available = screen->availableSize();
    return winsize::SystemMinMaxInfo(whole.width(), whole.height(), available.width(), available.height());
}

void TWinSize::Apply() {
    if (form_ == nullptr || applying_) {
        return;
    }
    // Changing the bounds resizes the form, which asks again; that nested request finds nothing to do.
    applying_ = true;
    winsize::MINMAXINFO info = systemMinMaxInfo();
    WMGetMinMaxInfo(info);
    const winsize::SizeBounds bounds = winsize::BoundsFromMinMaxInfo(info);
    form_->setMinimumSize(bounds.minWidth, bounds.minHeight);
    form_->setMaximumSize(bounds.maxWidth, bounds.maxHeight);
    // Qt keeps a size the window system imposed even when it breaks the bounds (a maximised window under
    // a manager that ignores size hints), so the size is brought back inside them.
    const QSize bounded = form_->size().expandedTo(form_->minimumSize()).boundedTo(form_->maximumSize());
    if (bounded != form_->size()) {
        form_->resize(bounded);
    }
    applying_ = false;
}

bool TWinSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && asksForSizeLimits(event->type())) {
        Apply();
    }
    return false;
}
