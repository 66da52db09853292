#include "app/DesktopDefaults.h"

#include <QLocale>

#include "engine/KeyMap.h"
#include "platform/keys/KeyboardLayout.h"

Settings DesktopDefaults() {
    Settings settings;
    settings.japanese = QLocale::system().language() == QLocale::Japanese;
    const std::optional<QString> layout = platform::DesktopKeyboardLayout();
    const bool japaneseKeyboard = layout ? *layout == QLatin1String("jp") : settings.japanese;
    settings.keyboard = KeyboardTypeCode(japaneseKeyboard ? KeyboardType::Jp106 : KeyboardType::En101);
    return settings;
}
