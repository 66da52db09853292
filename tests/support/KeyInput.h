#pragma once
// Typing-key events as the window system delivers them: physical key by XKB keycode (evdev code + 8).
#include <QApplication>
#include <QKeyEvent>

#include <linux/input-event-codes.h>

inline void SendKey(QWidget* target, QEvent::Type type, int evdev, bool autoRepeat = false) {
    QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, static_cast<quint32>(evdev + 8), 0, 0, QString(),
                    autoRepeat);
    QApplication::sendEvent(target, &event);
}

inline void KeyDown(QWidget* target, int evdev, bool autoRepeat = false) {
    SendKey(target, QEvent::KeyPress, evdev, autoRepeat);
}

inline void KeyUp(QWidget* target, int evdev, bool autoRepeat = false) {
    SendKey(target, QEvent::KeyRelease, evdev, autoRepeat);
}
