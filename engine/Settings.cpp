#include "engine/Settings.h"

#include <QDir>
#include <QFileInfo>

#include "engine/Sounds.h"
#include "platform/profile/AtomicFile.h"
#include "platform/profile/IniText.h"
#include "platform/profile/ProfileValues.h"

namespace {
std::int32_t Get(const Settings& settings, const SettingKey& setting) {
    return std::visit([&](auto field) { return static_cast<std::int32_t>(settings.*field); }, setting.field);
}

// A boolean is true for any integer but 0.
void Set(Settings& settings, const SettingKey& setting, std::int32_t value) {
    std::visit(
        [&](auto field) {
            settings.*field = static_cast<std::remove_cvref_t<decltype(settings.*field)>>(value);
        },
        setting.field);
}

std::int32_t ReadValue(QByteArrayView text, const SettingKey& setting, const Settings& absent) {
    const std::optional<QByteArray> stored = platform::FindIniValue(text, setting.section, setting.key);
    if (!stored)
        return Get(absent, setting);
    return platform::ParseProfileInteger(QByteArrayView(*stored)).value_or(setting.defaultValue);
}

// The keys of a check that failed take their defaults, and go back to the file.
void Correct(LoadedSettings& loaded, std::span<const SettingKey> settings) {
    for (const SettingKey& setting : settings) {
        Set(loaded.values, setting, setting.defaultValue);
        loaded.corrections.push_back(StoredValue(setting, setting.defaultValue));
    }
}

void Check(LoadedSettings& loaded, std::size_t index) {
    const SettingKey& setting = kSettingKeys[index];
    const std::int32_t value = Get(loaded.values, setting);
    switch (setting.check) {
    case SettingCheck::Range:
        if (value < setting.range.min || value > setting.range.max)
            Correct(loaded, {&setting, 1});
        break;
    case SettingCheck::Sound:
        if (!IsMenuPosition({value, Get(loaded.values, kSettingKeys[index + 1])}))
            Correct(loaded, {&setting, 2});
        break;
    case SettingCheck::None:
    case SettingCheck::Position:
        break;
    }
}
} // namespace

SettingValue StoredValue(const SettingKey& setting, std::int32_t value) {
    return {setting.section, setting.key, QByteArray::number(value),
            setting.optional && value == setting.defaultValue};
}

LoadedSettings ReadSettings(const QString& path, const Settings& absent) {
    const QByteArray text = platform::ReadWholeFile(path).value_or(QByteArray());
    LoadedSettings loaded;
    for (const SettingKey& setting : kSettingKeys)
        Set(loaded.values, setting, ReadValue(text, setting, absent));
    for (std::size_t i = 0; i < std::size(kSettingKeys); ++i)
        Check(loaded, i);
    return loaded;
}

std::vector<SettingValue> StoredValues(const Settings& settings) {
    std::vector<SettingValue> values;
    for (const SettingKey& setting : kSettingKeys)
        values.push_back(StoredValue(setting, Get(settings, setting)));
    return values;
}

bool WriteSettingValues(const QString& path, std::span<const SettingValue> values) {
    for (const SettingValue& v : values) {
        if (!platform::IsStorableIniEntry(v.section, v.key, v.value))
            return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::optional<QByteArray> text = platform::ReadFileForRewrite(path);
    if (!text)
        return false;
    for (const SettingValue& v : values) {
        if (!v.onlyIfPresent || platform::FindIniValue(*text, v.section, v.key))
            *text = platform::SetIniValue(*text, v.section, v.key, v.value);
    }
    return platform::WriteFileAtomically(path, *text);
}
