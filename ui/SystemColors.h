#pragma once
// The desktop's colours that the window borrows, taken from the application palette.
#include <QApplication>
#include <QPalette>

inline QColor ButtonFaceColor() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}
inline QColor ButtonTextColor() {
    return QApplication::palette().color(QPalette::Active, QPalette::ButtonText);
}
inline QColor GrayTextColor() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
}
inline QColor HighlightTextColor() {
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}
