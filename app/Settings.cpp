// The settings file: read and checked once in the show sequence (a bad value is
// corrected in memory and in the file at once), written once in the hide sequence.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "app/SettingsLocation.h"
#include "engine/ControlRanges.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/ProfileValues.h"
#include "ui/ClavitoMain.h"

using platform::GetProfileBool;
using platform::GetProfileInt;

namespace {
struct Range {
    const char* key;
    ControlRange range;
};
} // namespace

// Where this run keeps its settings when no file is given (see SettingsLocation.h).
QString TMainForm::DefaultSettingsPath() {
    return SettingsFilePath(CurrentSettingsPlace({}));
}

bool TMainForm::WriteInt(const char* section, const char* key, std::int32_t value) {
    return WriteString(section, key, QString::number(value));
}

// Every value goes through here. A failed write is reported; the folder of an installed copy's settings is
// made on the first write.
bool TMainForm::WriteString(const char* section, const char* key, const QString& value) {
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    if (platform::WritePrivateProfileString(QLatin1String(section), QLatin1String(key), value, settingsPath_))
        return true;
    platform::ShowApplicationError(
        QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(settingsPath_)));
    return false;
}

bool TMainForm::WriteBool(const char* section, const char* key, bool value) {
    return WriteInt(section, key, value ? 1 : 0);
}

void TMainForm::ReadSettings(std::int32_t& keyboardType, int& x, int& y) {
    const QString& file = settingsPath_;
    const QString sound = QStringLiteral("Sound");
    const Range ranges[] = {{"Key", kKeyRange},
                            {"Volume", kVolumeRange},
                            {"Modulation", kModulationRange},
                            {"PosShift", kPosShiftRange}};
    std::int32_t* fields[] = {&Key, &Volume, &Modulation, &PosShift};
    for (std::size_t i = 0; i < std::size(ranges); ++i) {
        const ControlRange& r = ranges[i].range;
        *fields[i] = GetProfileInt(sound, QLatin1String(ranges[i].key), r.neutral, file);
        if (*fields[i] < r.min || *fields[i] > r.max) {
            *fields[i] = r.neutral;
            WriteInt("Sound", ranges[i].key, r.neutral);
        }
    }

    // The instrument position must name an entry of the Sound menu (the one the window carries before the
    // language is applied): a group and one of its items, or the entry without items (percussion), whose
    // item is checked only for its sign.
    Index1 = GetProfileInt(sound, QStringLiteral("Index1"), 0, file);
    Index2 = GetProfileInt(sound, QStringLiteral("Index2"), 0, file);
    const QList<QAction*> entries = MainMenuJ.Sound->actions();
    const bool valid = Index1 >= 0 && Index1 <= entries.size() - 1 && Index2 >= 0 &&
                       (!entries[Index1]->menu() || Index2 <= entries[Index1]->menu()->actions().size() - 1);
    if (!valid) {
        Index1 = 0;
        Index2 = 0;
        WriteInt("Sound", "Index1", 0);
        WriteInt("Sound", "Index2", 0);
    }

    const bool high = GetProfileBool(QStringLiteral("Octave"), QStringLiteral("High"), false, file);
    High1->setChecked(high);
    High2->setChecked(high);
    const bool low = GetProfileBool(QStringLiteral("Octave"), QStringLiteral("Low"), false, file);
    Low1->setChecked(low);
    Low2->setChecked(low);
    keyboardType = GetProfileInt(QStringLiteral("Options"), QStringLiteral("KeyBoard"), 0, file);
    if (GetProfileBool(QStringLiteral("Options"), QStringLiteral("Menu-Japanese"), true, file)) {
        Japanese1->setChecked(true);
        Japanese2->setChecked(true);
    }
    x = GetProfileInt(QStringLiteral("Position"), QStringLiteral("X"), 0, file);
    y = GetProfileInt(QStringLiteral("Position"), QStringLiteral("Y"), 0, file);
    ClampPosition(x, y);
}

// A corrected coordinate is written back as the window's current edge (where the system put it); the
// clamped value is where the show sequence then places the window.
void TMainForm::ClampPosition(int& x, int& y) {
    const QRect screenRect = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    const int w = frameGeometry().width(), h = frameGeometry().height();
    if (x < 0) {
        x = 0;
        WriteInt("Position", "X", pos().x());
    }
    if (x > screenRect.width() - w) {
        x = screenRect.width() - w;
        WriteInt("Position", "X", pos().x());
    }
    if (y < 0) {
        y = 0;
        WriteInt("Position", "Y", pos().y());
    }
    if (y > screenRect.height() - h) {
        y = screenRect.height() - h;
        WriteInt("Position", "Y", pos().y());
    }
}

// Every key in its fixed order; after a failed write the keys that follow are not written.
void TMainForm::WriteSettings(std::int32_t keyboardType) {
    WriteInt("Sound", "Key", Key) && WriteInt("Sound", "Volume", Volume) &&
        WriteInt("Sound", "Modulation", Modulation) && WriteInt("Sound", "PosShift", PosShift) &&
        WriteInt("Sound", "Index1", Index1) && WriteInt("Sound", "Index2", Index2) &&
        WriteInt("Options", "KeyBoard", keyboardType) &&
        WriteBool("Options", "Menu-Japanese", Japanese1->isChecked()) &&
        WriteBool("Octave", "High", High1->isChecked()) && WriteBool("Octave", "Low", Low1->isChecked()) &&
        WriteInt("Position", "X", pos().x()) && WriteInt("Position", "Y", pos().y());
}
