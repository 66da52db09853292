#pragma once
// What a first start takes from the desktop: the menus in the user's language, and the keyboard type of the
// keyboard layout in force.

#include "engine/Settings.h"

// The program's defaults, but: Japanese menus only where the user's language is Japanese; the 106 Japanese
// keyboard where the layout is "jp", the 101 English one for any other layout, and where the platform does
// not tell the layout, the one of the language. PC 98 is never chosen this way.
Settings DesktopDefaults();
