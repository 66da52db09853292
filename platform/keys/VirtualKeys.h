#pragma once
// Windows virtual-key codes from Qt key events, so that the key map works as on the keyboard it was made
// for. A typing key is known by its physical place (XKB keycode = evdev code + 8), so a keyboard of the
// chosen type plays the panel that carries its label whatever the desktop's layout, Shift or Caps Lock.
// Keypad keys always give their keypad codes 96..111 (or 13 for Enter), never digits or arrows.

#include <QString>
#include <cstdint>

#include "platform/keys/KeyboardType.h"

class QKeyEvent;

namespace platform {

// 0 for a key this layer does not know, and for a place that has no key on the chosen type.
std::uint16_t VirtualKeyFromScanCode(std::uint32_t xkbKeycode, KeyboardType type);

// For events without a usable scan code: letters, digits and named keys directly, punctuation by its
// character as typed on a keyboard of the chosen type. 0 when nothing fits.
std::uint16_t VirtualKeyFromQtKey(int qtKey, const QString& text, KeyboardType type);

// A Qt key that came with the keypad modifier; 0 for anything the keypad does not have.
std::uint16_t VirtualKeyFromKeypadKey(int qtKey);

// The physical place when the scan code is one this layer knows; otherwise (synthetic events, keycodes a
// tool such as xdotool borrowed for a character) the Qt key.
std::uint16_t VirtualKeyFromEvent(const QKeyEvent& e, KeyboardType type);

// Asks an X11 server to send a held key's repeats as presses only. By default every repeat comes as a
// release and a press, and Qt can tell them from a real release only when the press is already queued,
// which on a busy machine it is not: a held note would be struck again. Does nothing on other platforms.
void UseDetectableAutoRepeat();

} // namespace platform
