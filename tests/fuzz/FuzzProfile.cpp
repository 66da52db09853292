// Arbitrary bytes as a settings file, then one key written: the key reads back as written, every other key
// reads as before, and an entry that cannot be stored is refused with the file untouched.
#include <cstdint>
#include <cstdlib>

#include <QFile>
#include <QTemporaryDir>

#include "platform/profile/IniText.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/ProfileValues.h"

namespace {

// Distinct without regard to case, so that a write to one never changes what another reads.
constexpr const char* kSections[] = {"Sound", "OPTIONS", "octave", "MIDI", "New Section"};
constexpr const char* kKeys[] = {"Key", "volume", "Menu-Japanese", "Output", "New Key"};
constexpr std::size_t kCount = std::size(kKeys);

void Require(bool condition) {
    if (!condition)
        std::abort();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    Require(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Every key of every section; each value found also goes through the integer parser, which must read its
// own output back.
std::vector<std::optional<QByteArray>> EveryKey(QByteArrayView text) {
    std::vector<std::optional<QByteArray>> reads;
    for (const char* section : kSections)
        for (const char* key : kKeys) {
            reads.push_back(platform::FindIniValue(text, section, key));
            if (const auto number =
                    reads.back() ? platform::ParseProfileInteger(*reads.back()) : std::nullopt)
                Require(platform::ParseProfileInteger(QByteArray::number(*number)) == number);
        }
    return reads;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath("fuzz.ini");
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == qint64(size));
    file.close();
    if (size < 2)
        return 0;
    const QByteArray old = ReadAll(path);
    std::vector<std::optional<QByteArray>> expected = EveryKey(old);
    const std::size_t section = data[0] % kCount, key = data[1] % kCount;
    const QString value = QString::fromUtf8(old.last(std::min<qsizetype>(old.size() - 2, 48)));
    const bool storable = !value.contains('\n') && !value.contains('\r');
    Require(platform::WritePrivateProfileString(kSections[section], kKeys[key], value, path) == storable);
    if (storable)
        expected[section * kCount + key] = platform::TrimIniBlanks(value.toUtf8()).toByteArray();
    Require(EveryKey(ReadAll(path)) == expected);
    Require(storable || ReadAll(path) == old);
    return 0;
}
