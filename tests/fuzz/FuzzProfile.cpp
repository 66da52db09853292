// Feeds arbitrary bytes to the profile reader as a settings file and to the integer parser, then writes one
// key and checks that the write keeps its promises: the key reads back as written, every other key reads as
// before, and an entry that cannot be stored is refused with the file untouched.

#include <cstdint>
#include <cstdlib>
#include <optional>

#include <QFile>
#include <QTemporaryDir>

#include "platform/profile/IniText.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/ProfileValues.h"

namespace {

// Distinct without regard to case, so that a write to one never changes what another reads.
constexpr const char* kSections[] = {"Sound", "OPTIONS", "octave", "Position", "MIDI", "New Section"};
constexpr const char* kKeys[] = {"Key", "volume", "Menu-Japanese", "X", "Output", "New Key"};
constexpr std::size_t kSectionCount = std::size(kSections);
constexpr std::size_t kKeyCount = std::size(kKeys);
constexpr std::size_t kLongestValue = 48;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void WriteAll(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Require(file.write(bytes.data(), bytes.size()) == bytes.size());
}

void CheckIntegerText(QByteArrayView text) {
    const std::optional<std::int32_t> number = platform::ParseProfileInteger(text);
    if (number) {
        Require(platform::ParseProfileInteger(QByteArrayView(QByteArray::number(*number))) == number);
    }
}

using Reads = std::optional<QByteArray>[kSectionCount][kKeyCount];

// Straight from the bytes: one file read per check instead of one per key keeps the fuzzer fast.
void FindEveryKey(QByteArrayView text, Reads& reads) {
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        for (std::size_t k = 0; k < kKeyCount; ++k) {
            reads[s][k] = platform::FindIniValue(text, kSections[s], kKeys[k]);
            if (reads[s][k]) {
                CheckIntegerText(*reads[s][k]);
            }
        }
    }
}

void CheckWrite(const QString& path, std::size_t section, std::size_t key, const QString& value) {
    const QByteArray oldContent = ReadAll(path);
    Reads before;
    FindEveryKey(oldContent, before);
    const bool storable = !value.contains('\n') && !value.contains('\r');
    Require(platform::WritePrivateProfileString(kSections[section], kKeys[key], value, path) == storable);
    const QByteArray newContent = ReadAll(path);
    if (!storable) {
        Require(newContent == oldContent);
        return;
    }
    const QByteArray written = platform::TrimIniBlanks(value.toUtf8()).toByteArray();
    Require(platform::GetPrivateProfileString(kSections[section], kKeys[key], path) ==
            QString::fromUtf8(written));
    Reads after;
    FindEveryKey(newContent, after);
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        for (std::size_t k = 0; k < kKeyCount; ++k) {
            Require(after[s][k] == (s == section && k == key ? std::optional(written) : before[s][k]));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath("fuzz.ini");
    const QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    WriteAll(path, input);
    CheckIntegerText(input);
    for (const char* section : kSections) {
        platform::GetPrivateProfileString(section, kKeys[0], path);
    }
    if (size < 2) {
        return 0;
    }
    const QByteArrayView valueBytes = input.last(std::min<qsizetype>(input.size() - 2, kLongestValue));
    CheckWrite(path, data[0] % kSectionCount, data[1] % kKeyCount, QString::fromUtf8(valueBytes));
    return 0;
}
