#pragma once
// The controls' setters: a value equal to the current one changes nothing and repaints nothing.
#include <QWidget>

namespace platform {

template <typename T> void SetAndRepaint(QWidget* control, T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    control->update();
}

} // namespace platform
