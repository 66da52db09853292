#pragma once
// The keyboard layout the desktop has set, where the window system tells it.

#include <optional>

#include <QString>

namespace platform {

// The first XKB layout name of the X11 server ("us", "jp", ...), as set on its root window; nothing on
// other platforms or where the server names none.
std::optional<QString> DesktopKeyboardLayout();

} // namespace platform
