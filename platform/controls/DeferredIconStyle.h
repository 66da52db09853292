#pragma once
// The application's style, unchanged but for when it loads one picture. A menu bar asks its style for the
// toolbar-extension icon as it is built, and loading that picture makes Qt open every image-format plugin
// (GIF, ICO, JPEG and their libraries): time before the window can show, and half a megabyte that stays.
// Our menu bar never overflows into that button, so its icon is fetched from the real style only if it is
// ever painted.
#include <QProxyStyle>

namespace platform {

class TDeferredIconStyle : public QProxyStyle {
public:
    // With no base style given, the base is the one the application would have chosen (the -style option,
    // QT_STYLE_OVERRIDE, else the desktop's), made on first use.
    TDeferredIconStyle() = default;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace platform
