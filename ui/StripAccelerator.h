#pragma once
// The text a menu caption shows in SoundPanel: the caption without its accelerator mark. The rule follows
// the language of the menu bar now shown, not the menu the caption came from.

#include <QString>

// Japanese menu: drops the four characters of the first "(&X)" group, if any. English menu: drops the
// first "&", if any.
QString StripAccelerator(const QString& caption, bool japaneseMenu);
