#pragma once
// TWinSize fixes the limits within which the user may size or maximise the window of the form that owns it.
//
// Whenever the window is shown, resized or changes its state (maximised, restored), the limiter builds the
// window system's size-limit record for the form's screen, overwrites it with each of its eight limits that
// is not 0, and gives the form the resulting smallest and largest size. The limits are read afresh every
// time, so a change takes effect at the next of those events, or at once through Apply().
//
// Sizes are the form's own size (QWidget::size(), a menu bar included); the window manager's frame is not
// counted, because X11 managers draw it around the window and report its extents only after mapping.
// MaxPositionX and MaxPositionY are kept in the record but have no X11 counterpart: the window manager
// places a maximised window.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "components/WinSize/MinMaxInfo.h"

class TWinSize : public QObject, public winsize::SizeLimits {
    Q_OBJECT
public:
    // Hooks the first form (a window widget) met on the owner chain starting at owner. Without one, reports
    // an error in the application's error box and hooks nothing.
    explicit TWinSize(QObject* owner);
    ~TWinSize() override;

    // The size-limit request: every non-zero limit replaces its member of the record.
    void WMGetMinMaxInfo(winsize::MINMAXINFO& info) const;

    // Asks for the record now and applies it to the form.
    void Apply();

    // The hooked form, or null when none was found or it is gone.
    QWidget* Form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    winsize::MINMAXINFO systemMinMaxInfo() const;

    QPointer<QWidget> form_;
    bool applying_ = false;
};
