#include "platform/midi/MidiSettings.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include <QFile>

namespace platform {

namespace {

// A settings file is a few hundred bytes; anything past this is not ours to parse.
constexpr qint64 kMaxSettingsBytes = 1 << 20;

constexpr std::string_view kSection = "midi";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

constexpr std::array<std::pair<std::string_view, MidiOutputChoice>, 4> kOutputNames = {{
    {"auto", MidiOutputChoice::Auto},
    {"synth", MidiOutputChoice::Synth},
    {"alsa", MidiOutputChoice::Alsa},
    {"jack", MidiOutputChoice::Jack},
}};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return result;
}

// The name of a section header line "[name]", or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return trimmed(line.substr(1, close - 1));
}

void addKeyLine(std::string_view line, std::map<std::string, std::string>& section) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string key = lowered(trimmed(line.substr(0, equals)));
    if (!key.empty()) {
        section.try_emplace(key, trimmed(line.substr(equals + 1)));
    }
}

std::map<std::string, std::string> parseMidiSection(std::string_view text) {
    if (text.starts_with(kUtf8Bom)) {
        text.remove_prefix(kUtf8Bom.size());
    }
    std::map<std::string, std::string> section;
    enum { Before, Inside, After } state = Before;
    while (!text.empty() && state != After) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (const auto name = sectionName(line)) {
            state = lowered(*name) == kSection ? Inside : (state == Inside ? After : state);
        } else if (state == Inside) {
            addKeyLine(line, section);
        }
    }
    return section;
}

std::string valueOf(const std::map<std::string, std::string>& section, const std::string& key) {
    const auto it = section.find(key);
    return it == section.end() ? std::string() : it->second;
}

QString pathValue(const std::map<std::string, std::string>& section, const std::string& key) {
    return QFile::decodeName(QByteArray::fromStdString(valueOf(section, key)));
}

MidiOutputChoice outputChoice(const std::string& value) {
    const std::string name = lowered(value);
    for (const auto& [text, choice] : kOutputNames) {
        if (name == text) {
            return choice;
        }
    }
    return MidiOutputChoice::Auto;
}

} // namespace

std::map<std::string, std::string> readMidiSection(const QString& settingsPath) {
    QFile file(settingsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.read(kMaxSettingsBytes);
    return parseMidiSection(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

MidiSettings midiSettingsFrom(const std::map<std::string, std::string>& section) {
    MidiSettings settings;
    settings.output = outputChoice(valueOf(section, "output"));
    settings.connect = valueOf(section, "connect");
    settings.soundFont = pathValue(section, "soundfont");
    settings.audioDriver = QString::fromStdString(valueOf(section, "audiodriver"));
    settings.audioFile = pathValue(section, "audiofile");
    return settings;
}

} // namespace platform
