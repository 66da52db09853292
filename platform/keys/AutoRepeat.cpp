// Kept apart from the key translation: the X11 headers define macros (KeyPress, None, Bool) that clash
// with Qt's names.
#include "platform/keys/VirtualKeys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace platform {

void UseDetectableAutoRepeat() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
    XFlush(x11->display());
}

} // namespace platform
