// Kept apart from the key translation: the X11 headers define macros (KeyPress, None, Bool) that clash
// with Qt's names.
#include "platform/keys/KeyboardLayout.h"

#include <QGuiApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

// _XKB_RULES_NAMES holds five NUL-separated strings: rules, model, layouts, variants, options; the layouts
// are separated by commas.
std::optional<QString> DesktopKeyboardLayout() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return std::nullopt;
    Display* display = x11->display();
    const Atom names = XInternAtom(display, "_XKB_RULES_NAMES", True);
    if (names == 0)
        return std::nullopt;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), names, 0, 1024, False, XA_STRING, &type,
                           &format, &count, &remaining, &data) != Success ||
        !data)
        return std::nullopt;
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count)).split('\0');
    XFree(data);
    if (fields.size() < 3 || fields[2].isEmpty())
        return std::nullopt;
    return QString::fromLatin1(fields[2].split(',').first());
}

} // namespace platform
