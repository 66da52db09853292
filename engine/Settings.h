#pragma once
// The settings file: every key the instrument keeps, declared once with its section, default and check, and
// the one read at start and the one write at exit that use that table.
//
// The file is read once, at start. A value outside its range (or an instrument position that names no menu
// entry) takes its default, in memory and in the file, at once. Every write is one atomic rewrite of the
// file as it stands at that moment, so that what another writer put there meanwhile (the output chooser, or
// the user in an editor) is kept. Integers are stored in decimal, booleans as 1 or 0; other sections, keys,
// comments and line breaks keep their bytes.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QString>

#include "engine/ControlRanges.h"

struct Settings {
    std::int32_t key = kKeyRange.neutral;
    std::int32_t volume = kVolumeRange.neutral;
    std::int32_t modulation = kModulationRange.neutral;
    std::int32_t posShift = kPosShiftRange.neutral;
    std::int32_t index1 = 0; // the sound's place in the Sound menu (SoundChoice)
    std::int32_t index2 = 0;
    std::int32_t keyboard = 0; // the keyboard type's code (KeyboardTypeFromCode)
    bool japanese = true;      // menu language
    bool high = false;         // octave doublings
    bool low = false;
    std::int32_t x = 0; // the window's place on the screen, clamped to it by the window
    std::int32_t y = 0;
    bool sustain = false;  // Space holds the notes (controller 64)
    bool dynamics = false; // keys and mouse strike notes softer or harder
    bool operator==(const Settings&) const = default;
};

enum class SettingCheck {
    None,
    Range,    // outside its control's range: the default
    Sound,    // with the next key, a place in the Sound menu, else both 0
    Position, // kept on the screen by the window
};

struct SettingKey {
    const char* section;
    const char* key;
    std::variant<std::int32_t Settings::*, bool Settings::*> field;
    std::int32_t defaultValue;
    SettingCheck check;
    ControlRange range; // for SettingCheck::Range
    // A player's option that a file gets only once it is turned on: at its default it is written only where
    // the file has the key already.
    bool optional;
};

// In the order the exit writes them.
inline constexpr SettingKey kSettingKeys[] = {
    {"Sound", "Key", &Settings::key, kKeyRange.neutral, SettingCheck::Range, kKeyRange, false},
    {"Sound", "Volume", &Settings::volume, kVolumeRange.neutral, SettingCheck::Range, kVolumeRange, false},
    {"Sound", "Modulation", &Settings::modulation, kModulationRange.neutral, SettingCheck::Range,
     kModulationRange, false},
    {"Sound", "PosShift", &Settings::posShift, kPosShiftRange.neutral, SettingCheck::Range, kPosShiftRange,
     false},
    {"Sound", "Index1", &Settings::index1, 0, SettingCheck::Sound, {}, false},
    {"Sound", "Index2", &Settings::index2, 0, SettingCheck::None, {}, false},
    {"Options", "KeyBoard", &Settings::keyboard, 0, SettingCheck::None, {}, false},
    {"Options", "Menu-Japanese", &Settings::japanese, 1, SettingCheck::None, {}, false},
    {"Octave", "High", &Settings::high, 0, SettingCheck::None, {}, false},
    {"Octave", "Low", &Settings::low, 0, SettingCheck::None, {}, false},
    {"Position", "X", &Settings::x, 0, SettingCheck::Position, {}, false},
    {"Position", "Y", &Settings::y, 0, SettingCheck::Position, {}, false},
    {"Play", "Sustain", &Settings::sustain, 0, SettingCheck::None, {}, true},
    {"Play", "Dynamics", &Settings::dynamics, 0, SettingCheck::None, {}, true},
};

// One key's new text, for a rewrite of the file.
struct SettingValue {
    QByteArray section;
    QByteArray key;
    QByteArray value;
    bool onlyIfPresent = false; // an optional setting at its default
    bool operator==(const SettingValue&) const = default;
};

// A setting's value as the file stores it.
SettingValue StoredValue(const SettingKey& setting, std::int32_t value);
// The key that holds a field, for the window's corrections of its position; a field without a key does not
// compile where the field is a constant.
constexpr const SettingKey& SettingKeyOf(std::int32_t Settings::*field) {
    for (const SettingKey& setting : kSettingKeys) {
        if (setting.field == decltype(setting.field)(field))
            return setting;
    }
    throw std::logic_error("a setting without a key");
}

struct LoadedSettings {
    Settings values;
    std::vector<SettingValue> corrections; // to be written back at once, in this order
};

// Reads the file once (a missing or unreadable file reads as empty) and checks every value. A missing key
// takes its value from absent (where the desktop decides the menu language and the keyboard type); a key
// that is there but holds no integer takes the table's default, whatever the desktop.
LoadedSettings ReadSettings(const QString& path, const Settings& absent = {});

// Every key of the table with the value it has in settings, in the table's order.
std::vector<SettingValue> StoredValues(const Settings& settings);

// One atomic rewrite of the file as it stands now with these keys set (its folder made first, for a first
// write of an installed copy's settings). False when anything fails, the file then as it was.
bool WriteSettingValues(const QString& path, std::span<const SettingValue> values);
