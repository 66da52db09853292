#include "ui/StripAccelerator.h"

namespace {
constexpr qsizetype kJapaneseAcceleratorLength = 4; // "(", "&", the letter, ")"
} // namespace

QString StripAccelerator(const QString& caption, bool japaneseMenu) {
    QString text = caption;
    if (japaneseMenu) {
        const qsizetype at = text.indexOf(QStringLiteral("(&"));
        if (at >= 0)
            text.remove(at, kJapaneseAcceleratorLength);
    } else {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0)
            text.remove(at, 1);
    }
    return text;
}
